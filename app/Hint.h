#pragma once
// Two-part hints: "Short|Long", the short part shown as the tooltip, the long part in the
// status bar while the pointer is over the item.

#include <QString>

class QAction;

namespace taldor::app {

// The text before "|", or the whole hint when it has none.
QString ShortHint(const QString& hint);
// The text after "|", or the whole hint when it has none.
QString LongHint(const QString& hint);
// Sets the tooltip and the status tip of an action (or of a menu's action) from a hint.
void ApplyHint(QAction* action, const QString& hint);

}  // namespace taldor::app
