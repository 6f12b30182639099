#include "FormulaPanel.h"

namespace taldor {

const char* const kInactive = "inactive";

std::array<const char*, kSlotCount> FormulaNames(std::int32_t code) {
    switch (code) {
        case 111:
        case 121:
        case 211:
            return {"Dietz", nullptr, nullptr, nullptr};
        case 1121:
            return {"Bornmann & Julien", nullptr, nullptr, nullptr};
        case 1122:
            return {"Bornmann & Julien", "Fahlbusch", nullptr, nullptr};
        case 122:
            return {"Qayoum", "Altinbilek & Basmaci", "Breusers", "Hoffmans"};
        case 212:
            return {"Ahmad", "Liu", "Dietz", "Breusers"};
        case 22:
            return {"Breusers", "CSU", "Johnson", "Critical failure lenght"};
        case 31:
            return {"Rajaratnam & Berry", "Ruff", "Breusers", "Hoffmans"};
        default:
            return {nullptr, nullptr, nullptr, nullptr};
    }
}

namespace {

constexpr Availability K = Availability::Keep;
constexpr Availability B = Availability::Bold;

Availability BoldIf(bool condition) { return condition ? Availability::Bold : Availability::Plain; }

}  // namespace

std::optional<AvailabilityCodes> AvailabilityRule(std::int32_t code, const Presence& p) {
    switch (code) {
        case 111:
        case 121:
            return AvailabilityCodes{BoldIf(p(Box::CaucPoro) && p(Box::EstrCoefMannPlat)), K, K, K};
        case 1121:
            return AvailabilityCodes{BoldIf(p(Box::SediDiam90N3) && p(Box::SediAnguRepo) &&
                                            p(Box::FlujDifeCargRest) &&
                                            p(Box::FlujAnguChorSupeLibr)),
                                     K, K, K};
        case 1122:
            return AvailabilityCodes{
                BoldIf(p(Box::SediDiam90N3) && p(Box::SediAnguRepo) && p(Box::FlujDifeCargRest) &&
                       p(Box::FlujAnguChorSupeLibr)),
                BoldIf(p(Box::SediDiam90N3) && p(Box::FlujDifeCargRest) &&
                       p(Box::FlujAnguChorSupeLibr)),
                K, K};
        case 122:
            return AvailabilityCodes{BoldIf(p(Box::FlujDifeCargRest) && p(Box::SediDiam90N3)),
                                     BoldIf(p(Box::SediAnguRepo)), B,
                                     BoldIf(p(Box::SediDiam90N3))};
        case 212:
            return AvailabilityCodes{BoldIf(p(Box::EstrFactCurv) && p(Box::EstrFactFormKs) &&
                                            p(Box::EstrFactAngu) && p(Box::EstrFactPoro)),
                                     BoldIf(p(Box::EstrFactFormKl)), B,
                                     BoldIf(p(Box::EstrFactFormKb))};
        case 22: {
            const bool factors =
                p(Box::EstrFactFormKs) && p(Box::EstrFactGrup) && p(Box::EstrAnguAtaq);
            return AvailabilityCodes{BoldIf(factors), BoldIf(factors),
                                     BoldIf(p(Box::SediDiam84N3) && factors),
                                     BoldIf(p(Box::SediAnguRepo))};
        }
        case 31:
            return AvailabilityCodes{B, B, B, BoldIf(p(Box::SediDiam90N3))};
        default:
            return std::nullopt;
    }
}

std::optional<std::int32_t> RuleForChangedBox(Box box, std::int32_t code) {
    auto codeIn = [code](std::initializer_list<std::int32_t> codes) -> std::optional<std::int32_t> {
        for (std::int32_t c : codes) {
            if (c == code) return code;
        }
        return std::nullopt;
    };
    switch (box) {
        case Box::CaucPoro:
        case Box::EstrCoefMannPlat:
            return 111;
        case Box::SediDiam90N3:
            return codeIn({31, 122, 1121, 1122});
        case Box::SediAnguRepo:
            return codeIn({22, 122, 1121, 1122});
        case Box::FlujDifeCargRest:
            return codeIn({122, 1121, 1122});
        case Box::FlujAnguChorSupeLibr:
            return codeIn({1121, 1122});
        case Box::SediDiam84N3:
        case Box::EstrFactGrup:
        case Box::EstrAnguAtaq:
            return 22;
        case Box::EstrFactFormKs:
        case Box::EstrFactFormKb:
        case Box::EstrFactFormKl:
            return codeIn({22, 212});
        case Box::EstrFactCurv:
        case Box::EstrFactAngu:
        case Box::EstrFactPoro:
            return 212;
        default:
            return std::nullopt;
    }
}

std::vector<Box> HighlightedInputs(std::int32_t code, int slot) {
    using V = std::vector<Box>;
    const V jetAll{Box::SediDiam90N3, Box::SediAnguRepo, Box::FlujDifeCargRest,
                   Box::FlujAnguChorSupeLibr};
    const V pierFactors{Box::EstrFactFormKs, Box::EstrFactGrup, Box::EstrAnguAtaq};
    switch (code) {
        case 111:
        case 121:
            return slot == 0 ? V{Box::CaucPoro, Box::EstrCoefMannPlat} : V{};
        case 1121:
            return slot == 0 ? jetAll : V{};
        case 1122:
            if (slot == 0) return jetAll;
            if (slot == 1) return {Box::SediDiam90N3, Box::FlujDifeCargRest, Box::FlujAnguChorSupeLibr};
            return {};
        case 122:
            switch (slot) {
                case 0:
                    return {Box::SediDiam90N3, Box::FlujDifeCargRest};
                case 1:
                    return {Box::SediAnguRepo};
                case 3:
                    return {Box::SediDiam90N3, Box::SediAnguRepo};
                default:
                    return {};
            }
        case 212:
            switch (slot) {
                case 0:
                    return {Box::EstrFactCurv, Box::EstrFactFormKs, Box::EstrFactAngu,
                            Box::EstrFactPoro};
                case 1:
                    return {Box::EstrFactFormKl};
                case 3:
                    return {Box::EstrFactFormKb};
                default:
                    return {};
            }
        case 22:
            switch (slot) {
                case 0:
                case 1:
                    return pierFactors;
                case 2:
                    return {Box::SediDiam84N3, Box::EstrFactFormKs, Box::EstrFactGrup,
                            Box::EstrAnguAtaq};
                case 3:
                    return {Box::SediAnguRepo};
                default:
                    return {};
            }
        case 31:
            return slot == 3 ? V{Box::SediDiam90N3} : V{};
        default:
            return {};
    }
}

const std::vector<Box>& HighlightableInputs() {
    static const std::vector<Box> boxes = {
        Box::CaucPoro,       Box::EstrCoefMannPlat, Box::SediDiam90N3,   Box::SediAnguRepo,
        Box::FlujDifeCargRest, Box::FlujAnguChorSupeLibr, Box::EstrFactCurv, Box::EstrFactFormKs,
        Box::EstrFactFormKb, Box::EstrFactFormKl,   Box::EstrFactAngu,   Box::EstrFactPoro,
        Box::SediDiam84N3,   Box::EstrFactGrup,     Box::EstrAnguAtaq,
    };
    return boxes;
}

int SlotButtonTop(int slot) { return 24 * (slot + 1); }

void ApplyAvailability(PanelState& panel, const AvailabilityCodes& codes) {
    for (int k = 0; k < kSlotCount; ++k) {
        FormulaSlot& slot = panel.slot[static_cast<std::size_t>(k)];
        switch (codes[static_cast<std::size_t>(k)]) {
            case Availability::Keep:
                break;
            case Availability::Bold:
                slot.labelVisible = true;
                slot.bold = true;
                break;
            case Availability::Plain:
                slot.labelVisible = true;
                slot.bold = false;
                break;
        }
    }
}

void FillPanel(PanelState& panel, std::int32_t code, const Presence& present) {
    const auto names = FormulaNames(code);
    int shown = 0;
    for (const char* name : names) {
        if (name) ++shown;
    }
    // Codes with two or three formulae do not exist; a code shows one, two or four slots.
    if (shown == 0) {
        panel.visible = false;
        return;
    }
    for (int k = 0; k < kSlotCount; ++k) {
        FormulaSlot& slot = panel.slot[static_cast<std::size_t>(k)];
        if (const char* name = names[static_cast<std::size_t>(k)]) {
            slot.shown = true;
            slot.bold = false;
            slot.caption = name;
        } else {
            // The label of a hidden slot keeps its style; only its caption is reset.
            slot.caption = kInactive;
            slot.shown = false;
        }
    }
    panel.visible = true;
    panel.height = SlotButtonTop(shown - 1) + 32;
    if (code != 211) {
        if (const auto codes = AvailabilityRule(code, present)) ApplyAvailability(panel, *codes);
    }
}

}  // namespace taldor
