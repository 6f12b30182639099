// Screenshots of the calculation window, one PNG per page and problem code, to look at (run
// under a display, e.g. xvfb-run). Usage: taldor-wizard-shots [OUTPUT_FOLDER]
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QPlainTextEdit>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <functional>
#include <utility>
#include <vector>

#include "Modal.h"
#include "WizardRoad.h"
#include "untProbTipo.h"

using wizardroad::Road;

namespace {

class NoFrame final : public taldor::ui::FrameServices {
public:
    void fileNew() override {}
    void fileOpen() override {}
    void fileExit() override {}
    void helpAbout() override {}
    void helpDescription() override {}
    void openPicture(const QString&, QWidget*) override {}
};

QString g_folder;
NoFrame g_frame;

void Shot(const QString& name, const std::function<void(TfrmProbTipo&)>& drive) {
    taldor::ui::RecordingModalHandler messages;
    auto* w = new TfrmProbTipo(&g_frame, nullptr);
    w->show();
    w->activateWindow();
    if (!QTest::qWaitForWindowActive(w)) qWarning("window not active");
    drive(*w);
    QApplication::processEvents();
    w->grab().save(QDir(g_folder).filePath(name + ".png"));
    delete w;
}

// Presses "Report" after `drive`: observations typed and confirmed, the preview window shown
// and grabbed, then its page printed to a PDF file as its print command does.
void ReportShot(const QString& name, const std::function<void(TfrmProbTipo&)>& drive) {
    taldor::ui::RecordingModalHandler modal;
    modal.onDialog = [&](QDialog* dialog) {
        dialog->show();
        QApplication::processEvents();
        if (auto* preview = qobject_cast<QPrintPreviewDialog*>(dialog)) {
            preview->resize(900, 1000);
            QApplication::processEvents();
            preview->grab().save(QDir(g_folder).filePath(name + "_preview.png"));
            QPrinter* printer = preview->printer();
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(QDir(g_folder).filePath(name + ".pdf"));
            preview->findChild<QPrintPreviewWidget*>()->print();
            return int(QDialog::Rejected);
        }
        auto* text = dialog->findChild<QPlainTextEdit*>("mmObservaciones");
        QTest::keyClicks(text,
                         "Observed after the flood of March; the bed is armoured "
                         "downstream of the structure.");
        dialog->grab().save(QDir(g_folder).filePath(name + "_observations.png"));
        return int(QDialog::Accepted);
    };
    auto* w = new TfrmProbTipo(&g_frame, nullptr);
    w->show();
    w->activateWindow();
    if (!QTest::qWaitForWindowActive(w)) qWarning("window not active");
    drive(*w);
    wizardroad::Click(w, "bbtnReporte");
    delete w;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    g_folder = argc > 1 ? QString(argv[1]) : QString(".");
    QDir().mkpath(g_folder);
    using namespace wizardroad;

    Shot("global", [](TfrmProbTipo&) {});
    Shot("global_question", [](TfrmProbTipo& w) {
        Click(&w, "btnN0");
        Click(&w, "rg0Item2");
    });
    Shot("global_roughness", [](TfrmProbTipo& w) { Click(&w, "rbAltuRugoCauc"); });
    Shot("local_question", [](TfrmProbTipo& w) {
        Click(&w, "btnN0");
        Answer(&w, "rg0", 0);
        Click(&w, "btnN1");
    });
    Shot("local_upstream", [](TfrmProbTipo& w) {
        Click(&w, "btnN0");
        Answer(&w, "rg0", 1);
    });
    const struct {
        const char* name;
        Road road;
    } structures[] = {
        {"structure_11", {0, 0, -1, {}}}, {"structure_12", {0, 1, -1, {}}},
        {"structure_21", {1, 0, -1, {}}}, {"structure_22", {1, 1, -1, {}}},
        {"structure_31", {2, 0, -1, {}}},
    };
    for (const auto& s : structures) {
        Shot(s.name, [&](TfrmProbTipo& w) {
            Click(&w, "btnN0");
            Answer(&w, "rg0", s.road.phenomenon);
            Click(&w, "btnN1");
            static const char* const groups[] = {"rg00", "rg01", "rg02"};
            Answer(&w, groups[s.road.phenomenon], s.road.obstacle);
        });
    }
    Shot("structure_11_jet", [](TfrmProbTipo& w) {
        Follow(&w, {0, 0, -1, {{"edtEstrLongPlat", "1"}}});
    });
    const struct {
        const char* name;
        Road road;
    } complementary[] = {
        {"complementary_111", {0, 0, -1, {}}},
        {"complementary_1122", {0, 0, 0, {{"edtEstrLongPlat", "1"}}}},
        {"complementary_122", {0, 1, -1, {{"edtEstrLongPlat", "1"}}}},
        {"complementary_212", {1, 0, -1, {{"edtEstrLongPlat", "0.5"}}}},
        {"complementary_22", {1, 1, -1, {}}},
        {"complementary_31", {2, 0, -1, {}}},
    };
    for (const auto& c : complementary) {
        Shot(c.name, [&](TfrmProbTipo& w) { Follow(&w, c.road); });
    }
    Shot("complementary_122_highlight", [](TfrmProbTipo& w) {
        Follow(&w, {0, 1, -1, {{"edtEstrLongPlat", "1"}}});
        Click(&w, "btn1");
    });
    Shot("results_1122", [](TfrmProbTipo& w) {
        Follow(&w, {0, 0, 0, {{"edtEstrLongPlat", "1"}}});
        Click(&w, "btnN3");
    });

    // After a calculation of each model problem: the Results page, the Graphic page and the
    // printed report (its preview window, and the page printed to a PDF file).
    const struct {
        const char* name;
        Road road;
        std::vector<std::pair<QString, QString>> complementary;
    } calculations[] = {
        {"22",
         {1, 1, -1, {}},
         {{"edtEstrFactFormKs", "1.0"}, {"edtEstrFactGrup", "0.80"}, {"edtSediAnguRepo", "34"}}},
        {"31", {2, 0, -1, {}}, {}},
        {"111", {0, 0, -1, {}}, {{"edtCaucPoro", "0.40"}}},
        {"121", {0, 1, -1, {{"edtEstrAltuAper", "0.3"}}}, {}},
        {"122",
         {0, 1, -1, {{"edtEstrLongPlat", "2"}}},
         {{"edtSediDiam90N3", "3"}, {"edtSediAnguRepo", "29"}}},
        {"211", {1, 0, -1, {}}, {}},
        {"212",
         {1, 0, -1, {{"edtEstrLongPlat", "0.5"}}},
         {{"edtEstrFactCurv", "1.00"},
          {"edtEstrFactFormKs", "0.75"},
          {"edtEstrFactAngu", "1"},
          {"edtEstrFactPoro", "1"},
          {"edtEstrFactFormKb", "1.5"},
          {"edtEstrFactFormKl", "1.10"}}},
        {"1121", {0, 0, 1, {{"edtEstrLongPlat", "4.5"}}}, {{"edtSediAnguRepo", "30"}}},
        {"1122", {0, 0, 0, {{"edtEstrLongPlat", "4.5"}}}, {{"edtSediAnguRepo", "30"}}},
    };
    for (const auto& c : calculations) {
        const auto calculate = [&](TfrmProbTipo& w) {
            Follow(&w, c.road);
            for (const auto& [box, text] : c.complementary) Type(&w, box, text);
            if (QString(c.name) != "211") Click(&w, "btnN3");
        };
        Shot(QString("calculated_%1_results").arg(c.name), calculate);
        Shot(QString("calculated_%1_graphic").arg(c.name), [&](TfrmProbTipo& w) {
            calculate(w);
            auto* bar = static_cast<QTabWidget*>(Find(&w, "pgReplanteo"))->tabBar();
            QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(5).center());
        });
        ReportShot(QString("calculated_%1_report").arg(c.name), calculate);
    }
    return 0;
}
