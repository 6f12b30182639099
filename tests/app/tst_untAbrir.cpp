// The open-problem dialog: its empty grid, its buttons and boxes, and "All", which inverts the
// enabled state of the seven problem boxes without touching their ticks.

#include <QAbstractItemModel>
#include <QCheckBox>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTableView>
#include <QtTest>

#include "ShellTestSupport.h"
#include "untAbrir.h"

namespace {

const char* const kProblemBoxes[] = {"cbPVC", "cbPEs", "cbPPi", "cbPEn", "cbPCZ", "cbPAC", "cbPAG"};

struct BoxState {
    bool ticked;
    bool enabled;
};

QList<BoxState> States(const TfrmAbrir& dialog) {
    QList<BoxState> states;
    for (const char* name : kProblemBoxes) {
        auto* box = dialog.findChild<QCheckBox*>(QString::fromLatin1(name));
        states << BoxState{box->isChecked(), box->isEnabled()};
    }
    return states;
}

// A click where the user clicks a check box: on its square.
void Click(TfrmAbrir& dialog, const char* name) {
    auto* box = dialog.findChild<QCheckBox*>(QString::fromLatin1(name));
    QStyleOptionButton option;
    option.initFrom(box);
    const QRect square = box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box);
    QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, square.center());
}

}  // namespace

class TestOpenDialog : public QObject {
    Q_OBJECT
private slots:
    void init() { taldor::test::FailOnWarnings(); }
    void cleanup() { TALDOR_VERIFY_NO_LEAK(); }

    void contents() {
        TfrmAbrir dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("frmAbrir"));
        QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
        auto* grid = dialog.findChild<QTableView*>(QStringLiteral("DBGrid1"));
        QVERIFY(grid && grid->isVisible());
        QVERIFY(!grid->model() || grid->model()->rowCount() == 0);

        // Right of the grid, top to bottom: the two buttons, then the boxes.
        const QStringList names = {"btnAbrir", "btnCancelar", "cbPVC", "cbPEs", "cbPPi",
                                   "cbPEn",    "cbPCZ",       "cbPAC", "cbPAG", "cbTodos"};
        const QStringList captions = {"Abrir", "Cancelar", "PCV", "PDA", "PBP",
                                      "PSt",   "PPJ",      "PWC", "PNC", "All"};
        int previousTop = -1;
        for (int i = 0; i < names.size(); ++i) {
            auto* button = dialog.findChild<QAbstractButton*>(names[i]);
            QVERIFY2(button, qPrintable(names[i]));
            QCOMPARE(button->text(), captions[i]);
            QVERIFY(button->isVisible());
            QVERIFY(button->x() > grid->geometry().right());
            QVERIFY(button->y() > previousTop);
            previousTop = button->y();
            if (auto* box = qobject_cast<QCheckBox*>(button)) {
                QVERIFY(!box->isChecked());
                QVERIFY(box->isEnabled());
            }
        }
    }

    // A sequence of clicks: two boxes ticked, "All" ticked (the seven greyed, their ticks kept),
    // a click on a greyed box (nothing), "All" unticked (enabled again, ticks kept).
    void allInvertsTheEnabledStateOnly() {
        TfrmAbrir dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        Click(dialog, "cbPVC");
        Click(dialog, "cbPAC");
        const QList<bool> ticks = {true, false, false, false, false, true, false};

        Click(dialog, "cbTodos");
        QVERIFY(dialog.findChild<QCheckBox*>(QStringLiteral("cbTodos"))->isChecked());
        QList<BoxState> states = States(dialog);
        for (int i = 0; i < states.size(); ++i) {
            QCOMPARE(states[i].ticked, ticks[i]);
            QVERIFY(!states[i].enabled);
        }

        Click(dialog, "cbPEs");
        QVERIFY(!dialog.findChild<QCheckBox*>(QStringLiteral("cbPEs"))->isChecked());

        Click(dialog, "cbTodos");
        QVERIFY(!dialog.findChild<QCheckBox*>(QStringLiteral("cbTodos"))->isChecked());
        states = States(dialog);
        for (int i = 0; i < states.size(); ++i) {
            QCOMPARE(states[i].ticked, ticks[i]);
            QVERIFY(states[i].enabled);
        }
    }

    // A change of the tick by the keyboard counts as well.
    void spaceOnAllInvertsToo() {
        TfrmAbrir dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto* all = dialog.findChild<QCheckBox*>(QStringLiteral("cbTodos"));
        all->setFocus();
        QTest::keyClick(all, Qt::Key_Space);
        for (const BoxState& state : States(dialog)) QVERIFY(!state.enabled);
    }

    // "Abrir" and "Cancelar" do nothing: the dialog stays open.
    void buttonsHaveNoAction_data() {
        QTest::addColumn<QString>("button");
        QTest::newRow("Abrir") << "btnAbrir";
        QTest::newRow("Cancelar") << "btnCancelar";
    }
    void buttonsHaveNoAction() {
        QFETCH(QString, button);
        TfrmAbrir dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTest::mouseClick(dialog.findChild<QPushButton*>(button), Qt::LeftButton);
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.result(), 0);
    }
};

QTEST_MAIN(TestOpenDialog)
#include "tst_untAbrir.moc"
