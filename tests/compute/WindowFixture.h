#pragma once
// A headless calculation window driven as a user would, for the core's tests.

#include <string>
#include <utility>
#include <vector>

#include "RecordingView.h"

namespace taldor::testing_support {

struct Answers {
    int phenomenon = 0;
    int obstacle = 0;
    int jet = 0;
};

// Types the texts (enter, text, exit), answers the questions and confirms the Structure Data;
// the jet question is answered when it opens. Stops where a refusal or a message stops a user.
inline void FollowRoad(RecordedWindow& w, const Answers& a,
                       const std::vector<std::pair<Box, std::string>>& texts = {}) {
    for (const auto& [box, text] : texts) w.view.setBoxText(box, text);
    w.wizard.btnN0Click();
    w.wizard.btnContAfue01Click(a.phenomenon);
    w.wizard.btnN1Click();
    w.wizard.btnContAfue12Click(a.obstacle);
    w.wizard.btnN2Click();
    if (w.wizard.questionVisible(Question::Rg000)) w.wizard.btnContAfue23Click(a.jet);
}

inline std::vector<bool> Tabs(const ProblemWizard& w) {
    std::vector<bool> v;
    for (int p = 0; p < kPageCount; ++p) v.push_back(w.tabVisible(static_cast<Page>(p)));
    return v;
}

}  // namespace taldor::testing_support
