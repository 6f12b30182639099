// Mouse clicks delivered the way the platform delivers them: to the top-level window first, which
// then picks the widget under the pointer. (Qt Test's default sends a click straight to the
// widget.) The QTest mouse helpers have internal linkage, so this file's choice stays its own.
#define QTEST_QPA_MOUSE_HANDLING
#include <QTest>
#include <QWidget>

void PlatformClick(QWidget* widget, QPoint pos) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, pos);
}
