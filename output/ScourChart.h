#pragma once
// The chart of the Graphic page (chrtGrafico): scour depth against time, one line series per
// formula slot (sr1 .. sr4).

#include <QWidget>
#include <array>

class QChart;
class QChartView;
class QLineSeries;
class QValueAxis;

namespace taldor {
struct SeriesState;
}

namespace taldor::output {

class ScourChart : public QWidget {
    Q_OBJECT
public:
    explicit ScourChart(QWidget* parent = nullptr);

    // Shows a series as the calculation left it: its title and all its points, set with one
    // replace() of the whole point list; the axes follow the data.
    void showSeries(int slot, const taldor::SeriesState& series);

    QChart* chart() const { return m_chart; }
    QChartView* view() const { return m_view; }
    QLineSeries* series(int slot) const;
    QValueAxis* timeAxis() const { return m_time; }
    QValueAxis* depthAxis() const { return m_depth; }

private:
    void fitAxes();

    QChart* m_chart;
    QChartView* m_view;
    QValueAxis* m_time;
    QValueAxis* m_depth;
    std::array<QLineSeries*, 4> m_series{};
    // Largest time and depth of each series' points.
    std::array<double, 4> m_maxTime{};
    std::array<double, 4> m_maxDepth{};
};

// An axis from 0 over data reaching v: a round step (1, 2, 2.5 or 5 times a power of ten) that
// divides the reach into at most five parts, and the first multiple of it not below v. For no
// positive v, 0 to 1 in steps of 0.2.
struct AxisScale {
    double maximum;
    double step;
};
AxisScale RoundAxis(double v);

}  // namespace taldor::output
