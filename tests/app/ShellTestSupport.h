#pragma once
// What every test of the shell's windows shares: Qt warnings fail the test, and no top-level
// window may outlive a test.

#include <QApplication>
#include <QEvent>
#include <QRegularExpression>
#include <QStringList>
#include <QTest>
#include <QWidget>

namespace taldor::test {

// Any Qt warning fails the test, except the offscreen platform's notices of what it lacks
// (size hints for a window manager, raising windows, grabbing the keyboard for a menu).
inline void FailOnWarnings() {
    QTest::failOnWarning(
        QRegularExpression(QStringLiteral("^(?!This plugin does not support ).*$")));
}

// Deletes what is waiting for deletion, then names every top-level widget still alive.
inline QStringList LeakedTopLevels() {
    for (int i = 0; i < 3; ++i) QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QStringList names;
    for (QWidget* widget : QApplication::topLevelWidgets())
        names << QStringLiteral("%1 \"%2\"")
                     .arg(QString::fromLatin1(widget->metaObject()->className()),
                          widget->objectName());
    return names;
}

}  // namespace taldor::test

#define TALDOR_VERIFY_NO_LEAK()                                                    \
    do {                                                                           \
        const QStringList leaked = taldor::test::LeakedTopLevels();                \
        QVERIFY2(leaked.isEmpty(), qPrintable(leaked.join(QStringLiteral(", ")))); \
    } while (false)
