#include "Pickers.h"

#include <QGuiApplication>
#include <QScreen>

#include "Modal.h"
#include "PickerDialog.h"

namespace taldor::reference {

std::optional<QString> RunPicker(QWidget* parent, taldor::Box box) {
    const std::unique_ptr<PickerDialog> dialog = CreatePicker(box, parent);
    if (!dialog) return std::nullopt;
    dialog->adjustSize();
    if (QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen()) {
        dialog->move(screen->availableGeometry().center() - dialog->rect().center());
    }
    if (taldor::ui::ExecDialog(dialog.get()) != QDialog::Accepted) return std::nullopt;
    return dialog->ValorElegido();
}

}  // namespace taldor::reference
