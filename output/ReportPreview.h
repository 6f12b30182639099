#pragma once
// The "Report" command of the Results page: asks for observations, builds the one-page report
// from what the calculation window shows, and previews it for printing.

class QWidget;

namespace taldor {
class ProblemWizard;
}

namespace taldor::output {

void ShowReport(QWidget* parent, const taldor::ProblemWizard& wizard);

}  // namespace taldor::output
