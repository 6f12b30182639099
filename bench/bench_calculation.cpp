// Timing of whole calculations through the core, curves included, and of taldor-calc over a
// file of many cases.
//
//   build-release/bin/taldor-bench

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "CalcCase.h"
#include "RecordingView.h"

namespace {

using taldor::Box;
using taldor::RecordedWindow;

// A window brought to its Complementary Data page (or, for the protected spur dike, already
// calculated), ready for "Calculation".
struct Road {
    int phenomenon;
    int obstacle;
    int jet;
    std::vector<std::pair<Box, std::string>> boxes;
};

void Prepare(RecordedWindow& w, const Road& road) {
    for (const auto& [box, text] : road.boxes) w.view.setBoxText(box, text);
    w.wizard.btnN0Click();
    w.wizard.btnContAfue01Click(road.phenomenon);
    w.wizard.btnN1Click();
    w.wizard.btnContAfue12Click(road.obstacle);
    w.wizard.btnN2Click();
    if (w.wizard.questionVisible(taldor::Question::Rg000)) w.wizard.btnContAfue23Click(road.jet);
}

// A window brought to its Structure Data page, for the protected spur dike, whose calculation
// runs when the structure data are confirmed.
void PrepareToStructure(RecordedWindow& w, const Road& road) {
    for (const auto& [box, text] : road.boxes) w.view.setBoxText(box, text);
    w.wizard.btnN0Click();
    w.wizard.btnContAfue01Click(road.phenomenon);
    w.wizard.btnN1Click();
    w.wizard.btnContAfue12Click(road.obstacle);
}

// One "Calculation" per iteration, in a window whose series are emptied before each one, so that
// every iteration draws the same curves.
void RunCode(benchmark::State& st, const Road& road) {
    RecordedWindow w;
    Prepare(w, road);
    std::size_t points = 0;
    for (auto _ : st) {
        st.PauseTiming();
        RecordedWindow fresh;
        Prepare(fresh, road);
        st.ResumeTiming();
        fresh.wizard.btnN3Click();
        points = 0;
        for (int k = 0; k < taldor::kSlotCount; ++k) points += fresh.wizard.series(k).points.size();
        benchmark::DoNotOptimize(points);
    }
    st.counters["curve_points"] = static_cast<double>(points);
}

const Road kStep{0, 0, 1, {{Box::EstrLongPlat, "4.5"}, {Box::SediAnguRepo, "30"}}};
const Road kPlungingJet{0, 0, 0, {{Box::EstrLongPlat, "4.5"}, {Box::SediAnguRepo, "30"}}};

const Road kWideCulvert{0, 1, 0, {{Box::EstrLongPlat, "2"}, {Box::SediAnguRepo, "32"}}};
const Road kNarrowCulvert{2, 0, 0, {}};
const Road kVortexJump{0, 0, 0, {}};
const Road kVortexGate{0, 1, 0, {{Box::EstrAltuAper, "0.3"}}};
// A clear-water vortex, whose standard curve runs to the 5000-point limit.
const Road kVortexClearWater{
    0, 0, 0, {{Box::FlujCaud, "1200"}, {Box::EstrAltuSaltFond, "1.02"}, {Box::EstrLongPlat, "6.2"}}};
const Road kSpurDike{1, 0, 0,
                     {{Box::EstrLongPlat, "0.5"}, {Box::EstrFactCurv, "1"}, {Box::EstrFactFormKs, "1"},
                      {Box::EstrFactAngu, "1"}, {Box::EstrFactPoro, "1"}, {Box::EstrFactFormKb, "1.5"},
                      {Box::EstrFactFormKl, "1.1"}}};
const Road kProtectedSpurDike{1, 0, 0, {}};
const Road kBridgePier{1, 1, 0,
                       {{Box::EstrFactFormKs, "1"}, {Box::EstrFactGrup, "1"}, {Box::SediAnguRepo, "32"}}};

// The protected spur dike: the confirmation of its structure data, calculation included.
void RunAtConfirmation(benchmark::State& st, const Road& road) {
    std::size_t points = 0;
    for (auto _ : st) {
        st.PauseTiming();
        RecordedWindow fresh;
        PrepareToStructure(fresh, road);
        st.ResumeTiming();
        fresh.wizard.btnN2Click();
        points = 0;
        for (int k = 0; k < taldor::kSlotCount; ++k) points += fresh.wizard.series(k).points.size();
        benchmark::DoNotOptimize(points);
    }
    st.counters["curve_points"] = static_cast<double>(points);
}

void BM_Step(benchmark::State& st) { RunCode(st, kStep); }
void BM_PlungingJet(benchmark::State& st) { RunCode(st, kPlungingJet); }
void BM_WideCulvert(benchmark::State& st) { RunCode(st, kWideCulvert); }
void BM_NarrowCulvert(benchmark::State& st) { RunCode(st, kNarrowCulvert); }
void BM_VortexJump(benchmark::State& st) { RunCode(st, kVortexJump); }
void BM_VortexGate(benchmark::State& st) { RunCode(st, kVortexGate); }
void BM_VortexClearWater(benchmark::State& st) { RunCode(st, kVortexClearWater); }
void BM_SpurDike(benchmark::State& st) { RunCode(st, kSpurDike); }
void BM_ProtectedSpurDike(benchmark::State& st) { RunAtConfirmation(st, kProtectedSpurDike); }
void BM_BridgePier(benchmark::State& st) { RunCode(st, kBridgePier); }
BENCHMARK(BM_Step)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PlungingJet)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WideCulvert)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_NarrowCulvert)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_VortexJump)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_VortexGate)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_VortexClearWater)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SpurDike)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ProtectedSpurDike)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BridgePier)->Unit(benchmark::kMicrosecond);

// The bare cost of a curve's points, the limit a whole calculation is measured against: the
// scour-time law Z(t) = ze (1 - exp(ln(1 - z1/ze) (t/t1)^0.23)) in plain arithmetic at each of n
// times, each point stored as the calculation stores it.
void BM_CurvePointsOnly(benchmark::State& st) {
    const auto n = static_cast<std::size_t>(st.range(0));
    const double ze = 2.4, z1 = 0.8, t1 = 37.0, gamma = 0.23;
    const double lnRest = std::log(1.0 - z1 / ze);
    std::vector<std::pair<double, double>> points;
    for (auto _ : st) {
        points.clear();
        points.reserve(n);
        for (std::size_t i = 0; i < n; ++i) {
            const double t = 0.02 * t1 * static_cast<double>(i);
            points.emplace_back(t, ze * (1.0 - std::exp(lnRest * std::pow(t / t1, gamma))));
        }
        benchmark::DoNotOptimize(points.data());
    }
    st.counters["curve_points"] = static_cast<double>(n);
}
BENCHMARK(BM_CurvePointsOnly)->Arg(5000)->Arg(10000)->Arg(20000)->Unit(benchmark::kMicrosecond);

// taldor-calc over a file of 10,000 cases, a mix of every road.
void BM_CalcFile(benchmark::State& st) {
    const std::string path = "/tmp/taldor-bench-cases.jsonl";
    {
        std::ofstream out(path);
        const char* const lines[] = {
            R"({"phenomenon":0,"obstacle":0,"jet":0,"boxes":{"edtEstrLongPlat":"4.5","edtSediAnguRepo":"30"}})",
            R"({"phenomenon":0,"obstacle":0,"jet":1,"boxes":{"edtEstrLongPlat":"4.5","edtSediAnguRepo":"30"}})",
            R"({"phenomenon":0,"obstacle":0,"boxes":{"edtEstrLongPlat":"20"}})",
            R"({"phenomenon":0,"obstacle":1,"boxes":{"edtEstrLongPlat":"2","edtSediAnguRepo":"32"}})",
            R"({"phenomenon":1,"obstacle":0,"boxes":{"edtEstrLongPlat":"0.5"}})",
            R"({"phenomenon":1,"obstacle":0})",
            R"({"phenomenon":1,"obstacle":1,"boxes":{"edtEstrFactFormKs":"1.0","edtEstrFactGrup":"1.00","edtSediAnguRepo":"32"}})",
            R"({"phenomenon":2,"obstacle":0})",
        };
        for (int i = 0; i < 10000; ++i) out << lines[i % 8] << '\n';
    }
    const std::string command = std::string(TALDOR_CALC_PATH) + " " + path + " > /dev/null";
    for (auto _ : st) {
        if (std::system(command.c_str()) != 0) st.SkipWithError("taldor-calc failed");
    }
    std::remove(path.c_str());
}
BENCHMARK(BM_CalcFile)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
