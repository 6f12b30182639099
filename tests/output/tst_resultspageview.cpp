// The Results page as the user sees it after a calculation: which rows, their captions, value
// texts and units, where they stand, and the page's buttons.
//
// The numbers of the step and the plunging jet come from tests/output/reference/jet_cases.py,
// which works the published formulae independently of the C++ code.

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include "QtTestGuards.h"
#include "CaseRoads.h"
#include "Classification.h"
#include "PageRows.h"
#include "ResultsPageView.h"
#include "ResultsRows.h"

using taldor::Box;
using taldor::output::ResultsPageView;

namespace {

// One row as the user reads it: caption, value text and unit.
struct SeenRow {
    QString stem, caption, value, unit;
};

QList<SeenRow> SeenRows(const ResultsPageView& page, const QStringList& stems) {
    QList<SeenRow> rows;
    for (const QString& stem : stems) {
        auto* label = page.findChild<QLabel*>("lbl" + stem);
        auto* edit = page.findChild<QLineEdit*>("edt" + stem);
        auto* unit = page.findChild<QLabel*>("lbl" + stem + "Unid");
        if (!label || !edit || !unit) {
            rows.append({stem, "<missing>", "<missing>", "<missing>"});
            continue;
        }
        rows.append({stem, label->text(), edit->text(), unit->text()});
    }
    return rows;
}

// The stems of the visible rows, top to bottom.
QStringList VisibleStems(const ResultsPageView& page) {
    QList<QLineEdit*> edits = page.findChildren<QLineEdit*>();
    std::sort(edits.begin(), edits.end(),
              [](QLineEdit* a, QLineEdit* b) { return a->y() < b->y(); });
    QStringList stems;
    for (QLineEdit* e : edits) {
        if (e->isVisibleTo(&page)) stems << e->objectName().mid(3);
    }
    return stems;
}

const QStringList kCommon = {"OutpParaMoviCrit", "OutpParaMovi", "CondTran", "OutpVeloCritEros"};

taldor::ResultsPage PageOf(const taldor::RecordedWindow& window) {
    const taldor::ProblemWizard& w = window.wizard;
    if (w.results()) return *w.results();
    // The model problem's routine does not exist yet: the rows as the page would show them from
    // what the calculation did compute.
    const taldor::ProblemState& s = w.state();
    return taldor::BuildResultsPage(
        taldor::ComposeProblemCode(taldor::kLevelResults, s.ClasPlatSufi, s.ClasFeno, s.ClasObst,
                                   s.ClasChor),
        s, w.panel().slot);
}

}  // namespace

class TestResultsPageView : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { taldor::testing::FailOnQtWarnings(); }
    void cleanup() {
        QLocale::setDefault(QLocale::c());
        QVERIFY2(!taldor::testing::TopLevelWidgetsLeft(), "a top-level widget leaked");
    }

    void jetProblemsAfterARealCalculation_data();
    void jetProblemsAfterARealCalculation();
    void everyCodeShowsItsRowsInOrder_data();
    void everyCodeShowsItsRowsInOrder();
    void rulesOfTheValueTexts_data();
    void rulesOfTheValueTexts();
    void rowsStandOnTheRowRule();
    void titleFrameFitsAroundTheTitle();
    void buttonsPerCodeAndTheirSignals();
    void refilledFromScratchAtEveryShowing();
};

void TestResultsPageView::jetProblemsAfterARealCalculation_data() {
    QTest::addColumn<int>("road");  // 0 plunging jet, 1 step, 2 jet by roughness height, 3 low flow
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QStringList>("captions");

    const QStringList jetCaptions = {"Critical mobility factor (Shields)",
                                     "Mobility factor (Shields)",
                                     "Transport condition",
                                     "Critical erosion velocity",
                                     "Turbulence intensity",
                                     "Equilibrium max. scour depth (Bornmann & Julien)",
                                     "Equilibrium max. scour depth (Fahlbusch)"};
    QTest::newRow("plunging jet") << 0 << "Problem of the Plunging Jet"
                                  << QStringList{"0.0550", "0.1718", "Live bed", "2.83",
                                                 "1.500",  "3.15",   "5.25"}
                                  << jetCaptions;
    QTest::newRow("step") << 1 << "Problem of the Step"
                          << QStringList{"0.0550", "0.1718", "Live bed", "2.83", "1.500", "2.40"}
                          << jetCaptions.mid(0, 6);
    QTest::newRow("plunging jet, roughness height 235 mm")
        << 2 << "Problem of the Plunging Jet"
        << QStringList{"0.0550", "0.1717", "Live bed", "2.83", "1.500", "3.15", "5.25"}
        << jetCaptions;
    QTest::newRow("plunging jet, 300 m3/s: clear water")
        << 3 << "Problem of the Plunging Jet"
        << QStringList{"0.0550", "0.0017", "Clear water", "2.83", "1.500", "0.79", "1.66"}
        << jetCaptions;
}

void TestResultsPageView::jetProblemsAfterARealCalculation() {
    QFETCH(int, road);
    QFETCH(QString, title);
    QFETCH(QStringList, values);
    QFETCH(QStringList, captions);

    taldor::testing::CaseRoad r =
        road == 1 ? taldor::testing::StepRoad() : taldor::testing::PlungingJetRoad();
    if (road == 2) r.byHeight = true;
    if (road == 3) r.boxes.push_back({Box::FlujCaud, "300"});
    taldor::RecordedWindow window;
    taldor::testing::Drive(window, r);
    QVERIFY(window.wizard.results().has_value());

    ResultsPageView page;
    page.showResults(*window.wizard.results());
    page.setProblemTitle(QString::fromStdString(window.wizard.problemTitle()));

    QCOMPARE(page.findChild<QLabel*>("lblProbTipo")->text(), title);
    QStringList stems = kCommon;
    stems << "OutpInteRelaTurb"
          << "OutpErosMaxi1";
    if (road != 1) stems << "OutpErosMaxi2";
    QCOMPARE(VisibleStems(page), stems);
    const QList<SeenRow> rows = SeenRows(page, stems);
    for (int i = 0; i < rows.size(); ++i) {
        QCOMPARE(rows[i].caption, captions[i]);
        QCOMPARE(rows[i].value, values[i]);
    }
    QCOMPARE(rows[3].unit, QString("[m/s]"));
    QCOMPARE(rows[4].unit, QString());
    QCOMPARE(rows.last().unit, QString("[m]"));
}

void TestResultsPageView::everyCodeShowsItsRowsInOrder_data() {
    QTest::addColumn<int>("roadIndex");
    QTest::addColumn<QStringList>("stems");
    QTest::addColumn<QStringList>("formulae");  // slot captions in the depth rows

    const auto roads = taldor::testing::AllRoads();
    auto stems = [](QStringList more) { return kCommon + more; };
    const QStringList depths4 = {"OutpErosMaxi1", "OutpErosMaxi2", "OutpErosMaxi3",
                                 "OutpErosMaxi4"};
    QTest::newRow("22 bridge pier") << 0
                                    << stems({"OutpErosMaxi1", "OutpLongFall1", "OutpErosMaxi2",
                                              "OutpLongFall2", "OutpErosMaxi3", "OutpLongFall3"})
                                    << QStringList{"Breusers", "CSU", "Johnson"};
    QTest::newRow("31 narrow culvert")
        << 1 << stems(QStringList{"OutpInteRelaTurb"} + depths4)
        << QStringList{"Rajaratnam & Berry", "Ruff", "Breusers", "Hoffmans"};
    const QStringList vortex = stems(
        {"OutpInteRelaTurb", "OutpCaudSoliTota", "OutpErosMaxi1", "OutpLongFall1", "OutpPendTalu"});
    QTest::newRow("111 confined vortex") << 2 << vortex << QStringList{"Dietz"};
    QTest::newRow("121 confined vortex behind a gate") << 3 << vortex << QStringList{"Dietz"};
    QTest::newRow("122 wide culvert")
        << 4 << stems(QStringList{"OutpInteRelaTurb"} + depths4)
        << QStringList{"Qayoum", "Altinbilek & Basmaci", "Breusers", "Hoffmans"};
    QTest::newRow("211 protected spur dike")
        << 5 << stems({"OutpErosMaxi1"}) << QStringList{"Dietz"};
    QTest::newRow("212 spur dike")
        << 6 << stems(depths4) << QStringList{"Ahmad", "Liu", "Dietz", "Breusers"};
    QTest::newRow("1121 step") << 7 << stems({"OutpInteRelaTurb", "OutpErosMaxi1"})
                               << QStringList{"Bornmann & Julien"};
    QTest::newRow("1122 plunging jet")
        << 8 << stems({"OutpInteRelaTurb", "OutpErosMaxi1", "OutpErosMaxi2"})
        << QStringList{"Bornmann & Julien", "Fahlbusch"};
}

// Every code through the widgets' road. The rows that only the fundamentals decide are the
// same for all codes with the default data (jet_cases.py); a depth is a number with two
// decimals exactly when its formula is active.
void TestResultsPageView::everyCodeShowsItsRowsInOrder() {
    QFETCH(int, roadIndex);
    QFETCH(QStringList, stems);
    QFETCH(QStringList, formulae);

    const taldor::testing::CaseRoad road =
        taldor::testing::AllRoads()[static_cast<std::size_t>(roadIndex)];
    taldor::RecordedWindow window;
    taldor::testing::Drive(window, road);
    QVERIFY2(window.wizard.lastError().kind == taldor::ProblemWizard::CommandError::Kind::None,
             window.wizard.lastError().message.c_str());
    const taldor::ResultsPage results = PageOf(window);

    ResultsPageView page;
    page.showResults(results);
    QCOMPARE(VisibleStems(page), stems);
    const QList<SeenRow> rows = SeenRows(page, stems);
    QCOMPARE(rows[0].value, QString("0.0550"));
    QCOMPARE(rows[1].value, QString("0.1718"));
    QCOMPARE(rows[2].value, QString("Live bed"));
    QCOMPARE(rows[3].value, QString("2.83"));

    const QRegularExpression twoDecimals("^-?\\d+\\.\\d\\d$");
    const auto& slots = window.wizard.panel().slot;
    const std::int32_t code = results.code;
    for (const SeenRow& row : rows) {
        if (!row.stem.startsWith("OutpErosMaxi")) continue;
        const int k = row.stem.right(1).toInt() - 1;
        QCOMPARE(row.caption, "Equilibrium max. scour depth (" + formulae[k] + ")");
        QCOMPARE(row.unit, QString("[m]"));
        const bool active = slots[static_cast<std::size_t>(k)].bold;
        if (code == 211 || (active && !(code == 212 && k == 3 && row.value == "inactive"))) {
            QVERIFY2(twoDecimals.match(row.value).hasMatch(),
                     qPrintable(row.stem + " " + row.value));
        } else {
            QCOMPARE(row.value, QString("inactive"));
        }
    }
    for (const SeenRow& row : rows) {
        if (!row.stem.startsWith("OutpLongFall")) continue;
        const int k = row.stem.right(1).toInt() - 1;
        QCOMPARE(row.caption, code == 22 ? "Critical failure lenght (" + formulae[k] + ")"
                                         : QString("Critical failure length"));
    }
}

void TestResultsPageView::rulesOfTheValueTexts_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QStringList>("stems");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("mobility equal to its critical value is clear water; vortex shows null")
        << 111 << "equal" << QStringList{"CondTran", "OutpCaudSoliTota", "OutpErosMaxi1"}
        << QStringList{"Clear water", "null", "1.50"};
    QTest::newRow("vortex live bed: solid discharge and live-bed depth")
        << 121 << "live"
        << QStringList{"CondTran", "OutpCaudSoliTota", "OutpErosMaxi1", "OutpLongFall1",
                       "OutpPendTalu"}
        << QStringList{"Live bed", "0.000123", "2.35", "3.25", "27.60"};
    QTest::newRow("vortex with slot 1 inactive")
        << 111 << "live inactive" << QStringList{"OutpErosMaxi1", "OutpLongFall1", "OutpPendTalu"}
        << QStringList{"inactive", "inactive", "inactive"};
    QTest::newRow("pier without the failure-length switch")
        << 22 << "no switch" << QStringList{"OutpErosMaxi1", "OutpLongFall1", "OutpErosMaxi2",
                                            "OutpLongFall2", "OutpErosMaxi3", "OutpLongFall3"}
        << QStringList{"0.50", "inactive", "20.00", "inactive", "inactive", "inactive"};
    QTest::newRow("pier with the switch on")
        << 22 << "switch" << QStringList{"OutpLongFall1", "OutpLongFall2", "OutpLongFall3"}
        << QStringList{"4.00", "5.00", "inactive"};
    QTest::newRow("protected spur dike: a number without an active slot")
        << 211 << "plain" << QStringList{"OutpErosMaxi1"} << QStringList{"0.50"};
    QTest::newRow("spur dike: a fourth depth of exactly 0 is inactive")
        << 212 << "zero fourth" << QStringList{"OutpErosMaxi1", "OutpErosMaxi4"}
        << QStringList{"0.50", "inactive"};
}

// States set by hand, so that each rule of the page shows on its own. The page must not
// reformat the texts under a locale with a decimal comma.
void TestResultsPageView::rulesOfTheValueTexts() {
    QFETCH(int, code);
    QFETCH(QString, setup);
    QFETCH(QStringList, stems);
    QFETCH(QStringList, expected);

    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    taldor::ProblemState s;
    std::array<taldor::FormulaSlot, taldor::kSlotCount> slots{};
    for (auto& slot : slots) slot.bold = true;
    s.OutpParaMoviCrit = 0.055;
    s.OutpParaMovi = setup == "equal" ? 0.055 : 0.1718;
    s.OutpErosMaxi1 = setup == "equal" ? 1.5 : 0.5;
    s.OutpErosMaxi2 = 20;
    s.OutpErosMaxi3 = 1.25;
    s.OutpErosMaxi4 = setup == "zero fourth" ? 0.0 : 1.0;
    s.OutpErosMaxiLech = 2.346;
    s.OutpCaudSoliTota = 0.0001234;
    s.OutpLongFall1 = 3.25;
    if (code == 22) {
        s.OutpLongFall1 = 4;
        s.OutpLongFall2 = 5;
        s.OutpLongFall3 = 6;
        slots[2].bold = false;
        if (setup == "no switch") slots[3].bold = false;
    }
    s.OutpPendTalu = 27.6;
    if (setup == "live inactive" || setup == "plain") slots[0].bold = false;

    ResultsPageView page;
    page.showResults(taldor::BuildResultsPage(code, s, slots));
    const QList<SeenRow> rows = SeenRows(page, stems);
    for (int i = 0; i < rows.size(); ++i) QCOMPARE(rows[i].value, expected[i]);
}

void TestResultsPageView::rowsStandOnTheRowRule() {
    taldor::ProblemState s;
    std::array<taldor::FormulaSlot, taldor::kSlotCount> slots{};
    ResultsPageView page;
    page.showResults(taldor::BuildResultsPage(22, s, slots));
    // Row r: label at 24 r + 16, box 4 higher; row 1 holds the headings.
    QCOMPARE(page.findChild<QLabel*>("lblProbPara")->y(), 40);
    QCOMPARE(page.findChild<QLabel*>("lblProbValo")->y(), 40);
    QCOMPARE(page.findChild<QLabel*>("lblProbUnid")->y(), 40);
    QVERIFY(page.findChild<QLabel*>("lblProbPara")->font().bold());
    QCOMPARE(page.findChild<QLabel*>("lblOutpParaMoviCrit")->y(), 64);
    QCOMPARE(page.findChild<QLineEdit*>("edtOutpParaMoviCrit")->y(), 60);
    QCOMPARE(page.findChild<QLabel*>("lblOutpParaMoviCritUnid")->y(), 64);
    QCOMPARE(page.findChild<QLabel*>("lblOutpLongFall3")->y(), 24 * 11 + 16);
    QCOMPARE(page.findChild<QLineEdit*>("edtOutpLongFall3")->y(), 24 * 11 + 12);
    for (QLineEdit* e : page.findChildren<QLineEdit*>()) QVERIFY(e->isReadOnly());
    // The columns do not overlap: parameter, value, units.
    const auto* label = page.findChild<QLabel*>("lblOutpErosMaxi1");
    const auto* edit = page.findChild<QLineEdit*>("edtOutpErosMaxi1");
    const auto* unit = page.findChild<QLabel*>("lblOutpErosMaxi1Unid");
    QVERIFY(label->geometry().right() < edit->x());
    QVERIFY(edit->geometry().right() < unit->x());
    QVERIFY(label->width() >= label->fontMetrics().horizontalAdvance(
                                  "Equilibrium max. scour depth (Altinbilek & Basmaci)"));
}

void TestResultsPageView::titleFrameFitsAroundTheTitle() {
    ResultsPageView page;
    for (const char* title :
         {"Problem of the Step", "Problem of the Protected Spur Dike/Abutment"}) {
        page.setProblemTitle(title);
        const auto* label = page.findChild<QLabel*>("lblProbTipo");
        const auto* frame = page.findChild<QFrame*>("bvlProblema");
        QCOMPARE(label->text(), QString(title));
        QVERIFY(label->font().bold());
        QVERIFY(label->width() >= label->fontMetrics().horizontalAdvance(title));
        QCOMPARE(frame->geometry(), label->geometry().adjusted(-4, -4, 4, 4));
    }
}

void TestResultsPageView::buttonsPerCodeAndTheirSignals() {
    ResultsPageView page;
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    QSignalSpy pictures(&page, &ResultsPageView::pictureClicked);
    QSignalSpy reports(&page, &ResultsPageView::reportClicked);
    QSignalSpy slopes(&page, &ResultsPageView::slopesClicked);
    auto* report = page.findChild<QPushButton*>("bbtnReporte");
    auto* image1 = page.findChild<QPushButton*>("bbtnShowPUno");
    auto* image2 = page.findChild<QPushButton*>("bbtnShowPDos");
    auto* slopesButton = page.findChild<QToolButton*>("bbtnPdteCrit");
    QCOMPARE(report->text(), QString("Report"));
    QCOMPARE(image1->text(), QString("Image"));
    QCOMPARE(image2->text(), QString("Image"));

    struct Case {
        int code;
        const char* first;
        const char* second;
        bool slopes;
    };
    const Case cases[] = {
        {22, "TfrmPictPPi", nullptr, false},          {31, "TfrmPictPAG", nullptr, false},
        {111, "TfrmPictPVC1", nullptr, true},         {121, "TfrmPictPVC2", nullptr, true},
        {122, "TfrmPictPAC", nullptr, false},         {211, "TfrmPictPEP", nullptr, false},
        {212, "TfrmPictPEs1", "TfrmPictPES2", false}, {1121, "TfrmPictPEn", nullptr, false},
        {1122, "TfrmPictPCZ", nullptr, false}};
    for (const Case& c : cases) {
        page.showResults(taldor::BuildResultsPage(c.code, taldor::ProblemState{}, {}));
        QVERIFY(report->isVisible());
        QVERIFY(image1->isVisible());
        QCOMPARE(image2->isVisible(), c.second != nullptr);
        QCOMPARE(slopesButton->isVisible(), c.slopes);
        pictures.clear();
        QTest::mouseClick(image1, Qt::LeftButton);
        QCOMPARE(pictures.size(), 1);
        QCOMPARE(pictures.at(0).at(0).toString(), QString(c.first));
        if (c.second) {
            // Each of the two buttons can be clicked: they do not cover each other.
            QVERIFY(!image1->geometry().intersects(image2->geometry()));
            QTest::mouseClick(image2, Qt::LeftButton);
            QCOMPARE(pictures.size(), 2);
            QCOMPARE(pictures.at(1).at(0).toString(), QString(c.second));
        }
        if (c.slopes) {
            QCOMPARE(slopesButton->y(), 24 * 10 + 12);
            QTest::mouseClick(slopesButton, Qt::LeftButton);
        }
    }
    QTest::mouseClick(report, Qt::LeftButton);
    QCOMPARE(reports.size(), 1);
    QCOMPARE(slopes.size(), 2);
}

void TestResultsPageView::refilledFromScratchAtEveryShowing() {
    ResultsPageView page;
    std::array<taldor::FormulaSlot, taldor::kSlotCount> slots{};
    slots[0] = {"Breusers", true, true, true};
    page.showResults(taldor::BuildResultsPage(22, taldor::ProblemState{}, slots));
    QCOMPARE(page.findChild<QLabel*>("lblOutpErosMaxi1")->text(),
             QString("Equilibrium max. scour depth (Breusers)"));
    QVERIFY(page.findChild<QLineEdit*>("edtOutpLongFall3")->isVisibleTo(&page));
    slots[0] = {"Bornmann & Julien", true, true, true};
    page.showResults(taldor::BuildResultsPage(1121, taldor::ProblemState{}, slots));
    QCOMPARE(VisibleStems(page), (kCommon + QStringList{"OutpInteRelaTurb", "OutpErosMaxi1"}));
    QCOMPARE(page.findChild<QLabel*>("lblOutpErosMaxi1")->text(),
             QString("Equilibrium max. scour depth (Bornmann & Julien)"));
    QVERIFY(!page.findChild<QLabel*>("lblOutpLongFall1")->isVisibleTo(&page));
    // A code without rows shows the fixed items only.
    page.showResults(taldor::BuildResultsPage(0, taldor::ProblemState{}, slots));
    QVERIFY(VisibleStems(page).isEmpty());
    QVERIFY(page.findChild<QPushButton*>("bbtnReporte")->isVisibleTo(&page));
}

QTEST_MAIN(TestResultsPageView)
#include "tst_resultspageview.moc"
