// Placeholder implementations until the Results page, the chart and the report are built.
#include "ReportPreview.h"
#include "ResultsPageView.h"
#include "ScourChart.h"

namespace taldor::output {

ResultsPageView::ResultsPageView(QWidget* parent) : QWidget(parent) {}
void ResultsPageView::showResults(const taldor::ResultsPage&) {}
void ResultsPageView::setProblemTitle(const QString&) {}

ScourChart::ScourChart(QWidget* parent) : QWidget(parent) { setObjectName("chrtGrafico"); }
void ScourChart::showSeries(int, const taldor::SeriesState&) {}

void ShowReport(QWidget*, const taldor::ProblemWizard&) {}

}  // namespace taldor::output
