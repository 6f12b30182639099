// Renders the Results page, the chart, the observations dialog, the pickers, the range sheets
// (PNG) and the report (PDF) of a few cases into a folder, to look at them.
//
//   taldor-output-snapshots OUTDIR

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QPrintPreviewDialog>
#include <QTabWidget>

#include "CaseRoads.h"
#include "Classification.h"
#include "PickerDialog.h"
#include "RangeSheet.h"
#include "ReportLayout.h"
#include "ReportPainter.h"
#include "ResultsPageView.h"
#include "ScourChart.h"
#include "untObservaciones.h"
#include "untReporte.h"

namespace {

taldor::ResultsPage PageOf(const taldor::RecordedWindow& window) {
    const taldor::ProblemWizard& w = window.wizard;
    if (w.results()) return *w.results();
    const taldor::ProblemState& s = w.state();
    return taldor::BuildResultsPage(
        taldor::ComposeProblemCode(taldor::kLevelResults, s.ClasPlatSufi, s.ClasFeno, s.ClasObst,
                                   s.ClasChor),
        s, w.panel().slot);
}

void Save(QWidget& w, const QString& path) {
    w.show();
    QApplication::processEvents();
    w.grab().save(path);
    w.hide();
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString(argv[1]) : QString("snapshots");
    QDir().mkpath(out);

    for (const taldor::testing::CaseRoad& road : taldor::testing::AllRoads()) {
        taldor::RecordedWindow window;
        taldor::testing::Drive(window, road);
        const taldor::ResultsPage results = PageOf(window);
        const QString code = QString::number(results.code);

        QTabWidget tabs;
        auto* page = new taldor::output::ResultsPageView;
        tabs.addTab(page, "Results");
        auto* chart = new taldor::output::ScourChart;
        tabs.addTab(chart, "Graphic");
        tabs.resize(page->sizeHint() + QSize(8, 40));
        page->showResults(results);
        const char* title = taldor::ModelProblemName(results.code);
        page->setProblemTitle(title ? title : "");
        Save(tabs, out + "/results_" + code + ".png");

        for (int k = 0; k < 4; ++k) chart->showSeries(k, window.wizard.series(k));
        tabs.setCurrentIndex(1);
        tabs.resize(820, 520);
        Save(tabs, out + "/chart_" + code + ".png");

        taldor::ReportSource source = taldor::ReportSourceOf(window.wizard);
        if (!window.wizard.results()) source.results = results.rows;
        if (source.title.empty() && title) source.title = title;
        source.observations = std::vector<std::string>{
            "Observations typed by the engineer: the bed downstream of the structure was armoured",
            "with coarse gravel after the last flood.",
            "Line 3",
            "Line 4",
            "Line 5",
            "Line 6",
            "Line 7"};
        taldor::output::WriteReportPdf(taldor::BuildReportLayout(source),
                                       out + "/report_" + code + ".pdf");
        if (results.code == 1122) {
            taldor::output::TfrmReporte report(taldor::BuildReportLayout(source));
            QPrintPreviewDialog preview(&report.printer());
            report.connectPreview(preview);
            preview.resize(900, 1000);
            Save(preview, out + "/preview_" + code + ".png");
        }
    }

    taldor::output::TfrmObservaciones observations;
    Save(observations, out + "/observations.png");
    for (const taldor::PickerTable& t : taldor::PickerTables()) {
        auto dialog = taldor::reference::CreatePicker(t.box, nullptr);
        Save(*dialog, out + "/picker_" + t.className + ".png");
    }
    for (const taldor::RangeSheetTable& t : taldor::RangeSheetTables()) {
        auto sheet = taldor::reference::CreateRangeSheet(t.className, nullptr);
        Save(*sheet, out + "/sheet_" + t.className + ".png");
    }
    return 0;
}
