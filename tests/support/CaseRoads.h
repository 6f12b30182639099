#pragma once
// A user's road through a calculation window to each model problem, for tests: the boxes typed,
// the answers of the decision tree, then the Calculation.

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "RecordingView.h"

namespace taldor::testing {

struct CaseRoad {
    const char* name;
    int phenomenon;
    int obstacle;
    int jet;  // read only when the jet question is asked
    std::vector<std::pair<Box, std::string>> boxes;
    bool byHeight = false;
};

// Follows the road in a window with default texts; the Calculation runs when the road reaches
// the Complementary Data page (code 211 calculates at once from Structure Data).
inline void Drive(RecordedWindow& window, const CaseRoad& road) {
    ProblemWizard& w = window.wizard;
    for (const auto& [box, text] : road.boxes) window.view.setBoxText(box, text);
    if (road.byHeight) w.chooseRoughness(true);
    w.btnN0Click();
    w.btnContAfue01Click(road.phenomenon);
    w.btnN1Click();
    w.btnContAfue12Click(road.obstacle);
    w.btnN2Click();
    if (w.questionVisible(Question::Rg000)) w.btnContAfue23Click(road.jet);
    if (w.activePage() == Page::Nivel3) w.btnN3Click();
}

// One road per Results-level code, with the window's default data otherwise.
inline CaseRoad PlungingJetRoad() {
    return {"1122", 0, 0, 0, {{Box::EstrLongPlat, "4.5"}, {Box::SediAnguRepo, "30"}}};
}
inline CaseRoad StepRoad() {
    return {"1121", 0, 0, 1, {{Box::EstrLongPlat, "4.5"}, {Box::SediAnguRepo, "30"}}};
}
inline CaseRoad VortexRoad() {
    return {"111", 0, 0, 0, {{Box::EstrLongPlat, "20"}}};
}
// An opening 0.45 m high under 1.2 m of water with 2 m of protection: too short.
inline CaseRoad WideCulvertRoad() {
    return {"122", 0, 1, 0, {{Box::EstrLongPlat, "2"}, {Box::SediAnguRepo, "32"}}};
}
// The same opening with 20 m of protection: the confined vortex behind a gate.
inline CaseRoad GateVortexRoad() {
    return {"121", 0, 1, 0, {{Box::EstrLongPlat, "20"}}};
}
inline CaseRoad SpurDikeRoad() {
    return {"212",
            1,
            0,
            0,
            {{Box::EstrLongPlat, "0.5"},
             {Box::EstrFactCurv, "1.00"},
             {Box::EstrFactFormKs, "1.0"},
             {Box::EstrFactAngu, "1"},
             {Box::EstrFactPoro, "1"},
             {Box::EstrFactFormKb, "1.5"},
             {Box::EstrFactFormKl, "1.10"}}};
}
inline CaseRoad ProtectedSpurDikeRoad() {
    return {"211", 1, 0, 0, {}};
}
inline CaseRoad PierRoad() {
    return {"22",
            1,
            1,
            0,
            {{Box::EstrFactFormKs, "1.0"}, {Box::EstrFactGrup, "1.00"}, {Box::SediAnguRepo, "32"}}};
}
inline CaseRoad NarrowCulvertRoad() {
    return {"31", 2, 0, 0, {}};
}

inline std::vector<CaseRoad> AllRoads() {
    return {PierRoad(),       NarrowCulvertRoad(), VortexRoad(),
            GateVortexRoad(), WideCulvertRoad(),   ProtectedSpurDikeRoad(),
            SpurDikeRoad(),   StepRoad(),          PlungingJetRoad()};
}

}  // namespace taldor::testing
