// The correction-factor pickers, driven as a user would through RunPicker and the modal seam:
// the dialog that opens for each box, its table, the text a chosen row returns, OK without a
// choice, Cancel and the close box.

#include <QApplication>
#include <QButtonGroup>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>

#include "QtTestGuards.h"
#include "Modal.h"
#include "PickerDialog.h"
#include "Pickers.h"

using taldor::Box;
using taldor::reference::PickerDialog;

Q_DECLARE_METATYPE(taldor::Box)

namespace {

// The radio button of a choice: rb<n> in TfrmHiGrup, item <i> of the dialog's group elsewhere.
QRadioButton* ChoiceButton(PickerDialog* dialog, int index) {
    if (dialog->table().buttonsAreValues) {
        return dialog->findChild<QRadioButton*>(QString("rb%1").arg(index + 1));
    }
    auto* group = dialog->findChild<QButtonGroup*>(dialog->table().groupName);
    return group ? qobject_cast<QRadioButton*>(group->button(index)) : nullptr;
}

QPushButton* OkButton(PickerDialog* dialog) {
    return dialog->findChild<QPushButton*>(dialog->table().okName);
}

// Visible texts of the dialog's labels and buttons.
QStringList Texts(QDialog* dialog) {
    QStringList texts;
    for (QLabel* l : dialog->findChildren<QLabel*>()) texts << l->text();
    for (QRadioButton* b : dialog->findChildren<QRadioButton*>()) {
        if (!b->text().isEmpty()) texts << b->text();
    }
    return texts;
}

}  // namespace

class TestPickerDialog : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { taldor::testing::FailOnQtWarnings(); }
    void cleanup() {
        QVERIFY2(!taldor::testing::TopLevelWidgetsLeft(), "a top-level widget leaked");
    }

    void chosenRowIsReturned_data();
    void chosenRowIsReturned();
    void okWithoutARowReturnsTheEmptyText();
    void cancelAndCloseBoxReturnNothing();
    void dialogsShowTheirTables_data();
    void dialogsShowTheirTables();
    void groupFactorButtonsFormOneGroup();
    void boxWithoutAPickerOpensNothing();
};

void TestPickerDialog::chosenRowIsReturned_data() {
    QTest::addColumn<Box>("box");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("okName");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("returned");

    auto row = [](const char* name, Box box, const char* cls, const char* ok, int index,
                  const char* returned) {
        QTest::newRow(name) << box << QString(cls) << QString(ok) << index << QString(returned);
    };
    row("curvature: straight channel", Box::EstrFactCurv, "TfrmAhmaCICC", "bbtnOk", 0, "1.00");
    row("curvature: convex side", Box::EstrFactCurv, "TfrmAhmaCICC", "bbtnOk", 2, "0.85");
    row("curvature: concave, sharp bend", Box::EstrFactCurv, "TfrmAhmaCICC", "bbtnOk", 3, "1.40");
    row("porosity 20%", Box::EstrFactPoro, "TfrmAhmaCIPO", "bbtnOk", 0, "1");
    row("porosity 50% (IV:3.5H)", Box::EstrFactPoro, "TfrmAhmaCIPO", "bbtnOk", 2, "0.6");
    row("attack 30", Box::EstrFactAngu, "TfrmAhmaCIAA", "bbtnOk", 0, "0.8");
    row("attack 90", Box::EstrFactAngu, "TfrmAhmaCIAA", "bbtnOk", 3, "1");
    row("attack 150", Box::EstrFactAngu, "TfrmAhmaCIAA", "bbtnOk", 5, "1.1");
    row("repose: coarse sand, compact", Box::SediAnguRepo, "TfrmAnguRepo", "bbtnOk", 0, "45");
    row("repose: fine sand, firm", Box::SediAnguRepo, "TfrmAnguRepo", "bbtnOk", 7, "29");
    row("repose: clay, soft", Box::SediAnguRepo, "TfrmAnguRepo", "bbtnOk", 10, "10");
    row("group: side by side 1b front", Box::EstrFactGrup, "TfrmHiGrup", "bbtnOk", 0, "1.00");
    row("group: side by side > 15b rear", Box::EstrFactGrup, "TfrmHiGrup", "bbtnOk", 11, "0.80");
    row("group: diagonal 5b rear", Box::EstrFactGrup, "TfrmHiGrup", "bbtnOk", 13, "1.20");
    row("group: in line 2 a 3b front", Box::EstrFactGrup, "TfrmHiGrup", "bbtnOk", 7, "1.20");
    row("Ks lenticular", Box::EstrFactFormKs, "TfrmCIFOks", "bbtnOk", 0, "0.75");
    row("Ks elliptic", Box::EstrFactFormKs, "TfrmCIFOks", "bbtnOk", 1, "0.7");
    row("Ks sharp nose", Box::EstrFactFormKs, "TfrmCIFOks", "bbtnOk", 7, "0.7");
    row("Ks inverted pyramid", Box::EstrFactFormKs, "TfrmCIFOks", "bbtnOk", 9, "1.2");
    row("Kb circular pier", Box::EstrFactFormKb, "TfrmCIFOkb", "bbtnOK", 0, "1.5");
    row("Kb SCE2", Box::EstrFactFormKb, "TfrmCIFOkb", "bbtnOK", 3, "2.25");
    row("Kb triangular", Box::EstrFactFormKb, "TfrmCIFOkb", "bbtnOK", 13, "1");
    row("Kl aerodynamic", Box::EstrFactFormKl, "TfrmCIFOkl", "bbtnOK", 0, "1.10");
    row("Kl blunt", Box::EstrFactFormKl, "TfrmCIFOkl", "bbtnOK", 1, "2.15");
}

void TestPickerDialog::chosenRowIsReturned() {
    QFETCH(Box, box);
    QFETCH(QString, className);
    QFETCH(QString, okName);
    QFETCH(int, index);
    QFETCH(QString, returned);

    taldor::ui::RecordingModalHandler modal;
    QString seenClass;
    modal.onDialog = [&](QDialog* dialog) -> int {
        seenClass = QString(dialog->metaObject()->className()).section("::", -1);
        auto* picker = qobject_cast<PickerDialog*>(dialog);
        if (!picker) return QDialog::Rejected;
        dialog->show();
        // A new dialog has no row chosen.
        if (picker->itemIndex() != -1) return QDialog::Rejected;
        QRadioButton* button = ChoiceButton(picker, index);
        if (!button) return QDialog::Rejected;
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
        auto* ok = dialog->findChild<QPushButton*>(okName);
        if (!ok) return QDialog::Rejected;
        QTest::mouseClick(ok, Qt::LeftButton);
        return dialog->result();
    };
    const std::optional<QString> got = taldor::reference::RunPicker(nullptr, box);
    QCOMPARE(modal.dialogsShown, 1);
    QCOMPARE(seenClass, className);
    QVERIFY(got.has_value());
    QCOMPARE(*got, returned);
}

void TestPickerDialog::okWithoutARowReturnsTheEmptyText() {
    for (const taldor::PickerTable& t : taldor::PickerTables()) {
        taldor::ui::RecordingModalHandler modal;
        modal.onDialog = [](QDialog* dialog) -> int {
            auto* picker = qobject_cast<PickerDialog*>(dialog);
            QTest::mouseClick(OkButton(picker), Qt::LeftButton);
            return dialog->result();
        };
        const std::optional<QString> got = taldor::reference::RunPicker(nullptr, t.box);
        QVERIFY2(got.has_value(), t.className);
        QVERIFY2(got->isEmpty(), t.className);
    }
}

void TestPickerDialog::cancelAndCloseBoxReturnNothing() {
    for (const char* how : {"cancel", "closebox"}) {
        taldor::ui::RecordingModalHandler modal;
        modal.onDialog = [how](QDialog* dialog) -> int {
            auto* picker = qobject_cast<PickerDialog*>(dialog);
            dialog->show();
            QTest::mouseClick(ChoiceButton(picker, 1), Qt::LeftButton);
            if (QString(how) == "cancel") {
                QTest::mouseClick(dialog->findChild<QPushButton*>("bbtnCanc"), Qt::LeftButton);
            } else {
                dialog->close();
            }
            return dialog->result();
        };
        QVERIFY(!taldor::reference::RunPicker(nullptr, Box::SediAnguRepo).has_value());
        QCOMPARE(modal.dialogsShown, 1);
    }
}

void TestPickerDialog::dialogsShowTheirTables_data() {
    QTest::addColumn<Box>("box");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("texts");  // among the texts the dialog shows

    QTest::newRow("TfrmAhmaCICC") << Box::EstrFactCurv << "Correction for curvature"
                                  << QStringList{"Position of structure in bend",
                                                 "Kp",
                                                 "Downstream part of concave side",
                                                 "Sharp bend",
                                                 "Moderate bend",
                                                 "0.85"};
    QTest::newRow("TfrmAhmaCIPO") << Box::EstrFactPoro << "Correction for porosity"
                                  << QStringList{"Porosity", "Knu", "20%", "1.0", "50% (IV:3.5H)"};
    QTest::newRow("TfrmAhmaCIAA") << Box::EstrFactAngu << "Correction for attack"
                                  << QStringList{"Angle of attack (°)", "Ka", "150", "1.10",
                                                 "0.80"};
    QTest::newRow("TfrmAnguRepo") << Box::SediAnguRepo << "Angle of repose"
                                  << QStringList{"Material",  "Compactation",
                                                 "Angle (°)", "Fine sand, silty sand, sandy silt",
                                                 "28/30",     "Clay (saturated)",
                                                 "0/20"};
    QTest::newRow("TfrmHiGrup") << Box::EstrFactGrup << "Correction for group of two vertical piles"
                                << QStringList{"Distribution",  "Pier spacing", "Front pier Kgr",
                                               "Rear pier Kgr", "2 a 3b",       "> 15b",
                                               "> 8b",          "1.90"};
    QTest::newRow("TfrmCIFOks") << Box::EstrFactFormKs << "Correction for cross-section form"
                                << QStringList{"Direction",   "Cross-section form",
                                               "Ks",          "Horizontal",
                                               "Vertical",    "06 / 0.8",
                                               "0.65 / 0.76", "Pyramid-lime (narrowing upwards)"};
    QTest::newRow("TfrmCIFOkb")
        << Box::EstrFactFormKb << "Correction for structure form"
        << QStringList{"Type of structure",         "Code", "b/l",    "Angle",   "Kb",
                       "Estribo de pared vertical", "VWS2", "35-45º", "1.5H:1V", "2.25"};
    QTest::newRow("TfrmCIFOkl") << Box::EstrFactFormKl << "Form correction"
                                << QStringList{"Structure form", "Kl", "Aerodynamic", "Blunt",
                                               "2.15"};
}

void TestPickerDialog::dialogsShowTheirTables() {
    QFETCH(Box, box);
    QFETCH(QString, caption);
    QFETCH(QStringList, texts);
    const std::unique_ptr<PickerDialog> dialog = taldor::reference::CreatePicker(box, nullptr);
    QVERIFY(dialog);
    QCOMPARE(dialog->windowTitle(), caption);
    const QStringList shown = Texts(dialog.get());
    for (const QString& t : texts) QVERIFY2(shown.contains(t), qPrintable(t));
    QCOMPARE(OkButton(dialog.get())->text(), QString("OK"));
    QCOMPARE(dialog->findChild<QPushButton*>("bbtnCanc")->text(), QString("Cancel"));
    QVERIFY(!(dialog->windowFlags() & Qt::WindowMinimizeButtonHint));
    // One button per choice, none checked.
    const QList<QRadioButton*> buttons = dialog->findChildren<QRadioButton*>();
    QCOMPARE(buttons.size(), taldor::ChoiceCount(dialog->table()));
    for (QRadioButton* b : buttons) QVERIFY(!b->isChecked());
    QCOMPARE(dialog->ValorElegido(), QString());
}

void TestPickerDialog::groupFactorButtonsFormOneGroup() {
    taldor::reference::TfrmHiGrup dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QStringList captions;
    for (int i = 1; i <= 18; ++i) {
        auto* b = dialog.findChild<QRadioButton*>(QString("rb%1").arg(i));
        QVERIFY(b);
        captions << b->text();
    }
    QCOMPARE(captions,
             (QStringList{"1.00", "1.15", "1.00", "1.90", "1.15", "1.00", "1.90", "1.20", "1.00",
                          "0.90", "0.90", "0.80", "1.90", "1.20", "1.00", "1.90", "1.20", "1.00"}));
    auto* rb2 = dialog.findChild<QRadioButton*>("rb2");
    auto* rb12 = dialog.findChild<QRadioButton*>("rb12");
    QTest::mouseClick(rb2, Qt::LeftButton, {}, QPoint(6, rb2->height() / 2));
    QVERIFY(rb2->isChecked());
    QCOMPARE(dialog.ValorElegido(), QString("1.15"));
    // Across the two columns only one button is selected at a time.
    QTest::mouseClick(rb12, Qt::LeftButton, {}, QPoint(6, rb12->height() / 2));
    QVERIFY(rb12->isChecked());
    QVERIFY(!rb2->isChecked());
    QCOMPARE(dialog.ValorElegido(), QString("0.80"));
    // Both columns stand side by side, a row's front and rear buttons on one line.
    QCOMPARE(dialog.findChild<QRadioButton*>("rb3")->y(), rb12->y());
    QVERIFY(dialog.findChild<QRadioButton*>("rb3")->x() < rb12->x());
    dialog.close();
}

void TestPickerDialog::boxWithoutAPickerOpensNothing() {
    taldor::ui::RecordingModalHandler modal;
    QVERIFY(!taldor::reference::RunPicker(nullptr, Box::AguaDens).has_value());
    QCOMPARE(modal.dialogsShown, 0);
}

QTEST_MAIN(TestPickerDialog)
#include "tst_pickerdialog.moc"
