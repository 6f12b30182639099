#pragma once
// The active-formula panel: which formulae a model problem offers in its four slots, which of
// them can be evaluated with the inputs given so far (shown in bold), and which inputs each one
// needs.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "InputBoxes.h"

// Qt defines `slots` as a keyword macro; keep it away from the panel's field of that name when
// this header is read by the widgets.
#pragma push_macro("slots")
#undef slots

namespace taldor {

constexpr int kSlotCount = 4;
extern const char* const kInactive;  // "inactive"

// Formula names of a code in slot order; nullptr for a slot the code does not use.
std::array<const char*, kSlotCount> FormulaNames(std::int32_t code);

// Availability code per slot: leave the label as it is, make it bold (active), make it plain.
enum class Availability { Keep = 0, Bold = 1, Plain = 2 };
using AvailabilityCodes = std::array<Availability, kSlotCount>;

// An input is present when its box is not empty; its value is not examined.
using Presence = std::function<bool(Box)>;

// The availability rule of a code (111/121, 1121, 1122, 122, 212, 22, 31); nothing for a code
// without a rule (211 and the intermediate codes).
std::optional<AvailabilityCodes> AvailabilityRule(std::int32_t code, const Presence& present);

// The rule re-applied when the text of a Complementary Data box changes while the window is at
// `currentCode`: the code whose rule applies, or nothing.
std::optional<std::int32_t> RuleForChangedBox(Box box, std::int32_t currentCode);

// The inputs whose captions a slot button highlights.
std::vector<Box> HighlightedInputs(std::int32_t code, int slot);
// The fifteen Complementary Data captions that the end of a highlight restores.
const std::vector<Box>& HighlightableInputs();

struct FormulaSlot {
    std::string caption = kInactive;  // lbl1 .. lbl4
    bool bold = false;                // active formula
    bool labelVisible = true;
    bool shown = false;  // the slot's button and range button
};

struct PanelState {
    bool visible = false;
    int height = 0;
    std::array<FormulaSlot, kSlotCount> slots;
};

// Top of slot button k (0-based) within the panel.
int SlotButtonTop(int slot);

// Rebuilds the panel for a code as the Complementary Data page does when it is shown: the slots
// the code uses get their names in plain style, the others read "inactive" and are hidden, and
// the availability rule of the code is applied.
void FillPanel(PanelState& panel, std::int32_t code, const Presence& present);
void ApplyAvailability(PanelState& panel, const AvailabilityCodes& codes);

}  // namespace taldor

#pragma pop_macro("slots")
