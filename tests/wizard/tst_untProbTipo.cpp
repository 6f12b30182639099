// The calculation window driven as a user drives it: mouse clicks on the tabs, buttons and radio
// items, text typed into the boxes, Tab to move on. What is checked is what the user sees: the
// tabs shown, the page in front, the messages, the texts, the focus, the bold formula names and
// the red captions.
//
// Expected outcomes come from the rules worked by hand; the exact limits of the protection tests
// are checked in double arithmetic by protection_limits.py beside this file.

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <memory>

#include "ResultsPageView.h"
#include "WindowDriver.h"
#include "untProbTipo.h"

using windowtest::kInvalid;
using windowtest::kNonCohesive;
using windowtest::kTooShort;
using windowtest::Road;
using windowtest::RoadTo;

Q_DECLARE_METATYPE(windowtest::Road)

class TestProbTipo : public QObject, protected windowtest::WindowDriver {
    Q_OBJECT

private slots:
    void initTestCase() {
        windowtest::DropPlatformNotices();
        startModalSeam();
    }
    void cleanupTestCase() { stopModalSeam(); }
    void init() {
        QTest::failOnWarning(QRegularExpression(".*"));
        m_modal->messages.clear();
        m_frame.calls.clear();
    }
    void cleanup() {
        closeWindows();
        QVERIFY2(QApplication::topLevelWidgets().isEmpty(), "a top-level widget outlived its test");
    }

    void newWindowShowsGlobalDataOnly() {
        open();
        QCOMPARE(m_w->windowTitle(), QString("Calculation for a specific problem"));
        QCOMPARE(tabsShown(), QString("0"));
        QCOMPARE(current(), 0);
        const QStringList captions = {"Global Data",        "Local Data", "Structure Data",
                                      "Complementary Data", "Results",    "Graphic"};
        const QStringList names = {"tbshNivel0", "tbshNivel1",   "tbshNivel2",
                                   "tbshNivel3", "tbshProblema", "tbshGrafico"};
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(pages()->tabText(i), captions[i]);
            QCOMPARE(pages()->widget(i)->objectName(), names[i]);
        }
        for (const char* q : {"rg0", "rg00", "rg01", "rg02", "rg000"}) {
            QVERIFY(!get(q)->isVisible());
            QCOMPARE(get(q)->findChild<QButtonGroup*>()->checkedId(), -1);
        }
        for (const char* c : {"btnContAfue01", "btnContAfue12", "btnContAfue23"})
            QVERIFY(!get(c)->isVisible());
        QVERIFY(get<QRadioButton>("rbCaucCoefMannCauc")->isChecked());
        QVERIFY(edit("edtCaucCoefMannCauc")->isEnabled());
        QVERIFY(get("lblCaucCoefMannCaucUnid")->isEnabled());
        QVERIFY(!edit("edtAltuRugoCauc")->isEnabled());
        QVERIFY(!get("lblAltuRugoCaucUnid")->isEnabled());
        QVERIFY(get("btnN0")->isVisible());
        QCOMPARE(edit("edtAguaDens")->width(), 122);
    }

    void boxesCarryTheirTexts_data() {
        QTest::addColumn<QString>("stem");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("unit");
        const char* rows[][4] = {
            {"AguaDens", "Density", "1000", "[kg/m^3]"},
            {"AguaTemp", "Ambient Temperature", "20", "[°C]"},
            {"SediDensMate", "Density", "2650", "[kg/m^3]"},
            {"SediDiamMedi", "Mean Diameter (d50)", "85", "[mm]"},
            {"ForzAcelGrav", "Acceleration of Gravity", "9.81", "[m/s^2]"},
            {"FlujCaud", "Discharge", "3000", "[m^3/s]"},
            {"CaucAnchCauc", "Width", "500", "[m]"},
            {"CaucCoefMannCauc", "", "0.032", "[m^(1/3)/s]"},
            {"AltuRugoCauc", "", "235", "[mm]"},
            {"FlujTiraRest", "Downstream water depth", "1.2", "[m]"},
            {"EstrAltuSaltFond", "Bottom jump", "0.75", "[m]"},
            {"EstrLongPlat", "Length of bed protection", "8.75", "[m]"},
            {"EstrAltuAper", "Opening height", "0.45", "[m]"},
            {"EstrLongEstr", "Longitudinal extension", "8.75", "[m]"},
            {"EstrAnchEstr", "Transversal extension", "250", "[m]"},
            {"EstrAnchPila", "Pier width", "5", "[m]"},
            {"EstrLongPila", "Pier length", "5", "[m]"},
            {"EstrDiamAper", "Opening diameter", "1", "[m]"},
            {"EstrCantAper", "Number of openings", "250", "[-]"},
            {"CaucPoro", "Porosity", "0.4", "[m]"},
            {"EstrCoefMannPlat", "Manning coef. of protection", "0.032", "[m^(1/3)/s]"},
            {"SediDiam90N3", "Diameter 90% (d90)", "250", "[mm]"},
            {"SediAnguRepo", "Angle of repose", "", "[º]"},
            {"FlujDifeCargRest", "Diff. head in/ level out", "2.77", "[m]"},
            {"FlujAnguChorSupeLibr", "Angle jet/free surface", "45", "[º]"},
            {"SediDiam84N3", "Diameter 84% (d84)", "200", "[mm]"},
            {"EstrFactFormKs", "Shape factor", "", "[-]"},
            {"EstrFactGrup", "Group factor", "", "[-]"},
            {"EstrAnguAtaq", "Angle of attack", "0", "[º]"},
            {"EstrFactCurv", "Curvature factor", "", "[-]"},
            {"EstrFactAngu", "Angle factor", "", "[-]"},
            {"EstrFactPoro", "Porosity factor", "", "[-]"},
            {"EstrFactFormKb", "Shape factor", "", "[-]"},
            {"EstrFactFormKl", "Shape factor", "", "[-]"},
        };
        for (const auto& r : rows) {
            QTest::newRow(r[0]) << QString(r[0]) << QString::fromUtf8(r[1])
                                << QString::fromUtf8(r[2]) << QString::fromUtf8(r[3]);
        }
    }
    void boxesCarryTheirTexts() {
        QFETCH(QString, stem);
        QFETCH(QString, caption);
        QFETCH(QString, text);
        QFETCH(QString, unit);
        open();
        QCOMPARE(edit("edt" + stem)->text(), text);
        QCOMPARE(get<QLabel>("lbl" + stem + "Unid")->text(), unit);
        if (!caption.isEmpty()) QCOMPARE(get<QLabel>("lbl" + stem)->text(), caption);
    }

    // Each answer opens the next tab; the protection tests at their exact limits.
    void roadToEveryCode_data() {
        QTest::addColumn<Road>("road");
        QTest::addColumn<int>("code");
        QTest::addColumn<QStringList>("expectedMessages");
        QTest::addColumn<QString>("tabs");
        QTest::addColumn<QStringList>("formulae");
        const QStringList none;
        const QStringList tooShort = {kTooShort};
        QTest::newRow("111 step, L just above 6s") << Road{0, 0, -1, {}, {"edtEstrLongPlat=4.51"}}
                                                   << 111 << none << "0123" << QStringList{"Dietz"};
        QTest::newRow("1121 step, L = 6s, slides")
            << Road{0, 0, 1, {}, {"edtEstrLongPlat=4.5"}} << 1121 << tooShort << "0123"
            << QStringList{"Bornmann & Julien"};
        QTest::newRow("1122 step, L = 6s, impacts")
            << Road{0, 0, 0, {}, {"edtEstrLongPlat=4.5"}} << 1122 << tooShort << "0123"
            << QStringList{"Bornmann & Julien", "Fahlbusch"};
        QTest::newRow("121 surface, defaults")
            << Road{0, 1, -1, {}, {}} << 121 << none << "0123" << QStringList{"Dietz"};
        const QStringList wide = {"Qayoum", "Altinbilek & Basmaci", "Breusers", "Hoffmans"};
        QTest::newRow("122 surface, L = 6(h-a) with defaults")
            << Road{0, 1, -1, {}, {"edtEstrLongPlat=4.5"}} << 122 << tooShort << "0123" << wide;
        QTest::newRow("122 surface, L = 4.2h")
            << Road{0, 1, -1, {"edtFlujTiraRest=2"}, {"edtEstrAltuAper=0.5", "edtEstrLongPlat=8.4"}}
            << 122 << tooShort << "0123" << wide;
        QTest::newRow("121 surface, L just above 4.2h")
            << Road{0,
                    1,
                    -1,
                    {"edtFlujTiraRest=2"},
                    {"edtEstrAltuAper=0.5", "edtEstrLongPlat=8.41"}}
            << 121 << none << "0123" << QStringList{"Dietz"};
        QTest::newRow("122 surface, L = 6(h-a)")
            << Road{0, 1, -1, {"edtFlujTiraRest=2"}, {"edtEstrAltuAper=1", "edtEstrLongPlat=6"}}
            << 122 << tooShort << "0123" << wide;
        QTest::newRow("121 surface, L just above 6(h-a)")
            << Road{0, 1, -1, {"edtFlujTiraRest=2"}, {"edtEstrAltuAper=1", "edtEstrLongPlat=6.01"}}
            << 121 << none << "0123" << QStringList{"Dietz"};
        QTest::newRow("122 surface, a = h and L = 0")
            << Road{0, 1, -1, {"edtFlujTiraRest=1"}, {"edtEstrAltuAper=1", "edtEstrLongPlat=0"}}
            << 122 << tooShort << "0123" << wide;
        QTest::newRow("121 surface, a > h and L = 0")
            << Road{0, 1, -1, {"edtFlujTiraRest=0.5"}, {"edtEstrAltuAper=1", "edtEstrLongPlat=0"}}
            << 121 << none << "0123" << QStringList{"Dietz"};
        QTest::newRow("212 margin, L = 0.5h")
            << Road{1, 0, -1, {}, {"edtEstrLongPlat=0.6"}} << 212 << tooShort << "0123"
            << QStringList{"Ahmad", "Liu", "Dietz", "Breusers"};
        // The protected spur dike is calculated at once: its Complementary Data tab never shows.
        QTest::newRow("211 margin, L just above 0.5h")
            << Road{1, 0, -1, {}, {"edtEstrLongPlat=0.61"}} << 211 << none << "" << QStringList{};
        QTest::newRow("22 interior")
            << Road{1, 1, -1, {}, {}} << 22 << none << "0123"
            << QStringList{"Breusers", "CSU", "Johnson", "Critical failure lenght"};
        QTest::newRow("31 surface and margin")
            << Road{2, 0, -1, {}, {}} << 31 << none << "0123"
            << QStringList{"Rajaratnam & Berry", "Ruff", "Breusers", "Hoffmans"};
    }
    void roadToEveryCode() {
        QFETCH(Road, road);
        QFETCH(int, code);
        QFETCH(QStringList, expectedMessages);
        QFETCH(QString, tabs);
        QFETCH(QStringList, formulae);
        open();

        click("btnN0");
        QVERIFY(get("rg0")->isVisible());
        QVERIFY(!pages()->isEnabled());
        answer("rg0", road.phenomenon);
        QCOMPARE(tabsShown(), QString("01"));
        QCOMPARE(current(), 1);
        QVERIFY(pages()->isEnabled());
        QVERIFY(!get("rg0")->isVisible());
        QCOMPARE(get<QLabel>("lblFlujTiraRest")->text(),
                 QString(road.phenomenon == 1 ? "Upstream water depth" : "Downstream water depth"));
        typeAll(road.local);
        click("btnN1");
        static const char* const groups[] = {"rg00", "rg01", "rg02"};
        QVERIFY(get(groups[road.phenomenon])->isVisible());
        answer(groups[road.phenomenon], road.obstacle);
        QCOMPARE(tabsShown(), QString("012"));
        QCOMPARE(current(), 2);
        typeAll(road.structure);
        click("btnN2");
        QCOMPARE(messages(), expectedMessages);
        if (road.jet >= 0) {
            QVERIFY(get("rg000")->isVisible());
            QCOMPARE(tabsShown(), QString("012"));
            answer("rg000", road.jet);
        }
        QCOMPARE(m_w->wizard().state().ProbCodi, code);
        if (tabs.isEmpty()) {
            QVERIFY(!pages()->isTabVisible(3));
            return;
        }
        QCOMPARE(tabsShown(), tabs);
        QCOMPARE(current(), 3);
        QCOMPARE(shownFormulae(), formulae);
        QCOMPARE(get("pnlFormActi")->height(), formulae.size() == 1   ? 56
                                               : formulae.size() == 2 ? 80
                                                                      : 128);
    }

    void inactiveBranchKeepsTheQuestionOpen() {
        open();
        click("btnN0");
        answer("rg0", 2);
        click("btnN1");
        answer("rg02", 1);
        QCOMPARE(messages(), QStringList{"Inactive branch"});
        QVERIFY(get("rg02")->isVisible());
        QVERIFY(!pages()->isEnabled());
        QCOMPARE(tabsShown(), QString("01"));
        QCOMPARE(current(), 1);
        answer("rg02", 0);
        QCOMPARE(tabsShown(), QString("012"));
        QCOMPARE(m_w->wizard().state().ProbCodi, 31);
    }

    void continueWithoutAnswerDoesNothing() {
        open();
        click("btnN0");
        click("btnContAfue01");
        QVERIFY(get("rg0")->isVisible());
        QCOMPARE(tabsShown(), QString("0"));
        QVERIFY(!pages()->isEnabled());
    }

    void rowsFollowTheCode_data() {
        QTest::addColumn<Road>("road");
        QTest::addColumn<bool>("complementary");  // on to the Complementary Data page
        QTest::addColumn<QStringList>("rows");    // "control:top"
        QTest::addColumn<QStringList>("hidden");
        QTest::newRow("21 structure")
            << Road{1, 0, -1, {}, {}} << false
            << QStringList{"lblEstrLongEstr:40", "edtEstrLongEstr:36", "lblEstrAnchEstrUnid:64",
                           "edtEstrLongPlat:84", "lblCateN2Estr:40"}
            << QStringList{"edtEstrAltuSaltFond", "edtEstrAnchPila"};
        QTest::newRow("12 structure")
            << Road{0, 1, -1, {}, {}} << false
            << QStringList{"edtEstrAltuAper:36", "lblEstrLongPlat:64", "edtEstrLongPlat:60"}
            << QStringList{"edtEstrAltuSaltFond", "edtEstrLongEstr"};
        QTest::newRow("22 complementary")
            << RoadTo(22) << true
            << QStringList{"edtSediDiam84N3:36",   "bbtnSediAnguRepo:60", "lblEstrFactFormKs:96",
                           "bbtnEstrFactGrup:116", "edtEstrAnguAtaq:140", "lblCateN3Sedi:40",
                           "lblCateN3Estr:96"}
            << QStringList{"edtSediDiam90N3", "edtCaucPoro", "bbtnEstrFactCurv", "lblCateN3Fluj"};
        QTest::newRow("1122 complementary")
            << RoadTo(1122) << true
            << QStringList{"edtSediDiam90N3:36", "bbtnSediAnguRepo:60", "lblFlujDifeCargRest:96",
                           "edtFlujAnguChorSupeLibr:116", "lblCateN3Fluj:96"}
            << QStringList{"edtSediDiam84N3", "bbtnEstrFactFormKs", "lblCateN3Estr"};
    }
    void rowsFollowTheCode() {
        QFETCH(Road, road);
        QFETCH(bool, complementary);
        QFETCH(QStringList, rows);
        QFETCH(QStringList, hidden);
        open();
        if (complementary) {
            follow(road);
        } else {
            click("btnN0");
            answer("rg0", road.phenomenon);
            click("btnN1");
            static const char* const groups[] = {"rg00", "rg01", "rg02"};
            answer(groups[road.phenomenon], road.obstacle);
        }
        for (const QString& r : rows) {
            const QStringList parts = r.split(':');
            QWidget* w = get(parts[0]);
            QVERIFY2(w->isVisible(), qPrintable(parts[0]));
            QCOMPARE(w->y(), parts[1].toInt());
        }
        for (const QString& h : hidden) QVERIFY2(!get(h)->isVisible(), qPrintable(h));
    }

    // The exit check of each kind of box, left with Tab.
    void exitCheck_data() {
        QTest::addColumn<int>("road");  // 0 Global Data, 1 Local Data, else a final code
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");  // empty when accepted
        QTest::newRow("empty density") << 0 << "edtAguaDens"
                                       << "" << kInvalid;
        QTest::newRow("decimal comma") << 0 << "edtAguaDens"
                                       << "1,5" << kInvalid;
        QTest::newRow("trailing blank") << 0 << "edtAguaDens"
                                        << "1.5 " << kInvalid;
        QTest::newRow("leading blank") << 0 << "edtAguaDens"
                                       << " 1.5"
                                       << "";
        QTest::newRow("exponent") << 0 << "edtAguaDens"
                                  << "1.5e1"
                                  << "";
        QTest::newRow("1.7e308 open upper end") << 0 << "edtAguaDens"
                                                << "1.7e308" << kInvalid;
        QTest::newRow("zero density") << 0 << "edtAguaDens"
                                      << "0" << kInvalid;
        QTest::newRow("-273 degC") << 0 << "edtAguaTemp"
                                   << "-273"
                                   << "";
        QTest::newRow("-273.5 degC") << 0 << "edtAguaTemp"
                                     << "-273.5" << kInvalid;
        QTest::newRow("d50 0.062") << 0 << "edtSediDiamMedi"
                                   << "0.062"
                                   << "";
        QTest::newRow("d50 0.061") << 0 << "edtSediDiamMedi"
                                   << "0.061" << kNonCohesive;
        QTest::newRow("d50 empty") << 0 << "edtSediDiamMedi"
                                   << "" << kNonCohesive;
        QTest::newRow("depth 1.7e308") << 1 << "edtFlujTiraRest"
                                       << "1.7e308" << kInvalid;
        QTest::newRow("protection 0") << 111 << "edtEstrLongPlat"
                                      << "0"
                                      << "";
        QTest::newRow("opening 1") << 121 << "edtEstrAltuAper"
                                   << "1"
                                   << "";
        QTest::newRow("opening 1.01") << 121 << "edtEstrAltuAper"
                                      << "1.01" << kInvalid;
        QTest::newRow("porosity 1") << 111 << "edtCaucPoro"
                                    << "1"
                                    << "";
        QTest::newRow("porosity empty") << 111 << "edtCaucPoro"
                                        << ""
                                        << "";
        QTest::newRow("protection Manning empty") << 111 << "edtEstrCoefMannPlat"
                                                  << "" << kInvalid;
        QTest::newRow("repose 90") << 122 << "edtSediAnguRepo"
                                   << "90"
                                   << "";
        QTest::newRow("repose 90.5") << 122 << "edtSediAnguRepo"
                                     << "90.5" << kInvalid;
        QTest::newRow("repose -1") << 122 << "edtSediAnguRepo"
                                   << "-1" << kInvalid;
        QTest::newRow("repose 0") << 122 << "edtSediAnguRepo"
                                  << "0"
                                  << "";
        QTest::newRow("jet angle 0") << 1122 << "edtFlujAnguChorSupeLibr"
                                     << "0"
                                     << "";
        QTest::newRow("factor 5") << 212 << "edtEstrFactCurv"
                                  << "5"
                                  << "";
        QTest::newRow("factor 5.1") << 212 << "edtEstrFactCurv"
                                    << "5.1" << kInvalid;
        QTest::newRow("factor 0") << 212 << "edtEstrFactFormKl"
                                  << "0" << kInvalid;
        QTest::newRow("factor empty") << 212 << "edtEstrFactFormKb"
                                      << ""
                                      << "";
        QTest::newRow("attack 0") << 22 << "edtEstrAnguAtaq"
                                  << "0"
                                  << "";
        QTest::newRow("d90 not a number") << 31 << "edtSediDiam90N3"
                                          << "abc" << kInvalid;
        QTest::newRow("d90 empty") << 31 << "edtSediDiam90N3"
                                   << ""
                                   << "";
    }
    void exitCheck() {
        QFETCH(int, road);
        QFETCH(QString, box);
        QFETCH(QString, text);
        QFETCH(QString, message);
        open();
        if (road == 1) {
            click("btnN0");
            answer("rg0", 0);
        } else if (road > 1) {
            follow(RoadTo(road));
            if (road == 111 || road == 121) {
                // The structure boxes: back to the Structure Data page.
                if (box.startsWith("edtEstr") && box != "edtEstrCoefMannPlat") clickTab(2);
            }
        }
        messages().clear();
        const int page = current();
        type(box, text);
        pressTab();
        if (message.isEmpty()) {
            QCOMPARE(messages(), QStringList{});
            QCOMPARE(edit(box)->text(), text);
            QVERIFY(QApplication::focusWidget() != edit(box));
        } else {
            QCOMPARE(messages(), QStringList{message});
            QCOMPARE(edit(box)->text(), QString());
            QCOMPARE(QApplication::focusWidget(), edit(box));
            // Until it holds an accepted value the box cannot be left (an empty text is one for
            // the optional boxes).
            const QStringList optional = {"edtSediAnguRepo", "edtSediDiam90N3", "edtEstrFactCurv",
                                          "edtEstrFactFormKl"};
            if (!optional.contains(box)) {
                pressTab();
                QCOMPARE(messages().size(), 2);
                QCOMPARE(QApplication::focusWidget(), edit(box));
            }
        }
        QCOMPARE(current(), page);
    }

    void refusedThenAccepted() {
        open();
        type("edtAguaDens", "abc");
        pressTab();
        QCOMPARE(messages(), QStringList{kInvalid});
        QCOMPARE(QApplication::focusWidget(), edit("edtAguaDens"));
        QTest::keyClicks(QApplication::focusWidget(), "1025");
        pressTab();
        QCOMPARE(messages(), QStringList{kInvalid});
        QCOMPARE(edit("edtAguaDens")->text(), QString("1025"));
        QCOMPARE(QApplication::focusWidget(), edit("edtAguaTemp"));
    }

    // A refused box keeps the focus against a click elsewhere, delivered straight to the widget
    // or through the window as the platform does.
    void refusalStopsTheClick_data() {
        QTest::addColumn<bool>("platform");
        QTest::newRow("click sent to the widget") << false;
        QTest::newRow("click through the window") << true;
    }
    void refusalStopsTheClick() {
        QFETCH(bool, platform);
        open();
        click("btnN0");
        answer("rg0", 0);
        clickTab(0, platform);
        QCOMPARE(current(), 0);

        // A click on another tab does not switch the page.
        type("edtFlujCaud", "abc");
        clickTab(1, platform);
        QCOMPARE(messages(), QStringList{kInvalid});
        QCOMPARE(current(), 0);
        QCOMPARE(QApplication::focusWidget(), edit("edtFlujCaud"));
        QCOMPARE(edit("edtFlujCaud")->text(), QString());

        // A click on a button does not press it.
        QTest::keyClicks(edit("edtFlujCaud"), "1,5");
        clickWidget(get("btnN0"), get("btnN0")->rect().center(), platform);
        QCOMPARE(messages().size(), 2);
        QVERIFY(!get("rg0")->isVisible());
        QVERIFY(pages()->isEnabled());
        QCOMPARE(QApplication::focusWidget(), edit("edtFlujCaud"));

        // A click on another box does not enter it.
        clickWidget(edit("edtAguaTemp"), QPoint(5, 5), platform);
        QCOMPARE(messages().size(), 3);
        QCOMPARE(QApplication::focusWidget(), edit("edtFlujCaud"));

        // A click on the roughness option does not choose it.
        click("rbAltuRugoCauc", platform);
        QCOMPARE(messages().size(), 4);
        QVERIFY(get<QRadioButton>("rbCaucCoefMannCauc")->isChecked());
        QVERIFY(!edit("edtAltuRugoCauc")->isEnabled());

        // Accepted, the click goes through.
        QTest::keyClicks(edit("edtFlujCaud"), "2500");
        clickTab(1, platform);
        QCOMPARE(messages().size(), 4);
        QCOMPARE(current(), 1);
    }

    // Ctrl+Tab moves between the visible pages, after the box's exit check.
    void ctrlTabChangesPageAfterTheCheck() {
        open();
        QCOMPARE(QApplication::focusWidget(), edit("edtAguaDens"));
        click("btnN0");
        answer("rg0", 0);
        clickTab(0);
        type("edtAguaDens", "abc");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(messages(), QStringList{kInvalid});
        QCOMPARE(current(), 0);
        QCOMPARE(QApplication::focusWidget(), edit("edtAguaDens"));
        QTest::keyClicks(edit("edtAguaDens"), "1000");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(current(), 1);
        // The next tab is hidden: the page stays.
        type("edtFlujTiraRest", "1.2");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(current(), 1);
        QCOMPARE(tabsShown(), QString("01"));
        QCOMPARE(messages(), QStringList{kInvalid});
    }

    void acceptedExitActsBeforeTheClick() {
        open();
        follow(RoadTo(22));
        clickTab(1);
        type("edtFlujTiraRest", "1.5");
        // The changed depth hides every later page: the click on Complementary Data finds no tab.
        clickTab(3, true);
        QCOMPARE(messages(), QStringList{});
        QCOMPARE(tabsShown(), QString("01"));
        QCOMPARE(current(), 1);
    }

    void tabsFollowChanges_data() {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("tabs");
        QTest::addColumn<int>("page");
        QTest::newRow("other phenomenon") << "phenomenon=0"
                                          << "01" << 1;
        QTest::newRow("same phenomenon") << "phenomenon=1"
                                         << "0123" << 1;
        QTest::newRow("other obstacle") << "obstacle=0"
                                        << "012" << 2;
        QTest::newRow("changed depth") << "edtFlujTiraRest=1.5"
                                       << "01" << 1;
        QTest::newRow("same depth") << "edtFlujTiraRest=1.20"
                                    << "0123" << 1;
        QTest::newRow("changed discharge") << "edtFlujCaud=2000"
                                           << "0123" << 0;
        QTest::newRow("changed pier width") << "edtEstrAnchPila=4"
                                            << "0123" << 2;
    }
    void tabsFollowChanges() {
        QFETCH(QString, change);
        QFETCH(QString, tabs);
        QFETCH(int, page);
        open();
        follow(RoadTo(22));
        QCOMPARE(tabsShown(), QString("0123"));
        const QString what = change.section('=', 0, 0);
        const QString value = change.section('=', 1);
        if (what == "phenomenon") {
            clickTab(0);
            click("btnN0");
            // The question opens again with the answer it was given.
            QCOMPARE(get("rg0")->findChild<QButtonGroup*>()->checkedId(), 1);
            answer("rg0", value.toInt());
        } else if (what == "obstacle") {
            clickTab(1);
            click("btnN1");
            answer("rg01", value.toInt());
        } else {
            clickTab(what == "edtFlujTiraRest" ? 1 : what.startsWith("edtEstr") ? 2 : 0);
            type(what, value);
            pressTab();
        }
        QCOMPARE(tabsShown(), tabs);
        QCOMPARE(current(), page);
    }

    // After a calculation: Results and Graphic go with a changed ordinary input, stay with an
    // unchanged one.
    void resultsFollowInputs_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("tabs");
        QTest::newRow("changed discharge") << "edtFlujCaud"
                                           << "2000"
                                           << "0123";
        QTest::newRow("unchanged discharge") << "edtFlujCaud"
                                             << "3000.0"
                                             << "012345";
        QTest::newRow("changed head difference") << "edtFlujDifeCargRest"
                                                 << "3"
                                                 << "0123";
        QTest::newRow("angle of repose typed in the empty box") << "edtSediAnguRepo"
                                                                << "30"
                                                                << "0123";
        QTest::newRow("roughness option") << "rbAltuRugoCauc"
                                          << ""
                                          << "0123";
    }
    void resultsFollowInputs() {
        QFETCH(QString, box);
        QFETCH(QString, text);
        QFETCH(QString, tabs);
        open();
        follow(RoadTo(1122));
        click("btnN3");
        QCOMPARE(messages(), QStringList{kTooShort});
        QCOMPARE(tabsShown(), QString("012345"));
        QCOMPARE(current(), 4);
        const bool global = box == "edtFlujCaud" || box.startsWith("rb");
        clickTab(global ? 0 : 3);
        if (box.startsWith("rb")) {
            click(box);
            QVERIFY(edit("edtAltuRugoCauc")->isEnabled());
            QVERIFY(!edit("edtCaucCoefMannCauc")->isEnabled());
        } else {
            type(box, text);
            pressTab();
        }
        QCOMPARE(tabsShown(), tabs);
        QCOMPARE(current(), global ? 0 : 3);
    }

    // Losing the focus to another window is not leaving the box: nothing is checked, and the
    // value the box held on entry is still the one a change is measured against.
    void focusInAnotherWindowIsNoExit() {
        open();
        follow(RoadTo(1122));
        click("btnN3");
        QCOMPARE(tabsShown(), QString("012345"));
        clickTab(0);
        QWidget other;
        const auto visitOther = [&] {
            other.show();
            other.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&other));
            m_w->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(m_w.data()));
            QCOMPARE(QApplication::focusWidget(), edit("edtFlujCaud"));
        };
        type("edtFlujCaud", "abc");
        visitOther();
        QCOMPARE(messages(), QStringList{kTooShort});
        type("edtFlujCaud", "2000");
        visitOther();
        pressTab();
        QCOMPARE(messages(), QStringList{kTooShort});
        QCOMPARE(tabsShown(), QString("0123"));
    }

    // In the frame, another document window taking the focus is no exit either; the exit comes
    // when the focus returns to another widget of this window. "Close" closes the document.
    void documentWindowsOfAFrame() {
        QMdiArea area;
        auto* w = new TfrmProbTipo(&m_frame, nullptr);
        m_windows << w;
        m_w = w;
        QMdiSubWindow* sub = area.addSubWindow(w);
        auto* neighbour = new QLineEdit;
        area.addSubWindow(neighbour);
        area.resize(1200, 800);
        area.show();
        area.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&area));
        area.setActiveSubWindow(sub);

        type("edtAguaDens", "abc");
        QTest::mouseClick(neighbour, Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), neighbour);
        QCOMPARE(messages(), QStringList{});
        QTest::mouseClick(edit("edtAguaTemp"), Qt::LeftButton);
        QCOMPARE(messages(), QStringList{kInvalid});
        QCOMPARE(QApplication::focusWidget(), edit("edtAguaDens"));

        QTest::keyClicks(edit("edtAguaDens"), "998");
        m_w->ownMenus()[0]->actions()[2]->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!m_w);
        QCOMPARE(area.subWindowList().size(), 1);
    }

    void panelFollowsTheBoxes_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("bold");
        QTest::addColumn<QStringList>("steps");  // "box=text>bold after the text is typed"
        QTest::newRow("122 defaults")
            << 122 << "1011"
            << QStringList{"edtSediAnguRepo=30>1111", "edtSediDiam90N3=>0110",
                           "edtSediDiam90N3=13.6>1111", "edtFlujDifeCargRest=>0111"};
        QTest::newRow("22 defaults")
            << 22 << "0000"
            << QStringList{"edtEstrFactFormKs=1>0000", "edtEstrFactGrup=1>1110",
                           "edtSediAnguRepo=30>1111", "edtSediDiam84N3=>1101"};
        QTest::newRow("212 factors empty")
            << 212 << "0010" << QStringList{"edtEstrFactFormKl=1>0110", "edtEstrFactFormKb=1>0111",
                                            "edtEstrFactCurv=1>0111",   "edtEstrFactFormKs=1>0111",
                                            "edtEstrFactAngu=1>0111",   "edtEstrFactPoro=1>1111"};
        QTest::newRow("31 defaults")
            << 31 << "1111" << QStringList{"edtSediDiam90N3=>1110", "edtSediDiam90N3=5>1111"};
        QTest::newRow("111 defaults")
            << 111 << "1"
            << QStringList{"edtCaucPoro=>0", "edtCaucPoro=0.3>1", "edtEstrCoefMannPlat=>0"};
        QTest::newRow("1122 defaults")
            << 1122 << "01"
            << QStringList{"edtSediAnguRepo=30>11", "edtSediAnguRepo=>01",
                           "edtFlujAnguChorSupeLibr=>00"};
    }
    void panelFollowsTheBoxes() {
        QFETCH(int, code);
        QFETCH(QString, bold);
        QFETCH(QStringList, steps);
        open();
        follow(RoadTo(code));
        QCOMPARE(boldPattern(), bold);
        for (const QString& step : steps) {
            const QString box = step.section('=', 0, 0);
            const QString text = step.section('=', 1).section('>', 0, 0);
            const QString expected = step.section('>', 1);
            type(box, text);
            // Every text change updates the panel, before the box is left.
            QVERIFY2(boldPattern() == expected, qPrintable(step + " gives " + boldPattern()));
        }
    }

    void refusedFactorTurnsItsFormulaPlain() {
        open();
        follow(RoadTo(212));
        type("edtEstrFactFormKl", "9");
        QCOMPARE(boldPattern(), QString("0110"));
        pressTab();
        QCOMPARE(messages(), (QStringList{kTooShort, kInvalid}));
        QCOMPARE(boldPattern(), QString("0010"));
    }

    void singleFormulaPanel() {
        open();
        follow(RoadTo(111));
        QCOMPARE(get("pnlFormActi")->height(), 56);
        QVERIFY(get("btn1")->isVisible() && get("bbtnRango1")->isVisible());
        for (int k = 2; k <= 4; ++k) {
            QVERIFY(!get(QString("btn%1").arg(k))->isVisible());
            QVERIFY(!get(QString("bbtnRango%1").arg(k))->isVisible());
            QCOMPARE(get<QLabel>(QString("lbl%1").arg(k))->text(), QString("inactive"));
        }
        QCOMPARE(get<QLabel>("lbl0")->text(), QString("Active formulae"));
    }

    void slotButtonHighlightsItsInputs() {
        open();
        follow(RoadTo(122));
        auto* timer = m_w->findChild<QTimer*>("Timer");
        QVERIFY(timer);
        QCOMPARE(timer->interval(), 1000);
        QVERIFY(timer->isSingleShot());
        QVERIFY(!timer->isActive());
        const QString before = boldPattern();

        click("btn1");
        QVERIFY(red("lblSediDiam90N3"));
        QVERIFY(red("lblFlujDifeCargRest"));
        QVERIFY(!red("lblSediAnguRepo"));
        QVERIFY(timer->isActive());
        // A click on the name inside the button is a click on the button; it adds to the
        // running highlight.
        QTest::mouseClick(get("lbl2"), Qt::LeftButton);
        QVERIFY(red("lblSediAnguRepo"));
        QCOMPARE(boldPattern(), before);

        QTRY_VERIFY_WITH_TIMEOUT(!timer->isActive(), 2000);
        for (const char* l : {"lblSediDiam90N3", "lblFlujDifeCargRest", "lblSediAnguRepo"})
            QVERIFY2(!red(l), l);

        // A slot with no inputs to show still starts the timer.
        click("btn3");
        QVERIFY(timer->isActive());
    }

    void resultsPageButtonsReachTheFrame() {
        open();
        auto* results = m_w->findChild<taldor::output::ResultsPageView*>();
        QVERIFY(results);
        QCOMPARE(results->parentWidget(), get("tbshProblema"));
        emit results->pictureClicked("TfrmPictPCZ");
        QCOMPARE(m_frame.calls, QStringList{"openPicture TfrmPictPCZ"});
    }

    void rangeButtonWithoutSheet() {
        open();
        follow(RoadTo(22));
        click("bbtnRango1");
        QCOMPARE(messages(), QStringList{"Ranges of calibration/validation not available"});
    }

    // A fault ends the calculation with its message; the Results and Graphic tabs, which would
    // show numbers that no calculation finished, stay hidden.
    void floatingPointFaultHidesResults() {
        open();
        follow(RoadTo(1121));
        type("edtSediAnguRepo", "30");
        click("btnN3");
        QCOMPARE(tabsShown().left(5), QString("01234"));
        clickTab(3);
        // Angle of repose and jet angle both 0: sin 0 / sin 0 in Bornmann & Julien's formula.
        type("edtSediAnguRepo", "0");
        type("edtFlujAnguChorSupeLibr", "0");
        messages().clear();
        click("btnN3");
        QCOMPARE(messages(), QStringList{"Invalid floating point operation"});
        QCOMPARE(tabsShown(), QString("0123"));
        QCOMPARE(current(), 3);
    }

    void eachWindowHasItsOwnProblem() {
        open();
        TfrmProbTipo* first = m_w;
        click("btnN0");
        answer("rg0", 1);
        open();
        click("btnN0");
        answer("rg0", 0);
        QCOMPARE(get<QLabel>("lblFlujTiraRest")->text(), QString("Downstream water depth"));
        m_w = first;
        first->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(first));
        click("btnN1");
        QVERIFY(get("rg01")->isVisible());
        QCOMPARE(get<QLabel>("lblFlujTiraRest")->text(), QString("Upstream water depth"));
    }

    void menusForwardToTheFrame() {
        open();
        const QList<QMenu*> menus = m_w->ownMenus();
        QCOMPARE(menus.size(), 3);
        QCOMPARE(menus[0]->title(), QString("&File"));
        QCOMPARE(menus[1]->title(), QString("&Window"));
        QCOMPARE(menus[2]->title(), QString("&Help"));
        QCOMPARE(menus[0]->menuAction()->statusTip(), QString("File related commands"));
        QCOMPARE(menus[1]->menuAction()->statusTip(), QString("Window related commands"));
        QCOMPARE(menus[2]->menuAction()->statusTip(), QString("Help topics"));
        QVERIFY(menus[1]->actions().isEmpty());
        QStringList file;
        for (QAction* a : menus[0]->actions())
            file << (a->isSeparator() ? QString("-") : a->text());
        QCOMPARE(file, (QStringList{"&New", "&Open", "&Close", "-", "&Exit"}));
        QStringList help;
        for (QAction* a : menus[2]->actions()) help << a->text();
        QCOMPARE(help, (QStringList{"About...", "&Description"}));

        menus[0]->actions()[0]->trigger();
        menus[0]->actions()[1]->trigger();
        menus[0]->actions()[4]->trigger();
        menus[2]->actions()[0]->trigger();
        menus[2]->actions()[1]->trigger();
        QCOMPARE(m_frame.calls,
                 (QStringList{"fileNew", "fileOpen", "fileExit", "helpAbout", "helpDescription"}));
        QVERIFY(m_w);
        menus[0]->actions()[2]->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!m_w);
    }
};

QTEST_MAIN(TestProbTipo)
#include "tst_untProbTipo.moc"
