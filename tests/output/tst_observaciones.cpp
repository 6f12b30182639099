// The observations dialog: its look, and which outcome each way of closing it gives.

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include "QtTestGuards.h"
#include "untObservaciones.h"

using taldor::output::TfrmObservaciones;

class TestObservaciones : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { taldor::testing::FailOnQtWarnings(); }
    void cleanup() {
        QVERIFY2(!taldor::testing::TopLevelWidgetsLeft(), "a top-level widget leaked");
    }

    void look();
    void outcomes_data();
    void outcomes();
    void realModalRunClosedWithOk();
};

void TestObservaciones::look() {
    TfrmObservaciones dialog;
    QCOMPARE(dialog.windowTitle(), QString("Write Observations"));
    QCOMPARE(dialog.size(), QSize(308, 195));
    QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
    const Qt::WindowFlags flags = dialog.windowFlags();
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    auto* text = dialog.findChild<QPlainTextEdit*>("mmObservaciones");
    QVERIFY(text);
    QVERIFY(text->toPlainText().isEmpty());
    auto* ok = dialog.findChild<QPushButton*>("bbtnOk");
    auto* cancel = dialog.findChild<QPushButton*>("bbtnCanc");
    QCOMPARE(ok->text(), QString("OK"));
    QCOMPARE(cancel->text(), QString("Cancel"));
    // The buttons stand below the text box, inside the dialog.
    QVERIFY(ok->y() > text->geometry().bottom());
    QVERIFY(dialog.rect().contains(ok->geometry()));
    QVERIFY(dialog.rect().contains(cancel->geometry()));
}

void TestObservaciones::outcomes_data() {
    QTest::addColumn<QString>("typed");  // keys typed; "\b" is a backspace, "\n" Return
    QTest::addColumn<QString>("close");  // ok, cancel, closebox
    QTest::addColumn<int>("result");
    QTest::addColumn<bool>("modified");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("typed, OK") << "Gravel bar upstream"
                               << "ok" << int(QDialog::Accepted) << true
                               << QStringList{"Gravel bar upstream"};
    QTest::newRow("two lines, OK")
        << "First line\nSecond line"
        << "ok" << int(QDialog::Accepted) << true << QStringList{"First line", "Second line"};
    QTest::newRow("nothing typed, OK") << ""
                                       << "ok" << int(QDialog::Accepted) << false << QStringList{};
    QTest::newRow("typed and deleted, OK")
        << "ab\b\b"
        << "ok" << int(QDialog::Accepted) << true << QStringList{};
    QTest::newRow("typed, Cancel")
        << "abc"
        << "cancel" << int(QDialog::Rejected) << true << QStringList{"abc"};
    QTest::newRow("typed, close box")
        << "abc"
        << "closebox" << int(QDialog::Rejected) << true << QStringList{"abc"};
}

void TestObservaciones::outcomes() {
    QFETCH(QString, typed);
    QFETCH(QString, close);
    QFETCH(int, result);
    QFETCH(bool, modified);
    QFETCH(QStringList, lines);

    TfrmObservaciones dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto* text = dialog.findChild<QPlainTextEdit*>("mmObservaciones");
    QTest::mouseClick(text->viewport(), Qt::LeftButton);
    for (QChar c : typed) {
        if (c == '\b') {
            QTest::keyClick(text, Qt::Key_Backspace);
        } else if (c == '\n') {
            QTest::keyClick(text, Qt::Key_Return);
        } else {
            QTest::keyClicks(text, QString(c));
        }
    }
    if (close == "ok") {
        QTest::mouseClick(dialog.findChild<QPushButton*>("bbtnOk"), Qt::LeftButton);
    } else if (close == "cancel") {
        QTest::mouseClick(dialog.findChild<QPushButton*>("bbtnCanc"), Qt::LeftButton);
    } else {
        dialog.close();
    }
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), result);
    QCOMPARE(dialog.modified(), modified);
    QStringList got;
    for (const std::string& line : dialog.lines()) got << QString::fromStdString(line);
    QCOMPARE(got, lines);
}

void TestObservaciones::realModalRunClosedWithOk() {
    TfrmObservaciones dialog;
    bool clicked = false;
    QTimer::singleShot(0, &dialog, [&] {
        auto* text = dialog.findChild<QPlainTextEdit*>("mmObservaciones");
        QTest::keyClicks(text, "Scour hole inspected");
        QTest::mouseClick(dialog.findChild<QPushButton*>("bbtnOk"), Qt::LeftButton);
        clicked = true;
    });
    // A dialog that does not close fails the test instead of hanging it.
    QTimer::singleShot(5000, &dialog, [&] { dialog.done(-1); });
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    QVERIFY(clicked);
    QCOMPARE(dialog.lines(), std::vector<std::string>{"Scour hole inspected"});
}

QTEST_MAIN(TestObservaciones)
#include "tst_observaciones.moc"
