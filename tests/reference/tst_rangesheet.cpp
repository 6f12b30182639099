// The validity-range sheets and the limiting-slopes sheet: caption, headings and cells of every
// sheet as the user reads them, and how a sheet closes.

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include "QtTestGuards.h"
#include "Modal.h"
#include "RangeSheet.h"
#include "RangeSheets.h"

using taldor::reference::RangeSheet;

namespace {

QString CellText(QDialog* sheet, int row, int column) {
    auto* label = sheet->findChild<QLabel*>(QString("lblCell%1_%2").arg(row).arg(column));
    return label ? label->text() : QString("<missing>");
}

QString Heading(QDialog* sheet, const QString& name) {
    auto* label = sheet->findChild<QLabel*>(name);
    return label ? label->text() : QString("<missing>");
}

}  // namespace

class TestRangeSheet : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { taldor::testing::FailOnQtWarnings(); }
    void cleanup() {
        QVERIFY2(!taldor::testing::TopLevelWidgetsLeft(), "a top-level widget leaked");
    }

    void sheetsCaptionsAndCells_data();
    void sheetsCaptionsAndCells();
    void limitingSlopes();
    void shownThroughTheSeamAndClosed();
    void unknownClassShowsNothing();
};

void TestRangeSheet::sheetsCaptionsAndCells_data() {
    QTest::addColumn<QString>("cls");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("range");
    QTest::addColumn<int>("rows");
    // Cells checked, as "row,column=text".
    QTest::addColumn<QStringList>("cells");

    QTest::newRow("PAGRaBe") << "TfrmRangPAGRaBe"
                             << "Rajaratnam & Berry formula"
                             << "Range" << 6
                             << QStringList{
                                    "0,0=Mean diameter (d50)", "0,1=[mm]",    "0,2=1.40/2.80",
                                    "0,3=0.82/2.80",           "3,3=1.28/12", "5,3=Submerged"};
    QTest::newRow("PAGRuff") << "TfrmRangPAGRuff"
                             << "Ruff formula"
                             << "Range" << 6
                             << QStringList{"4,2=3.11/830", "5,2=Non submerged",
                                            "5,3=Submerged and non submerged"};
    QTest::newRow("PAGBreu") << "TfrmRangPAGBreu"
                             << "Breusers formula"
                             << "Range" << 6
                             << QStringList{
                                    "0,2=0.82/2.8",      "0,3=", "2,2=1.28/12", "3,2=1.28/12.0",
                                    "5,2=Non submerged", "5,3="};
    QTest::newRow("PAGHoff") << "TfrmRangPAGHoff"
                             << "Hoffmans formula"
                             << "Range" << 6
                             << QStringList{"3,2=0.01/0.92", "3,3=0.16/830", "4,3=1.22/6.10"};
    QTest::newRow("PACQayo") << "TfrmRangPACQayo"
                             << "Qayoum formula"
                             << "Range" << 6
                             << QStringList{"2,0=Diff. head in/level out", "3,2=-", "3,3=-",
                                            "4,0=Specific discharge", "4,2=0.008/0.024"};
    QTest::newRow("PACAlBa") << "TfrmRangPACAlBa"
                             << "Altinbilek & Basmaci formula"
                             << "Range" << 6
                             << QStringList{"0,2=1.3/6.5", "2,2=-", "4,3=0.002/0.065"};
    QTest::newRow("PACBreu") << "TfrmRangPACBreu"
                             << "Breusers formula"
                             << "Range" << 6
                             << QStringList{"0,2=", "0,3=0.43/9.7", "5,2=", "5,3=Submerged"};
    QTest::newRow("PACHoff") << "TfrmRangPACHoff"
                             << "Hoffmans formula"
                             << "Rango" << 6
                             << QStringList{"0,2=0.43/9.7",
                                            "0,3=", "5,2=Submerged and non submerged"};
    QTest::newRow("PEnBoJu") << "TfrmRangPEnBoJu"
                             << "Bornmann & Julien formula"
                             << "Range" << 7
                             << QStringList{"5,0=Angle jet/free surface", "5,1=[º]", "5,2=0.1/1.0",
                                            "6,2=Slides on step", "6,3="};
    QTest::newRow("PCZBoJu") << "TfrmRangPCZBoJu"
                             << "Bornmann & Julien formula"
                             << "Range" << 7
                             << QStringList{"1,3=0.01/42", "2,3=0.01/225",
                                            "6,3=Impacts on surface"};
    QTest::newRow("PCZFahl") << "TfrmRangPCZFahl"
                             << "Fahlbusch formula"
                             << "Range" << 7
                             << QStringList{"1,0=Downstreadm depth", "4,0=Specific dishcarge",
                                            "6,2=Impacts on the surface", "6,3="};
}

void TestRangeSheet::sheetsCaptionsAndCells() {
    QFETCH(QString, cls);
    QFETCH(QString, caption);
    QFETCH(QString, range);
    QFETCH(int, rows);
    QFETCH(QStringList, cells);

    const std::unique_ptr<RangeSheet> sheet = taldor::reference::CreateRangeSheet(cls, nullptr);
    QVERIFY(sheet);
    QCOMPARE(QString(sheet->metaObject()->className()).section("::", -1), cls);
    QCOMPARE(sheet->windowTitle(), caption);
    QCOMPARE(Heading(sheet.get(), "lblHead0"), QString("Parameter"));
    QCOMPARE(Heading(sheet.get(), "lblHead1"), QString("Units"));
    QCOMPARE(Heading(sheet.get(), "lblRango"), range);
    QCOMPARE(Heading(sheet.get(), "lblHead2"), QString("Calibration"));
    QCOMPARE(Heading(sheet.get(), "lblHead3"), QString("Validation"));
    QVERIFY(sheet->findChild<QLabel*>("lblHead2")->font().bold());
    QVERIFY(sheet->findChild<QLabel*>(QString("lblCell%1_0").arg(rows - 1)));
    QVERIFY(!sheet->findChild<QLabel*>(QString("lblCell%1_0").arg(rows)));
    for (const QString& cell : cells) {
        const int row = cell.section(',', 0, 0).toInt();
        const int column = cell.section(',', 1).section('=', 0, 0).toInt();
        QCOMPARE(CellText(sheet.get(), row, column), cell.section('=', 1));
    }
    auto* ok = sheet->findChild<QPushButton*>("BitBtn1");
    QVERIFY(ok);
    QCOMPARE(ok->text(), QString("OK"));
}

void TestRangeSheet::limitingSlopes() {
    const std::unique_ptr<RangeSheet> sheet =
        taldor::reference::CreateRangeSheet("TfrmPdteCritPVC", nullptr);
    QVERIFY(sheet);
    QCOMPARE(sheet->windowTitle(), QString("Limiting slopes for mechanical stability"));
    const QStringList headings = {"Density", "Angle of internal friction",
                                  "Angle of critical slope", "Phenomenon"};
    for (int c = 0; c < 4; ++c) {
        QCOMPARE(Heading(sheet.get(), QString("lblHead%1").arg(c)), headings[c]);
        QVERIFY(sheet->findChild<QLabel*>(QString("lblHead%1").arg(c))->font().bold());
    }
    QVERIFY(!sheet->findChild<QLabel*>("lblRango"));
    const QStringList rows[] = {{"Very loose", "30° (1V:1,7H)", "24° (1V:2,25H)", "Flow slide"},
                                {"Loose", "33° (1V:1,5H)", "27° (1V:2,00H)", "Flow slide"},
                                {"Dense", "37° (1V:1,3H)", "30° (1V:1,75H)", "Shear failure"},
                                {"Very dense", "40° (1V:1,2H)", "34° (1V:1,50H)", "Shear failure"}};
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) QCOMPARE(CellText(sheet.get(), r, c), rows[r][c]);
    }
    QVERIFY(sheet->findChild<QPushButton*>("BitBtn1"));
}

void TestRangeSheet::shownThroughTheSeamAndClosed() {
    for (const char* how : {"ok", "closebox"}) {
        taldor::ui::RecordingModalHandler modal;
        QString caption;
        bool closed = false;
        modal.onDialog = [&](QDialog* dialog) -> int {
            caption = dialog->windowTitle();
            dialog->show();
            if (QString(how) == "ok") {
                QTest::mouseClick(dialog->findChild<QPushButton*>("BitBtn1"), Qt::LeftButton);
            } else {
                dialog->close();
            }
            closed = !dialog->isVisible();
            return dialog->result();
        };
        taldor::reference::ShowRangeSheet(nullptr, "TfrmRangPCZFahl");
        QCOMPARE(modal.dialogsShown, 1);
        QCOMPARE(caption, QString("Fahlbusch formula"));
        QVERIFY(closed);
    }
}

void TestRangeSheet::unknownClassShowsNothing() {
    taldor::ui::RecordingModalHandler modal;
    taldor::reference::ShowRangeSheet(nullptr, "TfrmRangPXXNone");
    QCOMPARE(modal.dialogsShown, 0);
}

QTEST_MAIN(TestRangeSheet)
#include "tst_rangesheet.moc"
