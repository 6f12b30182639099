// How long the calculation window takes: a new window built and shown ("New"), one whole case
// driven through its widgets from the first answer to the Results page, "Calculation" with four
// curves of 5000 points, "Report" to a PDF file, and the memory an open window takes. Runs on the
// offscreen platform unless QT_QPA_PLATFORM says otherwise. Usage: taldor-wizard-timing [RUNS]
#include <malloc.h>
#include <time.h>

#include <QApplication>
#include <QChart>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLineSeries>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPixmapCache>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

#include "Modal.h"
#include "ScourChart.h"
#include "WizardRoad.h"
#include "untProbTipo.h"

namespace {

// Bytes handed out by the allocator and not yet freed.
std::size_t HeapInUse() {
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

// The offscreen platform's notice for every window of fixed size.
QtMessageHandler g_defaultHandler = nullptr;
void DropPlatformNotice(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text != "This plugin does not support propagateSizeHints()")
        g_defaultHandler(type, context, text);
}

class NoFrame final : public taldor::ui::FrameServices {
public:
    void fileNew() override {}
    void fileOpen() override {}
    void fileExit() override {}
    void helpAbout() override {}
    void helpDescription() override {}
    void openPicture(const QString&, QWidget*) override {}
};

// Wall-clock time, and the processor time of this thread, which leaves out the time the other
// programs of a loaded machine take the processor away.
struct Lap {
    double wall;  // ms
    double cpu;   // ms
};
double ThreadCpuMs() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
}
class Stopwatch {
public:
    void start() {
        m_wall.start();
        m_cpu = ThreadCpuMs();
    }
    void restart() { start(); }
    Lap lap() const {
        return {static_cast<double>(m_wall.nsecsElapsed()) / 1e6, ThreadCpuMs() - m_cpu};
    }

private:
    QElapsedTimer m_wall;
    double m_cpu = 0;
};

void Report(const char* what, std::vector<Lap> laps) {
    std::vector<double> wall, cpu;
    for (const Lap& l : laps) {
        wall.push_back(l.wall);
        cpu.push_back(l.cpu);
    }
    std::sort(wall.begin(), wall.end());
    std::sort(cpu.begin(), cpu.end());
    std::printf("%-46s median %7.2f ms  max %7.2f   (cpu median %7.2f  max %7.2f)  %zu runs\n",
                what, wall[wall.size() / 2], wall.back(), cpu[cpu.size() / 2], cpu.back(),
                wall.size());
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    g_defaultHandler = qInstallMessageHandler(DropPlatformNotice);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 50;
    taldor::ui::RecordingModalHandler messages;
    NoFrame frame;

    // The first window of the process also pays for the fonts and the style, which in the
    // program the frame and the intro window have loaded before the user can press "New".
    {
        Stopwatch t;
        t.start();
        auto* w = new TfrmProbTipo(&frame, nullptr);
        w->show();
        QApplication::processEvents();
        std::printf("%-46s %7.2f ms\n", "new window, the first of the process", t.lap().wall);
        delete w;
    }

    // "New": the window built, shown, and its first events (layout, expose, paint) handled.
    std::vector<Lap> created;
    for (int i = 0; i < runs; ++i) {
        Stopwatch t;
        t.start();
        auto* w = new TfrmProbTipo(&frame, nullptr);
        w->show();
        QApplication::processEvents();
        created.push_back(t.lap());
        delete w;
    }
    Report("new window built and shown", created);

    // One case, the plunging jet with both curves drawn: every answer, the structure data, the
    // jet question and the Calculation, until the Results page is in front.
    std::vector<Lap> road;
    const wizardroad::Road plungingJet{
        0, 0, 0, {{"edtEstrLongPlat", "4.5"}, {"edtEstrAltuSaltFond", "0.75"}}};
    for (int i = 0; i < runs; ++i) {
        auto* w = new TfrmProbTipo(&frame, nullptr);
        w->show();
        w->activateWindow();
        QApplication::processEvents();
        Stopwatch t;
        t.start();
        wizardroad::Follow(w, plungingJet);
        wizardroad::Type(w, "edtSediAnguRepo", "30");
        wizardroad::Click(w, "btnN3");
        QApplication::processEvents();
        road.push_back(t.lap());
        auto* pages = w->findChild<QTabWidget*>("pgReplanteo");
        if (pages->currentIndex() != 4) {
            std::fprintf(stderr, "the case did not reach the Results page\n");
            return 1;
        }
        delete w;
    }
    Report("first answer to Results page (plunging jet)", road);

    // "Calculation" on the wide culvert with all four formulae drawing curves of 5000 points
    // (d90 of 3 mm makes Hoffmans' curve as long as the others): from the click to the Results
    // page painted with the four series filled; then the Graphic page brought up and painted.
    std::vector<Lap> calculation;
    std::vector<Lap> graphic;
    const wizardroad::Road wideCulvert{0, 1, -1, {{"edtEstrLongPlat", "2"}}};
    for (int i = 0; i < runs; ++i) {
        auto* w = new TfrmProbTipo(&frame, nullptr);
        w->show();
        w->activateWindow();
        QApplication::processEvents();
        wizardroad::Follow(w, wideCulvert);
        wizardroad::Type(w, "edtSediDiam90N3", "3");
        wizardroad::Type(w, "edtSediAnguRepo", "29");
        QApplication::processEvents();
        Stopwatch t;
        t.start();
        wizardroad::Click(w, "btnN3");
        QApplication::processEvents();
        calculation.push_back(t.lap());
        auto* pages = w->findChild<QTabWidget*>("pgReplanteo");
        int points = 0;
        for (QLineSeries* s : w->findChildren<taldor::output::ScourChart*>()
                                  .front()
                                  ->chart()
                                  ->findChildren<QLineSeries*>()) {
            points += static_cast<int>(s->count());
        }
        if (pages->currentIndex() != 4 || points != 20000) {
            std::fprintf(stderr, "the wide culvert drew %d points, page %d\n", points,
                         pages->currentIndex());
            return 1;
        }
        t.restart();
        QTest::mouseClick(pages->tabBar(), Qt::LeftButton, {},
                          pages->tabBar()->tabRect(5).center());
        QApplication::processEvents();
        graphic.push_back(t.lap());
        delete w;
    }
    Report("Calculation to Results, 4 x 5000 points (122)", calculation);
    Report("then Graphic page shown and painted", graphic);

    // "Report" on the plunging jet's Results page: the observations confirmed empty, the
    // preview built, and its page printed to a PDF file as the preview's print command does.
    std::vector<Lap> report;
    QTemporaryDir folder;
    const QString pdf = folder.filePath("report.pdf");
    messages.onDialog = [&](QDialog* dialog) {
        auto* preview = qobject_cast<QPrintPreviewDialog*>(dialog);
        if (!preview) return int(QDialog::Accepted);
        QPrinter* printer = preview->printer();
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdf);
        preview->findChild<QPrintPreviewWidget*>()->print();
        return int(QDialog::Rejected);
    };
    for (int i = 0; i < runs; ++i) {
        auto* w = new TfrmProbTipo(&frame, nullptr);
        w->show();
        w->activateWindow();
        QApplication::processEvents();
        wizardroad::Follow(w, plungingJet);
        wizardroad::Type(w, "edtSediAnguRepo", "30");
        wizardroad::Click(w, "btnN3");
        QApplication::processEvents();
        QFile::remove(pdf);
        Stopwatch t;
        t.start();
        wizardroad::Click(w, "bbtnReporte");
        report.push_back(t.lap());
        if (QFileInfo(pdf).size() == 0) {
            std::fprintf(stderr, "no report written\n");
            return 1;
        }
        delete w;
    }
    messages.onDialog = nullptr;
    Report("Report to PDF, through the preview (1122)", report);

    // Memory of an open window, as the frame holds it (a child of a workspace): twenty windows
    // kept open at once, new and then calculated (the wide culvert's four curves of 5000 points,
    // the Graphic page shown), against the heap in use before them; and a chart alone.
    {
        constexpr int kOpen = 20;
        QMdiArea area;
        area.resize(1200, 800);
        area.show();
        QApplication::processEvents();
        QPixmapCache::clear();
        const std::size_t before = HeapInUse();
        const auto widgetsBefore = QApplication::allWidgets().size();
        std::vector<QMdiSubWindow*> open;
        for (int i = 0; i < kOpen; ++i) {
            QMdiSubWindow* sub = area.addSubWindow(new TfrmProbTipo(&frame, nullptr));
            sub->show();
            QApplication::processEvents();
            open.push_back(sub);
        }
        const std::size_t fresh = HeapInUse();
        const auto widgetsPerWindow = (QApplication::allWidgets().size() - widgetsBefore) / kOpen;
        for (QMdiSubWindow* sub : open) {
            area.setActiveSubWindow(sub);
            auto* w = static_cast<TfrmProbTipo*>(sub->widget());
            QApplication::processEvents();
            wizardroad::Follow(w, wideCulvert);
            wizardroad::Type(w, "edtSediDiam90N3", "3");
            wizardroad::Type(w, "edtSediAnguRepo", "29");
            wizardroad::Click(w, "btnN3");
            auto* pages = w->findChild<QTabWidget*>("pgReplanteo");
            QTest::mouseClick(pages->tabBar(), Qt::LeftButton, {},
                              pages->tabBar()->tabRect(5).center());
            QApplication::processEvents();
        }
        QPixmapCache::clear();
        const std::size_t calculated = HeapInUse();
        for (QMdiSubWindow* sub : open) delete sub;
        QApplication::processEvents();
        QPixmapCache::clear();
        const std::size_t after = HeapInUse();

        std::vector<taldor::output::ScourChart*> charts;
        for (int i = 0; i < kOpen; ++i) {
            auto* chart = new taldor::output::ScourChart(&area);
            chart->resize(760, 300);
            chart->show();
            charts.push_back(chart);
        }
        QApplication::processEvents();
        const std::size_t withCharts = HeapInUse();
        std::vector<taldor::SeriesState> curves(4);
        for (int k = 0; k < 4; ++k) {
            curves[static_cast<std::size_t>(k)].title = "formula";
            for (int i = 0; i < 5000; ++i) {
                const double t = 0.2 * i;
                curves[static_cast<std::size_t>(k)].points.push_back(
                    {t, (k + 1) * (1 - std::exp(-std::pow(t + 1e-9, 0.23)))});
            }
        }
        for (auto* chart : charts) {
            for (int k = 0; k < 4; ++k) chart->showSeries(k, curves[static_cast<std::size_t>(k)]);
            chart->repaint();
        }
        QApplication::processEvents();
        const std::size_t filledCharts = HeapInUse();
        for (auto* chart : charts) delete chart;

        const auto kB = [](std::size_t a, std::size_t b) {
            return (static_cast<double>(a) - static_cast<double>(b)) / kOpen / 1e3;
        };
        std::printf("%-46s %7.0f kB  (%lld widgets)\n", "memory per open window, new",
                    kB(fresh, before), static_cast<long long>(widgetsPerWindow));
        std::printf("%-46s %7.0f kB\n", "memory per open window, 122 calculated + chart",
                    kB(calculated, before));
        std::printf("%-46s %7.0f kB\n", "left per window after closing them", kB(after, before));
        std::printf("%-46s %7.0f kB\n", "a chart alone, empty", kB(withCharts, after));
        std::printf("%-46s %7.0f kB\n", "a chart alone, 4 x 5000 points shown",
                    kB(filledCharts, after));
    }
    return 0;
}
