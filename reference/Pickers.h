#pragma once
// The correction-factor pickers: modal dialogs that show a published table and return the value
// of the row the user chooses.

#include <QString>
#include <optional>

#include "InputBoxes.h"

class QWidget;

namespace taldor::reference {

// Opens the picker that fills `box` (owned by `parent`, shown modally through the modal seam).
// Returns the chosen value's text when the dialog was closed with OK (the empty text when no row
// was chosen), nothing when it was cancelled or closed.
std::optional<QString> RunPicker(QWidget* parent, taldor::Box box);

}  // namespace taldor::reference
