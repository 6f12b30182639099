// The chart of the Graphic page: its presentation, and how the series a calculation leaves
// are shown (titles, one replace() of all the points per fill, axes from 0 over the data).
//
// Curve sizes come from tests/output/reference/jet_cases.py: for the default plunging jet both
// curves end at the 5000-point limit, at t = 5.45995 h, the deepest points 3.0413 m (Bornmann &
// Julien) and 4.3995 m (Fahlbusch).

#include <QApplication>
#include <QChart>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QValueAxis>
#include <cmath>

#include "QtTestGuards.h"
#include "CaseRoads.h"
#include "ScourChart.h"

using taldor::output::ScourChart;

namespace {

// Shows every series of the window in the chart, as the window does after a calculation.
void ShowAll(ScourChart& chart, const taldor::ProblemWizard& wizard) {
    for (int k = 0; k < 4; ++k) chart.showSeries(k, wizard.series(k));
}

}  // namespace

class TestScourChart : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { taldor::testing::FailOnQtWarnings(); }
    void cleanup() {
        QVERIFY2(!taldor::testing::TopLevelWidgetsLeft(), "a top-level widget leaked");
    }

    void presentationBeforeAnyCalculation();
    void plungingJetFillsTwoSeriesOnceEach();
    void secondCalculationAddsThePointsAgain();
    void emptyingAndTheAxesFollowingTheData();
    void roundAxis_data();
    void roundAxis();
};

void TestScourChart::presentationBeforeAnyCalculation() {
    ScourChart chart;
    QCOMPARE(chart.objectName(), QString("chrtGrafico"));
    QCOMPARE(chart.chart()->title(), QString("Instantaneous scour depth"));
    QCOMPARE(chart.timeAxis()->titleText(), QString("Time (hrs)"));
    QCOMPARE(chart.depthAxis()->titleText(), QString("Maximum scour depth (m)"));
    QCOMPARE(chart.timeAxis()->min(), 0.0);
    QCOMPARE(chart.depthAxis()->min(), 0.0);
    QVERIFY(chart.chart()->legend()->isVisible());

    struct Look {
        const char* name;
        const char* title;
        QColor colour;
    };
    const Look looks[] = {{"sr1", "(a)", QColor(255, 0, 0)},
                          {"sr2", "(b)", QColor(0, 128, 0)},
                          {"sr3", "(c)", QColor(64, 0, 64)},
                          {"sr4", "(d)", QColor(0, 0, 255)}};
    const QList<QLegendMarker*> markers = chart.chart()->legend()->markers();
    QCOMPARE(markers.size(), 4);
    for (int k = 0; k < 4; ++k) {
        QLineSeries* s = chart.series(k);
        QCOMPARE(s->objectName(), QString(looks[k].name));
        QCOMPARE(s->name(), QString(looks[k].title));
        QCOMPARE(s->color(), looks[k].colour);
        QCOMPARE(s->pen().color(), looks[k].colour);
        QVERIFY(!s->pointsVisible());
        QVERIFY(!s->pointLabelsVisible());
        QCOMPARE(s->count(), 0);
        QCOMPARE(markers[k]->label(), QString(looks[k].title));
    }
}

void TestScourChart::plungingJetFillsTwoSeriesOnceEach() {
    taldor::RecordedWindow window;
    taldor::testing::Drive(window, taldor::testing::PlungingJetRoad());
    ScourChart chart;
    chart.show();
    QVERIFY(QTest::qWaitForWindowExposed(&chart));
    std::vector<std::unique_ptr<QSignalSpy>> spies;
    for (int k = 0; k < 4; ++k) {
        spies.push_back(
            std::make_unique<QSignalSpy>(chart.series(k), &QLineSeries::pointsReplaced));
    }
    ShowAll(chart, window.wizard);

    const QStringList titles = {"Bornmann & Julien", "Fahlbusch", "inactive", "inactive"};
    const int counts[] = {5000, 5000, 0, 0};
    const QList<QLegendMarker*> markers = chart.chart()->legend()->markers();
    for (int k = 0; k < 4; ++k) {
        QCOMPARE(chart.series(k)->name(), titles[k]);
        QCOMPARE(markers[k]->label(), titles[k]);
        QCOMPARE(chart.series(k)->count(), counts[k]);
        QCOMPARE(spies[static_cast<std::size_t>(k)]->size(), 1);
    }
    // The points as the calculation gave them, sorted by time, from the start of scour.
    const QPointF first = chart.series(0)->at(0);
    QCOMPARE(first.x(), 0.0);
    QCOMPARE(first.y(), 0.0);
    QVERIFY(qAbs(chart.series(1)->at(4999).x() - 5.45995146000239) < 1e-9);
    QVERIFY(qAbs(chart.series(1)->at(4999).y() - 4.399456413581011) < 1e-9);
    // Axes from 0 to a round number beyond the data.
    QCOMPARE(chart.timeAxis()->min(), 0.0);
    QCOMPARE(chart.timeAxis()->max(), 6.0);
    QCOMPARE(chart.timeAxis()->tickInterval(), 2.0);
    QCOMPARE(chart.depthAxis()->min(), 0.0);
    QCOMPARE(chart.depthAxis()->max(), 5.0);
    QCOMPARE(chart.depthAxis()->tickInterval(), 1.0);
}

void TestScourChart::secondCalculationAddsThePointsAgain() {
    taldor::RecordedWindow window;
    taldor::testing::Drive(window, taldor::testing::StepRoad());
    ScourChart chart;
    ShowAll(chart, window.wizard);
    QCOMPARE(chart.series(0)->count(), 5000);
    QCOMPARE(chart.series(0)->name(), QString("Bornmann & Julien"));
    QSignalSpy spy(chart.series(0), &QLineSeries::pointsReplaced);
    window.wizard.btnN3Click();
    chart.showSeries(0, window.wizard.series(0));
    QCOMPARE(spy.size(), 1);
    QCOMPARE(chart.series(0)->count(), 10000);
}

void TestScourChart::emptyingAndTheAxesFollowingTheData() {
    ScourChart chart;
    taldor::SeriesState s;
    s.title = "Breusers";
    s.points = {{0, 0}, {1, 1.2}, {10, 2.4}};
    chart.showSeries(2, s);
    QVERIFY(chart.timeAxis()->max() >= 10.0);
    QVERIFY(chart.depthAxis()->max() >= 2.4);
    QCOMPARE(chart.depthAxis()->max(), 2.5);

    // A shallower series does not shrink the axes below the deeper one.
    taldor::SeriesState t{"Johnson", {{0, 0}, {3, 0.7}}};
    chart.showSeries(0, t);
    QCOMPARE(chart.timeAxis()->max(), 10.0);
    QCOMPARE(chart.depthAxis()->max(), 2.5);

    // Emptied (an input changed): the titles stay, the lines and the axes' reach go.
    QSignalSpy spy(chart.series(2), &QLineSeries::pointsReplaced);
    for (int k = 0; k < 4; ++k) chart.showSeries(k, {k == 2 ? "Breusers" : "Johnson", {}});
    QCOMPARE(spy.size(), 1);
    QCOMPARE(chart.series(2)->count(), 0);
    QCOMPARE(chart.series(2)->name(), QString("Breusers"));
    QCOMPARE(chart.timeAxis()->min(), 0.0);
    QCOMPARE(chart.depthAxis()->max(), 1.0);
    // A slot out of range is ignored.
    chart.showSeries(4, s);
    chart.showSeries(-1, s);
}

void TestScourChart::roundAxis_data() {
    QTest::addColumn<double>("v");
    QTest::addColumn<double>("maximum");
    QTest::addColumn<double>("step");
    QTest::newRow("none") << 0.0 << 1.0 << 0.2;
    QTest::newRow("negative") << -3.0 << 1.0 << 0.2;
    QTest::newRow("not a number") << std::nan("") << 1.0 << 0.2;
    QTest::newRow("2.4 m") << 2.4 << 2.5 << 0.5;
    QTest::newRow("exactly 10 h") << 10.0 << 10.0 << 2.0;
    QTest::newRow("exactly 2") << 2.0 << 2.0 << 0.5;
    QTest::newRow("just above 2") << 2.0001 << 2.5 << 0.5;
    QTest::newRow("4.3995 m") << 4.3995 << 5.0 << 1.0;
    QTest::newRow("5.46 h") << 5.46 << 6.0 << 2.0;
    QTest::newRow("small") << 0.0012 << 0.00125 << 0.00025;
    QTest::newRow("large") << 3100.0 << 4000.0 << 1000.0;
    QTest::newRow("just above a step") << 5.0000001 << 6.0 << 2.0;
}

void TestScourChart::roundAxis() {
    QFETCH(double, v);
    QFETCH(double, maximum);
    QFETCH(double, step);
    const taldor::output::AxisScale got = taldor::output::RoundAxis(v);
    QVERIFY2(qAbs(got.maximum - maximum) <= 1e-12 * maximum,
             qPrintable(QString::number(got.maximum, 'g', 17)));
    QVERIFY2(qAbs(got.step - step) <= 1e-12 * step, qPrintable(QString::number(got.step, 'g', 17)));
    if (v > 0) QVERIFY(got.maximum >= v);
}

QTEST_MAIN(TestScourChart)
#include "tst_scourchart.moc"
