// Screenshots of the calculation window, one PNG per page and problem code, to look at (run
// under a display, e.g. xvfb-run). Usage: taldor-wizard-shots [OUTPUT_FOLDER]
#include <QApplication>
#include <QDir>
#include <QTest>
#include <functional>

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
    return 0;
}
