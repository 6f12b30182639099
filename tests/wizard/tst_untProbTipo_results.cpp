// The calculation window from the first answer to what a calculation shows, driven as a user
// drives it: the boxes typed, the factors chosen in the pickers, "Calculation" clicked; then the
// Results page as shown, the chart of the Graphic page, the picture buttons, the pickers and
// range sheets opened from the window, and the report printed from its "Report" button.
//
// Expected screens come from reference/window_cases.py, which works the published formulae
// independently of the C++ code (reusing tests/compute/reference/model_problems.py) and writes
// reference/WindowCases.inc.

#include <QAbstractButton>
#include <QApplication>
#include <QChart>
#include <QDialog>
#include <QFile>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPlainTextEdit>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QValueAxis>
#include <algorithm>
#include <array>
#include <functional>
#include <vector>

#include "ResultsPageView.h"
#include "ScourChart.h"
#include "WindowDriver.h"
#include "untObservaciones.h"

using windowtest::kTooShort;
using windowtest::RoadTo;

namespace {

struct Typed {
    const char* box;
    const char* text;
};
// A picker opened by its button, the radio button chosen in it and the text it returns.
struct Pick {
    const char* button;
    const char* choice;
    const char* text;
};
struct ResultRow {
    const char* stem;
    int row;
    const char* caption;
    const char* value;
    const char* unit;
};
struct ReportLine {
    const char* parameter;
    const char* value;
    const char* unit;
};
struct WindowCase {
    const char* name;
    int phenomenon;
    int obstacle;
    int jet;  // item of the jet question, -1 when it is not asked
    std::vector<Typed> global;
    std::vector<Typed> local;
    std::vector<Typed> structure;
    std::vector<Typed> complementary;
    std::vector<Pick> picks;
    int code;
    const char* bold;  // the panel's slots before "Calculation", "1" bold, "0" plain
    const char* title;
    std::vector<ResultRow> rows;
    std::array<const char*, 4> seriesTitles;
    std::array<int, 4> pointCounts;
    double maxTime;   // hours, over every series
    double maxDepth;  // metres
    bool graphic;     // the Graphic tab shown
    const char* picture1;
    const char* picture2;
    std::vector<ReportLine> report;  // input lines, then result lines
};

const std::vector<WindowCase> kCases = {
#include "reference/WindowCases.inc"
};

const WindowCase& CaseNamed(const char* name) {
    for (const WindowCase& c : kCases) {
        if (QByteArray(c.name) == name) return c;
    }
    qFatal("no case %s", name);
}

const QColor kSeriesColours[4] = {QColor(255, 0, 0), QColor(0, 128, 0), QColor(64, 0, 64),
                                  QColor(0, 0, 255)};

QString ClassName(const QObject* o) {
    return QString(o->metaObject()->className()).section("::", -1);
}

// Clicks a widget of a dialog (shown modally by the test in place of exec) by its name.
void ClickIn(QDialog* dialog, const QString& name) {
    auto* w = dialog->findChild<QWidget*>(name);
    if (!w) qFatal("no %s in %s", qPrintable(name), qPrintable(ClassName(dialog)));
    const QPoint at =
        qobject_cast<QRadioButton*>(w) ? QPoint(8, w->height() / 2) : w->rect().center();
    QTest::mouseClick(w, Qt::LeftButton, {}, at);
}

void ShowModally(QDialog* dialog) {
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->show();
}

// The text of a PDF page, one line of print per line, runs of blanks made one.
QStringList PdfLines(const QString& pdf) {
    QProcess p;
    p.start(TALDOR_PDFTOTEXT, {"-layout", pdf, "-"});
    if (!p.waitForFinished(20000) || p.exitCode() != 0) return {"<pdftotext failed>"};
    QStringList lines;
    for (const QString& line : QString::fromUtf8(p.readAllStandardOutput()).split('\n')) {
        const QString simple = line.simplified();
        if (!simple.isEmpty()) lines << simple;
    }
    return lines;
}

}  // namespace

Q_DECLARE_METATYPE(const WindowCase*)

class TestProbTipoResults : public QObject, protected windowtest::WindowDriver {
    Q_OBJECT

private:
    // The whole road of a case in a new window, ending with "Calculation" clicked (code 211 is
    // calculated by the Continue of Structure Data).
    void calculate(const WindowCase& c, const std::function<void()>& beforeCalculation = {}) {
        open();
        if (beforeCalculation) beforeCalculation();
        for (const Typed& t : c.global) type(t.box, t.text);
        click("btnN0");
        answer("rg0", c.phenomenon);
        for (const Typed& t : c.local) type(t.box, t.text);
        click("btnN1");
        static const char* const groups[] = {"rg00", "rg01", "rg02"};
        answer(groups[c.phenomenon], c.obstacle);
        for (const Typed& t : c.structure) type(t.box, t.text);
        click("btnN2");
        if (c.jet >= 0) answer("rg000", c.jet);
        if (c.code == 211) return;
        QCOMPARE(current(), 3);
        for (const Typed& t : c.complementary) type(t.box, t.text);
        for (const Pick& p : c.picks) {
            choose(p.button, p.choice);
            const QString box = QString(p.button).replace("bbtn", "edt");
            QCOMPARE(edit(box)->text(), QString(p.text));
        }
        QCOMPARE(boldPattern(), QString(c.bold));
        click("btnN3");
    }

    // Opens a picker by its button and answers it as a user: the row's radio button, then OK
    // (or `close` / `bbtnCanc`). An empty choice presses OK without choosing a row.
    QString choose(const QString& button, const QString& choice, const QString& end = "ok") {
        QString seen;
        m_modal->onDialog = [&](QDialog* dialog) {
            seen = ClassName(dialog);
            ShowModally(dialog);
            if (!choice.isEmpty()) ClickIn(dialog, choice);
            if (end == "close") {
                dialog->close();
            } else if (end == "ok") {
                ClickIn(dialog, dialog->findChild<QWidget*>("bbtnOk") ? "bbtnOk" : "bbtnOK");
            } else {
                ClickIn(dialog, end);
            }
            return dialog->result();
        };
        click(button);
        m_modal->onDialog = nullptr;
        return seen;
    }

    QWidget* resultsPage() const { return get("tbshProblema"); }
    int topOnPage(const QString& name) const {
        return get(name)->mapTo(resultsPage(), QPoint(0, 0)).y();
    }
    taldor::output::ScourChart* chart() const {
        return get<taldor::output::ScourChart>("chrtGrafico");
    }
    QLineSeries* series(int k) const {
        auto* s = chart()->chart()->findChild<QLineSeries*>(QString("sr%1").arg(k + 1));
        if (!s) qFatal("no series sr%d", k + 1);
        return s;
    }

    static void casesData(bool onePerCode = false) {
        QTest::addColumn<const WindowCase*>("c");
        QList<int> codes;
        for (const WindowCase& c : kCases) {
            if (onePerCode && codes.contains(c.code)) continue;
            codes << c.code;
            QTest::newRow(c.name) << &c;
        }
    }

private slots:
    void initTestCase() {
        windowtest::DropPlatformNotices();
        startModalSeam();
    }
    void cleanupTestCase() { stopModalSeam(); }
    void init() {
        QTest::failOnWarning(QRegularExpression(".*"));
        m_modal->messages.clear();
        m_modal->onDialog = nullptr;
        m_frame.calls.clear();
    }
    void cleanup() {
        closeWindows();
        QVERIFY2(QApplication::topLevelWidgets().isEmpty(), "a top-level widget outlived its test");
    }

    // The Results page of each case as the user reads it: title, rows with their captions,
    // value texts and units on their lines, and nothing else.
    void resultsPageShowsTheCase_data() { casesData(); }
    void resultsPageShowsTheCase() {
        QFETCH(const WindowCase*, c);
        calculate(*c);
        const bool protectionTooShort = QList<int>{122, 212, 1121, 1122}.contains(c->code);
        QCOMPARE(messages(), protectionTooShort ? QStringList{kTooShort} : QStringList{});
        QCOMPARE(m_w->wizard().state().ProbCodi, c->code);
        QCOMPARE(current(), 4);
        QCOMPARE(tabsShown(), QString(c->code == 211 ? "0124" : "01234") + (c->graphic ? "5" : ""));

        auto* title = get<QLabel>("lblProbTipo");
        QCOMPARE(title->text(), QString(c->title));
        QVERIFY(title->font().bold());
        QCOMPARE(get("bvlProblema")->geometry(), title->geometry().adjusted(-4, -4, 4, 4));
        const char* headings[][2] = {
            {"lblProbPara", "Parameter"}, {"lblProbValo", "Value"}, {"lblProbUnid", "Units"}};
        for (const auto& h : headings) {
            auto* label = get<QLabel>(h[0]);
            QVERIFY(label->isVisible());
            QCOMPARE(label->text(), QString(h[1]));
            QVERIFY(label->font().bold());
            QCOMPARE(topOnPage(h[0]), 24 * 1 + 16);
        }

        QStringList expectedStems;
        for (const ResultRow& r : c->rows) {
            const QString stem = r.stem;
            expectedStems << stem;
            auto* label = get<QLabel>("lbl" + stem);
            auto* value = edit("edt" + stem);
            auto* unit = get<QLabel>("lbl" + stem + "Unid");
            QVERIFY2(label->isVisible() && value->isVisible() && unit->isVisible(), r.stem);
            QCOMPARE(label->text(), QString::fromUtf8(r.caption));
            QCOMPARE(value->text(), QString::fromUtf8(r.value));
            QCOMPARE(unit->text(), QString::fromUtf8(r.unit));
            QVERIFY(value->isReadOnly());
            // The row rule of group 1: label at 24 row + 16, the box 4 pixels higher.
            QCOMPARE(topOnPage("lbl" + stem), 24 * r.row + 16);
            QCOMPARE(topOnPage("edt" + stem), 24 * r.row + 12);
            QCOMPARE(topOnPage("lbl" + stem + "Unid"), 24 * r.row + 16);
        }
        QStringList shownStems;
        for (QLineEdit* e : resultsPage()->findChildren<QLineEdit*>()) {
            if (e->isVisible()) shownStems << e->objectName().mid(3);
        }
        shownStems.sort();
        expectedStems.sort();
        QCOMPARE(shownStems, expectedStems);

        QVERIFY(get("bbtnReporte")->isVisible());
        QVERIFY(get("bbtnShowPUno")->isVisible());
        QCOMPARE(get("bbtnShowPDos")->isVisible(), c->picture2 != nullptr);
        const bool slopes = c->code == 111 || c->code == 121;
        QCOMPARE(get("bbtnPdteCrit")->isVisible(), slopes);
        if (slopes) QCOMPARE(topOnPage("bbtnPdteCrit"), 24 * 10 + 12);
    }

    // The chart after the calculation: titles, colours, points and axes, and the legend.
    void chartShowsTheCurves_data() { casesData(); }
    void chartShowsTheCurves() {
        QFETCH(const WindowCase*, c);
        calculate(*c);
        QChart* ch = chart()->chart();
        QCOMPARE(ch->title(), QString("Instantaneous scour depth"));
        QStringList legend;
        for (QLegendMarker* m : ch->legend()->markers()) legend << m->label();
        QStringList titles;
        for (int k = 0; k < 4; ++k) {
            QLineSeries* s = series(k);
            titles << c->seriesTitles[static_cast<std::size_t>(k)];
            QCOMPARE(s->name(), titles.back());
            QCOMPARE(s->count(), c->pointCounts[static_cast<std::size_t>(k)]);
            QCOMPARE(s->color(), kSeriesColours[k]);
            QVERIFY(!s->pointsVisible());
            QVERIFY(!s->pointLabelsVisible());
            for (int i = 1; i < s->count(); ++i) QVERIFY(s->at(i - 1).x() < s->at(i).x());
        }
        QVERIFY(ch->legend()->isVisible());
        QCOMPARE(legend, titles);

        auto* time = chart()->timeAxis();
        auto* depth = chart()->depthAxis();
        QCOMPARE(time->titleText(), QString("Time (hrs)"));
        QCOMPARE(depth->titleText(), QString("Maximum scour depth (m)"));
        QCOMPARE(time->min(), 0.0);
        QCOMPARE(depth->min(), 0.0);
        if (c->graphic) {
            // The maxima follow the data: at least its reach, and not far beyond it.
            QVERIFY2(time->max() >= c->maxTime && time->max() < 1.5 * c->maxTime,
                     qPrintable(QString("%1 for %2 h").arg(time->max()).arg(c->maxTime)));
            QVERIFY2(depth->max() >= c->maxDepth && depth->max() < 1.5 * c->maxDepth,
                     qPrintable(QString("%1 for %2 m").arg(depth->max()).arg(c->maxDepth)));
            clickTab(5);
            QCOMPARE(current(), 5);
            QVERIFY(chart()->isVisible());
        }
    }

    // Each series is filled with one replace() per calculation; a second Calculation adds its
    // points again; a changed input empties every series and hides the Graphic tab.
    void chartFillsOncePerCalculation_data() {
        QTest::addColumn<const WindowCase*>("c");
        for (const char* name :
             {"WideCulvertAllFormulae", "PlungingJet", "VortexJumpLiveBed", "SpurDikeAllFactors"}) {
            QTest::newRow(name) << &CaseNamed(name);
        }
    }
    void chartFillsOncePerCalculation() {
        QFETCH(const WindowCase*, c);
        calculate(*c);
        std::vector<std::unique_ptr<QSignalSpy>> spies;
        for (int k = 0; k < 4; ++k) {
            spies.push_back(std::make_unique<QSignalSpy>(series(k), &QXYSeries::pointsReplaced));
        }
        clickTab(3);
        click("btnN3");
        QCOMPARE(current(), 4);
        for (int k = 0; k < 4; ++k) {
            const int count = c->pointCounts[static_cast<std::size_t>(k)];
            QCOMPARE(series(k)->count(), 2 * count);
            // A series the calculation drew in is filled once; the others at most once (with
            // their title).
            if (count > 0) {
                QCOMPARE(spies[static_cast<std::size_t>(k)]->count(), 1);
            } else {
                QVERIFY(spies[static_cast<std::size_t>(k)]->count() <= 1);
            }
        }
        // The second curve repeats the first.
        QLineSeries* drawn = nullptr;
        for (int k = 0; k < 4 && !drawn; ++k) {
            if (c->pointCounts[static_cast<std::size_t>(k)] > 0) drawn = series(k);
        }
        QVERIFY(drawn);
        const int n = drawn->count() / 2;
        QCOMPARE(drawn->at(n), drawn->at(0));
        QCOMPARE(drawn->at(2 * n - 1), drawn->at(n - 1));

        clickTab(0);
        type("edtFlujCaud", "2500");
        pressTab();
        QCOMPARE(tabsShown(), QString("0123"));
        QCOMPARE(current(), 0);
        for (int k = 0; k < 4; ++k) {
            QCOMPARE(series(k)->count(), 0);
            QCOMPARE(series(k)->name(), QString(c->seriesTitles[static_cast<std::size_t>(k)]));
        }
    }

    // An axis lays out one tick per step at every change of its range or step: while a
    // calculation fills the chart, no axis ever asks for more than a handful (a curve reaching
    // 2000 h once asked for 10,000 ticks of 0.2 h, and took seconds).
    void axesAskForFewTicks_data() {
        QTest::addColumn<const WindowCase*>("c");
        for (const char* name :
             {"NarrowCulvertDefaults", "BridgePierAllFormulae", "SpurDikeClearWater"}) {
            QTest::newRow(name) << &CaseNamed(name);
        }
    }
    void axesAskForFewTicks() {
        QFETCH(const WindowCase*, c);
        double mostTicks = 0;
        calculate(*c, [&] {
            for (QValueAxis* axis : {chart()->timeAxis(), chart()->depthAxis()}) {
                const auto count = [&mostTicks, axis] {
                    mostTicks =
                        std::max(mostTicks, (axis->max() - axis->min()) / axis->tickInterval());
                };
                connect(axis, &QValueAxis::rangeChanged, this, count);
                connect(axis, &QValueAxis::tickIntervalChanged, this, count);
            }
        });
        QVERIFY(c->maxTime > 1000);
        QVERIFY2(mostTicks > 0 && mostTicks <= 10, qPrintable(QString::number(mostTicks)));
        clickTab(0);
        type("edtFlujCaud", "2500");
        pressTab();
        QVERIFY2(mostTicks <= 10, qPrintable(QString::number(mostTicks)));
    }

    // The first calculation that draws no curve leaves the Graphic tab hidden and the series
    // empty under their first titles where the routine left them.
    void noCurveLeavesTheGraphicHidden() {
        const WindowCase& c = CaseNamed("BridgePierDefaults");
        QVERIFY(!c.graphic);
        calculate(c);
        QCOMPARE(tabsShown(), QString("01234"));
        for (int k = 0; k < 4; ++k) QCOMPARE(series(k)->count(), 0);
    }

    // The "Image" buttons reach the frame with the picture window of the model problem; the
    // spur dike's two buttons stand side by side and each can be clicked.
    void imageButtonsOpenThePictures_data() { casesData(true); }
    void imageButtonsOpenThePictures() {
        QFETCH(const WindowCase*, c);
        calculate(*c);
        m_frame.calls.clear();
        click("bbtnShowPUno", true);
        QStringList expected = {QString("openPicture ") + c->picture1};
        if (c->picture2) {
            click("bbtnShowPDos", true);
            expected << QString("openPicture ") + c->picture2;
            const QRect one = get("bbtnShowPUno")->geometry();
            const QRect two = get("bbtnShowPDos")->geometry();
            QVERIFY(!one.intersects(two));
        }
        QCOMPARE(m_frame.calls, expected);
    }

    void slopesButtonOpensTheLimitingSlopes_data() {
        QTest::addColumn<const WindowCase*>("c");
        QTest::newRow("111") << &CaseNamed("VortexJumpLiveBed");
        QTest::newRow("121") << &CaseNamed("VortexGateLiveBed");
    }
    void slopesButtonOpensTheLimitingSlopes() {
        QFETCH(const WindowCase*, c);
        calculate(*c);
        QString seen;
        m_modal->onDialog = [&](QDialog* dialog) {
            seen = ClassName(dialog) + " " + dialog->windowTitle();
            ShowModally(dialog);
            ClickIn(dialog, "BitBtn1");
            return dialog->result();
        };
        click("bbtnPdteCrit", true);
        QCOMPARE(seen, QString("TfrmPdteCritPVC Limiting slopes for mechanical stability"));
        QCOMPARE(current(), 4);
    }

    // Each picker button of the window opens its own table.
    void pickerButtonsOpenTheirTables_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("dialog");
        const auto row = [](int code, const char* button, const char* dialog, const char* title) {
            QTest::addRow("%d %s", code, button)
                << code << QString(button) << QString(dialog) + " " + title;
        };
        row(22, "bbtnEstrFactFormKs", "TfrmCIFOks", "Correction for cross-section form");
        row(22, "bbtnEstrFactGrup", "TfrmHiGrup", "Correction for group of two vertical piles");
        row(22, "bbtnSediAnguRepo", "TfrmAnguRepo", "Angle of repose");
        row(212, "bbtnEstrFactCurv", "TfrmAhmaCICC", "Correction for curvature");
        row(212, "bbtnEstrFactPoro", "TfrmAhmaCIPO", "Correction for porosity");
        row(212, "bbtnEstrFactAngu", "TfrmAhmaCIAA", "Correction for attack");
        row(212, "bbtnEstrFactFormKs", "TfrmCIFOks", "Correction for cross-section form");
        row(212, "bbtnEstrFactFormKb", "TfrmCIFOkb", "Correction for structure form");
        row(212, "bbtnEstrFactFormKl", "TfrmCIFOkl", "Form correction");
        row(122, "bbtnSediAnguRepo", "TfrmAnguRepo", "Angle of repose");
        row(1121, "bbtnSediAnguRepo", "TfrmAnguRepo", "Angle of repose");
        row(1122, "bbtnSediAnguRepo", "TfrmAnguRepo", "Angle of repose");
    }
    void pickerButtonsOpenTheirTables() {
        QFETCH(int, code);
        QFETCH(QString, button);
        QFETCH(QString, dialog);
        open();
        follow(RoadTo(code));
        QString seen;
        m_modal->onDialog = [&](QDialog* d) {
            seen = ClassName(d) + " " + d->windowTitle();
            return int(QDialog::Rejected);
        };
        click(button, true);
        QCOMPARE(seen, dialog);
    }

    // After a calculation: OK writes the returned text and runs the box's exit check (the panel
    // follows, a changed value hides Results and Graphic); OK without a row empties the box;
    // Cancel and the close box change nothing.
    void pickerOutcome_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<QStringList>("before");  // "box=text" typed before the calculation
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("choice");
        QTest::addColumn<QString>("end");
        QTest::addColumn<QString>("text");  // the box's text afterwards
        QTest::addColumn<QString>("bold");  // the panel before and after: "0010>0110"
        QTest::addColumn<QString>("tabs");  // the tabs before and after
        QTest::newRow("Kl blunt, OK") << 212 << QStringList{} << "bbtnEstrFactFormKl"
                                      << "rgCIFOklItem1"
                                      << "ok"
                                      << "2.15"
                                      << "0010>0110"
                                      << "012345>0123";
        QTest::newRow("Kl, OK without a row")
            << 212 << QStringList{"edtEstrFactFormKl=1.10"} << "bbtnEstrFactFormKl"
            << ""
            << "ok"
            << ""
            << "0110>0010"
            << "012345>0123";
        QTest::newRow("Kl blunt, Cancel")
            << 212 << QStringList{"edtEstrFactFormKl=1.10"} << "bbtnEstrFactFormKl"
            << "rgCIFOklItem1"
            << "bbtnCanc"
            << "1.10"
            << "0110>0110"
            << "012345>012345";
        QTest::newRow("Kl blunt, close box")
            << 212 << QStringList{"edtEstrFactFormKl=1.10"} << "bbtnEstrFactFormKl"
            << "rgCIFOklItem1"
            << "close"
            << "1.10"
            << "0110>0110"
            << "012345>012345";
        QTest::newRow("Kp, Cancel on the empty box") << 212 << QStringList{} << "bbtnEstrFactCurv"
                                                     << "rgAhmaCICCItem2"
                                                     << "bbtnCanc"
                                                     << ""
                                                     << "0010>0010"
                                                     << "012345>012345";
        QTest::newRow("Kgr rear pier > 15b, OK")
            << 22 << QStringList{"edtEstrFactFormKs=1.0"} << "bbtnEstrFactGrup"
            << "rb12"
            << "ok"
            << "0.80"
            << "0000>1110"
            << "01234>0123";
        QTest::newRow("repose fine sand firm, OK") << 122 << QStringList{} << "bbtnSediAnguRepo"
                                                   << "rgAnguRepoItem7"
                                                   << "ok"
                                                   << "29"
                                                   << "1011>1111"
                                                   << "012345>0123";
        QTest::newRow("repose, OK without a row on the empty box")
            << 1122 << QStringList{} << "bbtnSediAnguRepo"
            << ""
            << "ok"
            << ""
            << "01>01"
            << "012345>012345";
    }
    void pickerOutcome() {
        QFETCH(int, code);
        QFETCH(QStringList, before);
        QFETCH(QString, button);
        QFETCH(QString, choice);
        QFETCH(QString, end);
        QFETCH(QString, text);
        QFETCH(QString, bold);
        QFETCH(QString, tabs);
        open();
        follow(RoadTo(code));
        typeAll(before);
        click("btnN3");
        QCOMPARE(tabsShown(), tabs.section('>', 0, 0));
        clickTab(3);
        QCOMPARE(boldPattern(), bold.section('>', 0, 0));
        messages().clear();
        choose(button, choice, end);
        QCOMPARE(edit(QString(button).replace("bbtn", "edt"))->text(), text);
        QCOMPARE(boldPattern(), bold.section('>', 1));
        QCOMPARE(tabsShown(), tabs.section('>', 1));
        QCOMPARE(current(), 3);
        QCOMPARE(messages(), QStringList{});
    }

    // Range button k opens the sheet of the k-th formula of the code, or says that none exists;
    // buttons of slots the code does not use are not shown.
    void rangeButtons_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<QStringList>("outcomes");  // per slot: sheet and caption, "!" or "-"
        const QString none = "!";
        const QString hidden = "-";
        QTest::newRow("22") << 22 << QStringList{none, none, none, none};
        QTest::newRow("31") << 31
                            << QStringList{"TfrmRangPAGRaBe Rajaratnam & Berry formula",
                                           "TfrmRangPAGRuff Ruff formula",
                                           "TfrmRangPAGBreu Breusers formula",
                                           "TfrmRangPAGHoff Hoffmans formula"};
        QTest::newRow("111") << 111 << QStringList{none, hidden, hidden, hidden};
        QTest::newRow("121") << 121 << QStringList{none, hidden, hidden, hidden};
        QTest::newRow("122") << 122
                             << QStringList{"TfrmRangPACQayo Qayoum formula",
                                            "TfrmRangPACAlBa Altinbilek & Basmaci formula",
                                            "TfrmRangPACBreu Breusers formula",
                                            "TfrmRangPACHoff Hoffmans formula"};
        QTest::newRow("212") << 212 << QStringList{none, none, none, none};
        QTest::newRow("1121") << 1121
                              << QStringList{"TfrmRangPEnBoJu Bornmann & Julien formula", hidden,
                                             hidden, hidden};
        QTest::newRow("1122") << 1122
                              << QStringList{"TfrmRangPCZBoJu Bornmann & Julien formula",
                                             "TfrmRangPCZFahl Fahlbusch formula", hidden, hidden};
    }
    void rangeButtons() {
        QFETCH(int, code);
        QFETCH(QStringList, outcomes);
        open();
        follow(RoadTo(code));
        QString seen;
        m_modal->onDialog = [&](QDialog* dialog) {
            seen = ClassName(dialog) + " " + dialog->windowTitle();
            ShowModally(dialog);
            ClickIn(dialog, "BitBtn1");
            return dialog->result();
        };
        for (int k = 0; k < 4; ++k) {
            const QString button = QString("bbtnRango%1").arg(k + 1);
            const QString& expected = outcomes[k];
            QCOMPARE(get(button)->isVisible(), expected != "-");
            if (expected == "-") continue;
            seen.clear();
            messages().clear();
            click(button, true);
            if (expected == "!") {
                QCOMPARE(messages(), QStringList{"Ranges of calibration/validation not available"});
                QCOMPARE(seen, QString());
            } else {
                QCOMPARE(messages(), QStringList{});
                QCOMPARE(seen, expected);
            }
            QCOMPARE(current(), 3);
        }
    }

    // "Report": the observations asked for, then the preview, whose page is printed to a PDF as
    // its print command does; the PDF's text holds the title, the inputs as typed, the results
    // as the Results page shows them and the observations when given.
    void reportFromTheWindow_data() {
        QTest::addColumn<const WindowCase*>("c");
        QTest::addColumn<QString>("observations");  // "given", "not given", "cancelled"
        QTest::newRow("bridge pier, observations given")
            << &CaseNamed("BridgePierAllFormulae") << "given";
        QTest::newRow("plunging jet, OK without observations")
            << &CaseNamed("PlungingJet") << "not given";
        QTest::newRow("spur dike, observations cancelled")
            << &CaseNamed("SpurDikeAllFactors") << "cancelled";
        QTest::newRow("confined vortex, porosity 0.40")
            << &CaseNamed("VortexJumpLiveBed") << "given";
        QTest::newRow("protected spur dike, no complementary data")
            << &CaseNamed("ProtectedSpurDike") << "not given";
    }
    void reportFromTheWindow() {
        QFETCH(const WindowCase*, c);
        QFETCH(QString, observations);
        calculate(*c);
        QTemporaryDir dir;
        const QString pdf = dir.filePath("report.pdf");
        const QStringList typed = {"Pier founded on dense gravel.", "Survey of 12 March."};
        QStringList dialogs;
        m_modal->onDialog = [&](QDialog* dialog) {
            dialogs << ClassName(dialog);
            if (auto* preview = qobject_cast<QPrintPreviewDialog*>(dialog)) {
                // The preview's print command, with the printer set to write a PDF file.
                QPrinter* printer = preview->printer();
                printer->setOutputFormat(QPrinter::PdfFormat);
                printer->setOutputFileName(pdf);
                preview->findChild<QPrintPreviewWidget*>()->print();
                return int(QDialog::Rejected);
            }
            ShowModally(dialog);
            if (observations != "not given") {
                auto* text = dialog->findChild<QPlainTextEdit*>("mmObservaciones");
                QTest::keyClicks(text, typed[0]);
                QTest::keyClick(text, Qt::Key_Return);
                QTest::keyClicks(text, typed[1]);
            }
            ClickIn(dialog, observations == "cancelled" ? "bbtnCanc" : "bbtnOk");
            return dialog->result();
        };
        click("bbtnReporte", true);
        QCOMPARE(dialogs, (QStringList{"TfrmObservaciones", "QPrintPreviewDialog"}));
        QVERIFY(QFile::exists(pdf));

        const QStringList lines = PdfLines(pdf);
        // Every expected line in order, each as the report prints it: parameter, value, unit.
        QStringList expected = {QString(c->title), "Global Data"};
        for (const ReportLine& l : c->report) {
            expected << QString::fromUtf8("%1 %2 %3")
                            .arg(QString::fromUtf8(l.parameter), QString::fromUtf8(l.value),
                                 QString::fromUtf8(l.unit))
                            .simplified();
        }
        if (observations == "given") expected << "Observations" << typed;
        qsizetype at = 0;
        for (const QString& e : expected) {
            const qsizetype found = lines.indexOf(e, at);
            QVERIFY2(found >= 0,
                     qPrintable("not printed in order: " + e + "\n" + lines.join('\n')));
            at = found + 1;
        }
        for (const char* heading :
             {"Local Data", "Structure Data", "Complementary Data", "Results"}) {
            QVERIFY2(lines.contains(heading), heading);
        }
        QCOMPARE(lines.contains("Observations"), observations == "given");
        if (observations != "given") {
            for (const QString& t : typed) QVERIFY(!lines.contains(t));
        }
        QCOMPARE(current(), 4);
    }
};

QTEST_MAIN(TestProbTipoResults)
#include "tst_untProbTipo_results.moc"
