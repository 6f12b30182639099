#include "ScourChart.h"

#include <QChart>
#include <QChartView>
#include <QGraphicsLayout>
#include <QLegend>
#include <QLineSeries>
#include <QList>
#include <QPen>
#include <QPointF>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "ProblemWizard.h"

namespace taldor::output {

namespace {

struct SeriesLook {
    const char* name;
    QColor colour;
    const char* initialTitle;
};
const SeriesLook kLooks[4] = {
    {"sr1", QColor(255, 0, 0), "(a)"},
    {"sr2", QColor(0, 128, 0), "(b)"},
    {"sr3", QColor(64, 0, 64), "(c)"},
    {"sr4", QColor(0, 0, 255), "(d)"},
};

constexpr int kAxisSteps = 5;

}  // namespace

AxisScale RoundAxis(double v) {
    if (!(v > 0) || !std::isfinite(v)) return {1.0, 0.2};
    const double rough = v / kAxisSteps;
    const double decade = std::pow(10.0, std::floor(std::log10(rough)));
    double step = 10.0 * decade;
    for (double m : {1.0, 2.0, 2.5, 5.0}) {
        // The relative tolerance keeps 2 from becoming 2.5 through the rounding of m * decade.
        if (m * decade >= rough * (1 - 1e-12)) {
            step = m * decade;
            break;
        }
    }
    double maximum = std::ceil(v / step - 1e-9) * step;
    if (maximum < v) maximum += step;
    return {maximum, step};
}

ScourChart::ScourChart(QWidget* parent) : QWidget(parent) {
    setObjectName("chrtGrafico");
    m_chart = new QChart;
    m_chart->setTitle("Instantaneous scour depth");
    m_chart->setAnimationOptions(QChart::NoAnimation);
    m_chart->legend()->setVisible(true);
    m_chart->legend()->setAlignment(Qt::AlignBottom);
    // The page is only a few hundred pixels high: without the chart's outer padding the depth
    // axis is tall enough for its whole title.
    m_chart->layout()->setContentsMargins(0, 0, 0, 0);
    m_chart->setMargins(QMargins(8, 4, 8, 4));
    m_chart->setBackgroundRoundness(0);

    m_time = new QValueAxis(m_chart);
    m_time->setTitleText("Time (hrs)");
    m_time->setLabelFormat("%g");
    m_time->setTickType(QValueAxis::TicksDynamic);
    m_time->setTickAnchor(0);
    m_depth = new QValueAxis(m_chart);
    m_depth->setTitleText("Maximum scour depth (m)");
    m_depth->setLabelFormat("%g");
    m_depth->setTickType(QValueAxis::TicksDynamic);
    m_depth->setTickAnchor(0);
    m_chart->addAxis(m_time, Qt::AlignBottom);
    m_chart->addAxis(m_depth, Qt::AlignLeft);

    for (int k = 0; k < 4; ++k) {
        auto* s = new QLineSeries(m_chart);
        s->setObjectName(kLooks[k].name);
        s->setName(kLooks[k].initialTitle);
        // A thin pen: a line of 5000 points is drawn in a third of the time a wider one takes.
        QPen pen(kLooks[k].colour);
        pen.setWidthF(1.0);
        s->setPen(pen);
        s->setPointsVisible(false);
        s->setPointLabelsVisible(false);
        m_chart->addSeries(s);
        s->attachAxis(m_time);
        s->attachAxis(m_depth);
        m_series[static_cast<std::size_t>(k)] = s;
    }
    fitAxes();

    m_view = new QChartView(m_chart, this);
    m_view->setRenderHint(QPainter::Antialiasing, true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);
}

QLineSeries* ScourChart::series(int slot) const {
    if (slot < 0 || slot >= 4) return nullptr;
    return m_series[static_cast<std::size_t>(slot)];
}

void ScourChart::showSeries(int slot, const taldor::SeriesState& state) {
    QLineSeries* s = series(slot);
    if (!s) return;
    const auto k = static_cast<std::size_t>(slot);
    QList<QPointF> points;
    points.reserve(static_cast<qsizetype>(state.points.size()));
    double maxTime = 0, maxDepth = 0;
    for (const taldor::SeriesPoint& p : state.points) {
        points.append(QPointF(p.t, p.z));
        maxTime = std::max(maxTime, p.t);
        maxDepth = std::max(maxDepth, p.z);
    }
    m_maxTime[k] = maxTime;
    m_maxDepth[k] = maxDepth;
    // A change of the axes' range lays out again every line already drawn, this one included:
    // it is made while this line holds the shorter of its old and new point lists.
    const bool growing = points.size() > s->count();
    if (growing) fitAxes();
    s->setName(QString::fromStdString(state.title));
    s->replace(points);
    if (!growing) fitAxes();
}

namespace {

// The axis lays out a tick and a label per step at once when its range or its step changes. A
// wider range under the old, finer step would momentarily want thousands of them (0 to 2000 h in
// steps of 0.2 h), which takes seconds: the coarser step is always set first.
void SetScale(QValueAxis* axis, const AxisScale& scale) {
    if (scale.step >= axis->tickInterval()) {
        axis->setTickInterval(scale.step);
        axis->setRange(0, scale.maximum);
    } else {
        axis->setRange(0, scale.maximum);
        axis->setTickInterval(scale.step);
    }
}

}  // namespace

void ScourChart::fitAxes() {
    SetScale(m_time, RoundAxis(*std::max_element(m_maxTime.begin(), m_maxTime.end())));
    SetScale(m_depth, RoundAxis(*std::max_element(m_maxDepth.begin(), m_maxDepth.end())));
}

}  // namespace taldor::output
