// Placeholder until the calculation window is built.
#include "untProbTipo.h"

TfrmProbTipo::TfrmProbTipo(taldor::ui::FrameServices*, QWidget* parent) : QWidget(parent) {
    setObjectName("frmProbTipo");
    setWindowTitle("Calculation for a specific problem");
}

TfrmProbTipo::~TfrmProbTipo() = default;

QList<QMenu*> TfrmProbTipo::ownMenus() const { return {}; }
