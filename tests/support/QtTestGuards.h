#pragma once
// Guards shared by the widget tests: a Qt warning fails the running test (the offscreen
// platform's notice that it cannot propagate size hints excepted), and no top-level widget may
// outlive a test.

#include <QApplication>
#include <QRegularExpression>
#include <QTest>

namespace taldor::testing {

inline void FailOnQtWarnings() {
    QTest::failOnWarning(
        QRegularExpression("^(?!This plugin does not support propagateSizeHints).*"));
}

inline bool TopLevelWidgetsLeft() { return !QApplication::topLevelWidgets().isEmpty(); }

}  // namespace taldor::testing
