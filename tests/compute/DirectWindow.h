#pragma once
// A window for calling the calculation command directly, with the formula slots set by the test
// rather than by the availability rules: for slot patterns and inputs that no road through the
// wizard produces (a text the exit check would refuse, slot 2 of the pier inactive while slot 1
// is active).

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "Driver.h"
#include "FormulaPanel.h"

namespace taldor::testing {

class DirectWindow final : public InputSource,
                           public SlotLabels,
                           public ChartSeries,
                           public PageTabs,
                           public TitleLabel {
public:
    // Box texts start at their defaults; the slots take the formula names of `code`, all plain.
    explicit DirectWindow(std::int32_t code) {
        for (const BoxInfo& info : BoxCatalogue())
            texts[static_cast<std::size_t>(info.box)] = info.defaultText;
        const auto names = FormulaNames(code);
        for (std::size_t k = 0; k < names.size(); ++k)
            captions[k] = names[k] ? names[k] : kInactive;
        state.ProbCodi = code;
    }

    void setText(Box box, const std::string& text) { texts[static_cast<std::size_t>(box)] = text; }
    void setBold(std::array<bool, kSlotCount> pattern) { bold = pattern; }
    CalcOutcome calculate() { return RunCalculation(state, *this, *this, *this, *this, *this); }

    // InputSource
    std::string boxText(Box box) const override { return texts[static_cast<std::size_t>(box)]; }
    bool roughnessByHeight() const override { return false; }
    // SlotLabels
    std::string caption(int slot) const override {
        return captions[static_cast<std::size_t>(slot)];
    }
    bool isBold(int slot) const override { return bold[static_cast<std::size_t>(slot)]; }
    // ChartSeries
    void setTitle(int slot, const std::string& text) override {
        titles[static_cast<std::size_t>(slot)] = text;
    }
    void addPoint(int slot, double t, double z) override {
        points[static_cast<std::size_t>(slot)].emplace_back(t, z);
    }
    // PageTabs
    void setTabVisible(Page page, bool visible) override {
        tabs[static_cast<std::size_t>(page)] = visible;
    }
    void setActivePage(Page page) override { active = page; }
    // TitleLabel
    void setCaption(const std::string& text) override { title = text; }

    ProblemState state;
    std::array<std::string, kBoxCount> texts;
    std::array<std::string, kSlotCount> captions;
    std::array<bool, kSlotCount> bold{};
    std::array<std::string, kSlotCount> titles{"(a)", "(b)", "(c)", "(d)"};
    std::array<std::vector<std::pair<double, double>>, kSlotCount> points;
    std::array<bool, kPageCount> tabs{};
    Page active = Page::Nivel3;
    std::string title;
};

}  // namespace taldor::testing
