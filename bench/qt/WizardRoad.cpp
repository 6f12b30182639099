#include "WizardRoad.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

namespace wizardroad {

QWidget* Find(QWidget* window, const QString& name) {
    auto* w = window->findChild<QWidget*>(name);
    if (!w) {
        std::fprintf(stderr, "no widget %s\n", qPrintable(name));
        std::abort();
    }
    return w;
}

void Click(QWidget* window, const QString& name) {
    QWidget* w = Find(window, name);
    // A radio button reacts to clicks on its indicator and caption, not on the rest of its row.
    const QPoint at =
        qobject_cast<QRadioButton*>(w) ? QPoint(8, w->height() / 2) : w->rect().center();
    QTest::mouseClick(w, Qt::LeftButton, {}, at);
}

void Type(QWidget* window, const QString& box, const QString& text) {
    QWidget* edit = Find(window, box);
    QTest::mouseClick(edit, Qt::LeftButton);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

void Answer(QWidget* window, const QString& group, int item) {
    Click(window, QString("%1Item%2").arg(group).arg(item));
    for (const char* name : {"btnContAfue01", "btnContAfue12", "btnContAfue23"}) {
        QWidget* button = Find(window, name);
        if (button->isVisible()) {
            QTest::mouseClick(button, Qt::LeftButton);
            return;
        }
    }
}

void Follow(QWidget* window, const Road& road) {
    Click(window, "btnN0");
    Answer(window, "rg0", road.phenomenon);
    Click(window, "btnN1");
    static const char* const obstacleGroups[] = {"rg00", "rg01", "rg02"};
    Answer(window, obstacleGroups[road.phenomenon], road.obstacle);
    for (const auto& [box, text] : road.structure) Type(window, box, text);
    Click(window, "btnN2");
    if (road.jet >= 0) Answer(window, "rg000", road.jet);
}

}  // namespace wizardroad
