#include "ScourChart.h"

#include <QChart>
#include <QChartView>
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

double RoundAxisMaximum(double v) {
    if (!(v > 0) || !std::isfinite(v)) return 1.0;
    const double decade = std::pow(10.0, std::floor(std::log10(v)));
    for (double m : {1.0, 2.0, 2.5, 5.0, 10.0}) {
        // A relative tolerance keeps 2.4 from becoming 2.5 through the rounding of m * decade.
        if (m * decade >= v * (1 - 1e-12)) return std::max(m * decade, v);
    }
    return 10.0 * decade;
}

ScourChart::ScourChart(QWidget* parent) : QWidget(parent) {
    setObjectName("chrtGrafico");
    m_chart = new QChart;
    m_chart->setTitle("Instantaneous scour depth");
    m_chart->setAnimationOptions(QChart::NoAnimation);
    m_chart->legend()->setVisible(true);
    m_chart->legend()->setAlignment(Qt::AlignBottom);

    m_time = new QValueAxis(m_chart);
    m_time->setTitleText("Time (hrs)");
    m_time->setLabelFormat("%g");
    m_time->setTickCount(kAxisSteps + 1);
    m_depth = new QValueAxis(m_chart);
    m_depth->setTitleText("Maximum scour depth (m)");
    m_depth->setLabelFormat("%g");
    m_depth->setTickCount(kAxisSteps + 1);
    m_chart->addAxis(m_time, Qt::AlignBottom);
    m_chart->addAxis(m_depth, Qt::AlignLeft);

    for (int k = 0; k < 4; ++k) {
        auto* s = new QLineSeries(m_chart);
        s->setObjectName(kLooks[k].name);
        s->setName(kLooks[k].initialTitle);
        QPen pen(kLooks[k].colour);
        pen.setWidthF(1.5);
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
    s->setName(QString::fromStdString(state.title));
    s->replace(points);
    fitAxes();
}

void ScourChart::fitAxes() {
    const double t = *std::max_element(m_maxTime.begin(), m_maxTime.end());
    const double z = *std::max_element(m_maxDepth.begin(), m_maxDepth.end());
    m_time->setRange(0, RoundAxisMaximum(t));
    m_depth->setRange(0, RoundAxisMaximum(z));
}

}  // namespace taldor::output
