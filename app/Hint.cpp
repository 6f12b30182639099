#include "Hint.h"

#include <QAction>

namespace taldor::app {

QString ShortHint(const QString& hint) {
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.left(bar);
}

QString LongHint(const QString& hint) {
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.mid(bar + 1);
}

void ApplyHint(QAction* action, const QString& hint) {
    action->setToolTip(ShortHint(hint));
    action->setStatusTip(LongHint(hint));
}

}  // namespace taldor::app
