#include "RangeSheets.h"

#include <QGuiApplication>
#include <QScreen>

#include "Modal.h"
#include "RangeSheet.h"

namespace taldor::reference {

void ShowRangeSheet(QWidget* parent, const QString& sheetClass) {
    const std::unique_ptr<RangeSheet> sheet = CreateRangeSheet(sheetClass, parent);
    if (!sheet) return;
    sheet->adjustSize();
    if (QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen()) {
        sheet->move(screen->availableGeometry().center() - sheet->rect().center());
    }
    taldor::ui::ExecDialog(sheet.get());
}

}  // namespace taldor::reference
