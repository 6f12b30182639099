#pragma once
// The validity-range sheets of the formulae and the sheet of limiting slopes.

#include <QString>

class QWidget;

namespace taldor::reference {

// Shows the sheet of that class ("TfrmRangPACQayo", ..., "TfrmPdteCritPVC") modally through
// the modal seam.
void ShowRangeSheet(QWidget* parent, const QString& sheetClass);

}  // namespace taldor::reference
