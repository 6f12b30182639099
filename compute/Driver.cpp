#include "Driver.h"

#include <array>

#include "Classification.h"
#include "CulvertProblems.h"
#include "FormulaPanel.h"
#include "JetProblems.h"
#include "ModelProblem.h"
#include "NumberReading.h"
#include "PierProblems.h"
#include "SlotOutputs.h"
#include "SpurDikeProblems.h"
#include "VortexProblems.h"

namespace taldor {

namespace {

// The model problems the driver dispatches to.
const std::array<const ModelProblem*, 9> kModelProblems = {
    &kBridgePierProblem, &kNarrowCulvertProblem, &kVortexJumpProblem,
    &kVortexGateProblem, &kWideCulvertProblem,   &kProtectedSpurDikeProblem,
    &kSpurDikeProblem,   &kStepProblem,          &kPlungingJetProblem,
};

// Adds the points of one curve to one series.
class SeriesSink final : public PointSink {
public:
    SeriesSink(ChartSeries& series, int slot) : m_series(series), m_slot(slot) {}
    void addPoint(double t, double z) override { m_series.addPoint(m_slot, t, z); }

private:
    ChartSeries& m_series;
    int m_slot;
};

}  // namespace

const ModelProblem* FindModelProblem(std::int32_t code) {
    for (const ModelProblem* mp : kModelProblems) {
        if (mp->code == code) return mp;
    }
    return nullptr;
}

Real ReadBox(const InputSource& input, Box box) {
    const std::optional<double> v = ReadNumber(input.boxText(box));
    if (!v) throw InvalidBoxText{box};
    return Real(*v);
}

void RoutineContext::evaluateSlots(std::initializer_list<DepthFormula> formulas) {
    int slot = 0;
    for (const DepthFormula formula : formulas) {
        if (active(slot)) {
            SlotDepth(state, slot) = formula(state);
            titleFromLabel(slot);
        } else {
            setTitle(slot, kInactive);
        }
        ++slot;
    }
}

void RoutineContext::drawStandardCurve(int slot, Real ze) {
    SeriesSink sink(m_series, slot);
    FillStandardCurve(sink, state.FlujTiraRest, ze, state.TiemCara);
    showGraphic();
}

Real RoutineContext::drawLiveBedCurve(int slot, Real ze, Real qs, Real p) {
    SeriesSink sink(m_series, slot);
    const Real last = FillLiveBedCurve(sink, state.FlujTiraRest, ze, state.TiemCara, qs, p);
    showGraphic();
    return last;
}

CalcOutcome RunCalculation(ProblemState& s, const InputSource& input, const SlotLabels& labels,
                           ChartSeries& series, PageTabs& tabs, TitleLabel& title) {
    try {
        // 1. Global and local data.
        s.AguaDens = ReadBox(input, Box::AguaDens);
        s.AguaTemp = ReadBox(input, Box::AguaTemp);
        s.SediDiamMedi = ReadBox(input, Box::SediDiamMedi) / 1000.0;
        s.SediDensMate = ReadBox(input, Box::SediDensMate);
        s.ForzAcelGrav = ReadBox(input, Box::ForzAcelGrav);
        s.FlujCaud = ReadBox(input, Box::FlujCaud);
        s.CaucAnchCauc = ReadBox(input, Box::CaucAnchCauc);
        s.FlujTiraRest = ReadBox(input, Box::FlujTiraRest);

        // 2. The complementary data of the model problem.
        const ModelProblem* problem = FindModelProblem(s.ProbCodi);
        if (problem && problem->readComplementary) problem->readComplementary(s, input, labels);

        // 3. Fundamentals, with the bed roughness as chosen.
        ComputeFundamentalsBeforeRoughness(s);
        if (input.roughnessByHeight()) {
            s.AltuRugoCauc = ReadBox(input, Box::AltuRugoCauc) / 1000.0;
            ManningFromRoughnessHeight(s);
        } else {
            s.CaucCoefMannCauc = ReadBox(input, Box::CaucCoefMannCauc);
        }
        ComputeFundamentalsAfterRoughness(s);

        if (!problem) return {CalcOutcome::Status::NoRoutine, {}, std::nullopt};

        // 4 and 5. Preparations of the model problem.
        if (problem->prepareFirst) problem->prepareFirst(s);
        if (problem->prepareSecond) problem->prepareSecond(s);

        // 6. The routine, then the Results page with the problem's name.
        tabs.setTabVisible(Page::Problema, true);
        RoutineContext ctx(s, labels, series, tabs);
        problem->routine(ctx);
        tabs.setActivePage(Page::Problema);
        title.setCaption(ModelProblemName(s.ProbCodi));
        return {};
    } catch (const FloatingPointFault& fault) {
        tabs.setTabVisible(Page::Problema, false);
        tabs.setTabVisible(Page::Grafico, false);
        return {CalcOutcome::Status::Fault, fault.what(), std::nullopt};
    } catch (const InvalidBoxText& bad) {
        return {CalcOutcome::Status::InvalidInput, {}, bad.box};
    }
}

}  // namespace taldor
