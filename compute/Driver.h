#pragma once
// The "Calculation" command: reads the inputs of a calculation window into its problem state,
// computes the fundamentals and the preparations of the model problem, and runs the model
// problem's routine, which evaluates each active formula and draws its scour-time curve.
//
// The driver reaches the window only through the small interfaces below.

#include <initializer_list>
#include <optional>
#include <string>

#include "InputBoxes.h"
#include "TimeEvolution.h"
#include "untGeneral.h"

namespace taldor {

// The texts of the input boxes and the roughness option.
class InputSource {
public:
    virtual ~InputSource() = default;
    virtual std::string boxText(Box box) const = 0;
    virtual bool roughnessByHeight() const = 0;  // "Roughness Height" chosen, not Manning's n
};

// The formula slot labels lbl1 .. lbl4 (slot 0 .. 3): caption and whether it is bold.
class SlotLabels {
public:
    virtual ~SlotLabels() = default;
    virtual std::string caption(int slot) const = 0;
    virtual bool isBold(int slot) const = 0;
};

// The chart's line series sr1 .. sr4 (slot 0 .. 3).
class ChartSeries {
public:
    virtual ~ChartSeries() = default;
    virtual void setTitle(int slot, const std::string& title) = 0;
    virtual void addPoint(int slot, double t, double z) = 0;
};

// The page control's tabs.
class PageTabs {
public:
    virtual ~PageTabs() = default;
    virtual void setTabVisible(Page page, bool visible) = 0;
    virtual void setActivePage(Page page) = 0;
};

// The title label of the Results page (lblProbTipo, with its frame).
class TitleLabel {
public:
    virtual ~TitleLabel() = default;
    virtual void setCaption(const std::string& caption) = 0;
};

// A box whose text is not a number when the calculation reads it.
struct InvalidBoxText {
    Box box;
};

// Reads a box as a number (the empty text reads as 0); throws InvalidBoxText otherwise.
Real ReadBox(const InputSource& input, Box box);

// What a model problem's routine works with: the state, the slot labels, the series and the
// tabs, paired by slot (label k, series k and output OutpErosMaxi k belong together).
class RoutineContext {
public:
    RoutineContext(ProblemState& s, const SlotLabels& labels, ChartSeries& series, PageTabs& tabs)
        : state(s), m_labels(labels), m_series(series), m_tabs(tabs) {}

    ProblemState& state;

    // A slot is active when its label is bold.
    bool active(int slot) const { return m_labels.isBold(slot); }
    std::string caption(int slot) const { return m_labels.caption(slot); }
    void setTitle(int slot, const std::string& title) { m_series.setTitle(slot, title); }
    // Series k takes the caption of label k as its title.
    void titleFromLabel(int slot) { setTitle(slot, caption(slot)); }
    // The depth formulas of the first slots, in slot order: an inactive slot's series is titled
    // "inactive" and its depth keeps its earlier value; an active slot's depth is written and its
    // series takes the slot's caption.
    using DepthFormula = Real (*)(const ProblemState&);
    void evaluateSlots(std::initializer_list<DepthFormula> formulas);
    // The standard scour-time curve, from z1 = h (the flow depth) at t1 = TiemCara to ze, drawn in
    // series k; the Graphic tab becomes visible.
    void drawStandardCurve(int slot, Real ze);
    // The live-bed curve of the confined vortex; returns its last depth.
    Real drawLiveBedCurve(int slot, Real ze, Real qs, Real p);
    void showGraphic() { m_tabs.setTabVisible(Page::Grafico, true); }

private:
    const SlotLabels& m_labels;
    ChartSeries& m_series;
    PageTabs& m_tabs;
};

// How a calculation ended.
struct CalcOutcome {
    enum class Status {
        Done,         // the routine ran and the Results page is shown
        NoRoutine,    // the code has no model problem: nothing was shown
        Fault,        // a floating-point fault stopped it; `message` says which
        InvalidInput  // a box was not a number; `box` names it
    };
    Status status = Status::Done;
    std::string message;
    std::optional<Box> box;
};

// Runs the command for the problem code in s.ProbCodi. On a fault the fields and series points
// written before it stay, and the Results and Graphic tabs are hidden: they would show numbers
// that no calculation finished.
CalcOutcome RunCalculation(ProblemState& s, const InputSource& input, const SlotLabels& labels,
                           ChartSeries& series, PageTabs& tabs, TitleLabel& title);

}  // namespace taldor
