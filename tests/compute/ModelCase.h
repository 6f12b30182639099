#pragma once
// Cases of the model problems worked out by tests/compute/reference/model_problems.py, and the
// helpers that drive them through a calculation window as a user would.

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstddef>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "Driver.h"
#include "RecordingView.h"

namespace taldor::testing {

struct BoxText {
    const char* box;  // edit box name, "edt" + stem
    const char* text;
};

struct FieldValue {
    const char* field;
    double value;
};

struct RowText {
    const char* caption;
    const char* value;
    const char* unit;
};

struct ModelCase {
    const char* name;
    int phenomenon;                           // item chosen in "Dominant phenomenon"
    int obstacle;                             // item chosen in "Obstacle"
    std::vector<BoxText> boxes;               // typed before the first calculation
    std::vector<std::vector<BoxText>> later;  // retyped, each followed by another calculation
    int code;
    std::vector<FieldValue> fields;
    std::array<const char*, 4> titles;  // series titles
    std::array<std::size_t, 4> counts;  // points per series
    std::array<double, 4> lastDepths;   // depth of each series' last point (0 when empty)
    bool graphic;                       // Graphic tab visible
    const char* fault;                  // message of a floating-point fault, or nullptr
    const char* title;                  // Results title ("" when not shown)
    std::vector<RowText> rows;          // Results rows from row 2 on
};

// Test names and failure messages show the case by its name.
inline void PrintTo(const ModelCase& c, std::ostream* os) {
    *os << c.name;
}

// A relative tolerance far below any error a formula could make, and above the rounding by
// which two correct evaluations of the same expression may differ.
inline double Tolerance(double expected) {
    return 1e-10 * std::fmax(1.0, std::fabs(expected));
}

inline const std::vector<ModelCase>& ModelCases() {
    static const std::vector<ModelCase> cases = {
#include "reference/ModelCases.inc"
    };
    return cases;
}

inline const ModelCase& ModelCaseNamed(const std::string& name) {
    for (const ModelCase& c : ModelCases()) {
        if (name == c.name) return c;
    }
    throw std::invalid_argument("no model case " + name);
}

inline Box BoxNamed(const char* editName) {
    const auto box = BoxFromEditName(editName);
    if (!box) throw std::invalid_argument(std::string("no box ") + editName);
    return *box;
}

inline double FieldOf(const ProblemState& s, const std::string& name) {
    for (const RealField& f : RealFields()) {
        if (name == f.name) return s.*(f.member);
    }
    throw std::invalid_argument("no field " + name);
}

// Types the case's boxes, answers the questions, confirms the structure data and presses
// "Calculation" (or lets the protected spur dike calculate at once); then, for each later step,
// retypes its boxes, returns to Complementary Data and calculates again.
inline void Drive(RecordedWindow& w, const ModelCase& c) {
    for (const BoxText& b : c.boxes) {
        const Box box = BoxNamed(b.box);
        ASSERT_TRUE(CheckBoxText(box, b.text).accepted) << b.box << " = " << b.text;
        w.view.setBoxText(box, b.text);
    }
    ProblemWizard& wz = w.wizard;
    wz.btnN0Click();
    wz.btnContAfue01Click(c.phenomenon);
    wz.btnN1Click();
    wz.btnContAfue12Click(c.obstacle);
    wz.btnN2Click();
    if (wz.activePage() == Page::Nivel3) wz.btnN3Click();
    for (const std::vector<BoxText>& step : c.later) {
        for (const BoxText& b : step) ASSERT_TRUE(w.type(BoxNamed(b.box), b.text)) << b.box;
        ASSERT_TRUE(wz.selectPage(Page::Nivel3));
        wz.btnN3Click();
    }
}

}  // namespace taldor::testing
