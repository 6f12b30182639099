// Timings of the output side, run on demand (not a test):
//   - four curves of 5000 points shown in the chart, from the fills to the painted page;
//   - a whole calculation through the window's logic with the Results page and the chart
//     filled and painted, for every model problem whose routine draws curves;
//   - building the report layout and rendering its page to a PDF file.
//
//   QT_QPA_PLATFORM=offscreen taldor-output-timing [REPEATS]

#include <QApplication>
#include <QChartView>
#include <QElapsedTimer>
#include <QTabWidget>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

#include "CaseRoads.h"
#include "ReportLayout.h"
#include "ReportPainter.h"
#include "ResultsPageView.h"
#include "ScourChart.h"

namespace {

struct Stats {
    double median, max;
};

Stats Time(
    int repeats, const std::function<void()>& run, const std::function<void()>& setup = [] {}) {
    std::vector<double> ms;
    for (int i = 0; i < repeats; ++i) {
        setup();
        QApplication::processEvents();
        QElapsedTimer t;
        t.start();
        run();
        ms.push_back(static_cast<double>(t.nsecsElapsed()) / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms.back()};
}

void Print(const char* what, const Stats& s) {
    std::printf("%-62s median %8.2f ms   max %8.2f ms\n", what, s.median, s.max);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int repeats = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;

    QTabWidget tabs;
    auto* page = new taldor::output::ResultsPageView;
    auto* chart = new taldor::output::ScourChart;
    tabs.addTab(page, "Results");
    tabs.addTab(chart, "Graphic");
    tabs.resize(820, 520);
    tabs.setCurrentIndex(1);
    tabs.show();
    QApplication::processEvents();

    // Four synthetic curves of 5000 points each, shaped like the scour-time curves.
    std::vector<taldor::SeriesState> curves(4);
    for (int k = 0; k < 4; ++k) {
        curves[k].title = "formula " + std::to_string(k + 1);
        for (int i = 0; i < 5000; ++i) {
            const double t = 0.002 * i;
            curves[k].points.push_back({t, (k + 1) * (1 - std::exp(-std::pow(t + 1e-9, 0.23)))});
        }
    }
    const taldor::SeriesState empty{"inactive", {}};
    auto emptyChart = [&] {
        for (int k = 0; k < 4; ++k) chart->showSeries(k, empty);
    };
    auto paintChart = [&] {
        tabs.setCurrentIndex(1);
        chart->view()->viewport()->repaint();
    };
    Print("chart: 4 x 5000 points replaced (shown)",
          Time(
              repeats,
              [&] {
                  for (int k = 0; k < 4; ++k)
                      chart->showSeries(k, curves[static_cast<std::size_t>(k)]);
              },
              emptyChart));
    Print("chart: painting 4 x 5000 points", Time(repeats, paintChart));
    Print("chart: 4 x 5000 points replaced and painted",
          Time(
              repeats,
              [&] {
                  for (int k = 0; k < 4; ++k)
                      chart->showSeries(k, curves[static_cast<std::size_t>(k)]);
                  paintChart();
              },
              emptyChart));
    Print("chart: emptied (an input changed), 4 x 5000 points before",
          Time(
              repeats,
              [&] {
                  emptyChart();
                  paintChart();
              },
              [&] {
                  for (int k = 0; k < 4; ++k)
                      chart->showSeries(k, curves[static_cast<std::size_t>(k)]);
              }));

    for (const taldor::testing::CaseRoad& road : taldor::testing::AllRoads()) {
        taldor::RecordedWindow window;
        taldor::testing::Drive(window, road);
        std::size_t points = 0;
        for (int k = 0; k < 4; ++k) points += window.wizard.series(k).points.size();
        if (points == 0) continue;
        const std::string what = "Calculation to Results + chart painted, code " +
                                 std::string(road.name) + " (" + std::to_string(points) +
                                 " points)";
        // From an emptied chart (as after a changed input): one calculation, the Results page
        // shown and painted, the chart filled and painted.
        std::unique_ptr<taldor::RecordedWindow> w;
        Print(what.c_str(), Time(
                                repeats,
                                [&] {
                                    w->wizard.btnN3Click();
                                    tabs.setCurrentIndex(0);
                                    page->showResults(*w->wizard.results());
                                    page->repaint();
                                    for (int k = 0; k < 4; ++k)
                                        chart->showSeries(k, w->wizard.series(k));
                                    paintChart();
                                },
                                [&] {
                                    emptyChart();
                                    taldor::testing::CaseRoad toComplementary = road;
                                    w = std::make_unique<taldor::RecordedWindow>();
                                    for (const auto& [box, text] : road.boxes)
                                        w->view.setBoxText(box, text);
                                    w->wizard.btnN0Click();
                                    w->wizard.btnContAfue01Click(road.phenomenon);
                                    w->wizard.btnN1Click();
                                    w->wizard.btnContAfue12Click(road.obstacle);
                                    w->wizard.btnN2Click();
                                    if (w->wizard.questionVisible(taldor::Question::Rg000)) {
                                        w->wizard.btnContAfue23Click(road.jet);
                                    }
                                }));
    }

    QTemporaryDir dir;
    taldor::RecordedWindow window;
    taldor::testing::Drive(window, taldor::testing::PlungingJetRoad());
    taldor::ReportSource source = taldor::ReportSourceOf(window.wizard);
    source.observations = std::vector<std::string>{"Observations of the engineer."};
    const QString pdf = dir.filePath("report.pdf");
    Print("report: layout built and page rendered to PDF", Time(repeats, [&] {
              taldor::output::WriteReportPdf(taldor::BuildReportLayout(source), pdf);
          }));
    return 0;
}
