#include "ReportPreview.h"

#include <QDialog>

#include "Modal.h"
#include "ProblemWizard.h"
#include "ReportLayout.h"
#include "untObservaciones.h"
#include "untReporte.h"

namespace taldor::output {

void ShowReport(QWidget* parent, const taldor::ProblemWizard& wizard) {
    taldor::ReportSource source = taldor::ReportSourceOf(wizard);
    {
        // Cancelling the observations does not cancel the report: it is printed without them.
        TfrmObservaciones observations(parent);
        if (taldor::ui::ExecDialog(&observations) == QDialog::Accepted && observations.modified()) {
            source.observations = observations.lines();
        }
    }
    TfrmReporte report(taldor::BuildReportLayout(source));
    report.preview(parent);
}

}  // namespace taldor::output
