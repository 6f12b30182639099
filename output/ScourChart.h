#pragma once
// The chart of the Graphic page (chrtGrafico): scour depth against time, one line series per
// formula slot (sr1 .. sr4).

#include <QWidget>

#include "ProblemWizard.h"

class QChart;
class QLineSeries;

namespace taldor::output {

class ScourChart : public QWidget {
    Q_OBJECT
public:
    explicit ScourChart(QWidget* parent = nullptr);

    // Shows a series as the calculation left it: its title and all its points, set with one
    // replace() of the whole point list; the axes follow the data.
    void showSeries(int slot, const taldor::SeriesState& series);
};

}  // namespace taldor::output
