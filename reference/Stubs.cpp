// Placeholder implementations until the pickers and the sheets are built.
#include "Pickers.h"
#include "RangeSheets.h"

namespace taldor::reference {

std::optional<QString> RunPicker(QWidget*, taldor::Box) { return std::nullopt; }
void ShowRangeSheet(QWidget*, const QString&) {}

}  // namespace taldor::reference
