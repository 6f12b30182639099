// Timing of whole calculations through the core, curves included, and of taldor-calc over a
// file of many cases.
//
//   build-release/bin/taldor-bench

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

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

void BM_Step(benchmark::State& st) { RunCode(st, kStep); }
void BM_PlungingJet(benchmark::State& st) { RunCode(st, kPlungingJet); }
BENCHMARK(BM_Step)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PlungingJet)->Unit(benchmark::kMicrosecond);

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
