#include "ResultsRows.h"

namespace taldor {

const char* const kLiveBed = "Live bed";
const char* const kClearWater = "Clear water";

bool IsLiveBed(const ProblemState& s) { return s.OutpParaMovi > s.OutpParaMoviCrit; }

namespace {

class PageBuilder {
public:
    PageBuilder(const ProblemState& s, const std::array<FormulaSlot, kSlotCount>& formulaSlots,
                ResultsPage& page)
        : m_s(s), m_slots(formulaSlots), m_page(page) {}

    void add(const std::string& stem, const std::string& caption, const std::string& value,
             const std::string& unit) {
        m_page.rows.push_back({stem, m_nextRow++, caption, value, unit});
    }
    bool active(int slot) const { return m_slots[static_cast<std::size_t>(slot)].bold; }
    const std::string& slotCaption(int slot) const {
        return m_slots[static_cast<std::size_t>(slot)].caption;
    }
    // A value of formula slot k: 2 decimals when the slot is active, "inactive" otherwise.
    std::string slotValue(int slot, double v) const {
        return active(slot) ? FormatFixed(v, 2) : kInactive;
    }
    void common() {
        add("OutpParaMoviCrit", "Critical mobility factor (Shields)",
            FormatFixed(m_s.OutpParaMoviCrit, 4), "");
        add("OutpParaMovi", "Mobility factor (Shields)", FormatFixed(m_s.OutpParaMovi, 4), "");
        add("CondTran", "Transport condition", IsLiveBed(m_s) ? kLiveBed : kClearWater, "");
        add("OutpVeloCritEros", "Critical erosion velocity", FormatFixed(m_s.OutpVeloCritEros, 2),
            "[m/s]");
    }
    void turbulence() {
        add("OutpInteRelaTurb", "Turbulence intensity", FormatFixed(m_s.OutpInteRelaTurb, 3), "");
    }
    static std::string depthStem(int slot) { return "OutpErosMaxi" + std::to_string(slot + 1); }
    std::string depthCaption(int slot) const {
        return "Equilibrium max. scour depth (" + slotCaption(slot) + ")";
    }
    void depth(int slot, double v) { depthText(slot, slotValue(slot, v)); }
    void depthText(int slot, const std::string& text) {
        add(depthStem(slot), depthCaption(slot), text, "[m]");
    }
    double depthValue(int slot) const {
        switch (slot) {
            case 0:
                return m_s.OutpErosMaxi1;
            case 1:
                return m_s.OutpErosMaxi2;
            case 2:
                return m_s.OutpErosMaxi3;
            default:
                return m_s.OutpErosMaxi4;
        }
    }

private:
    const ProblemState& m_s;
    const std::array<FormulaSlot, kSlotCount>& m_slots;
    ResultsPage& m_page;
    int m_nextRow = 2;
};

const char* PictureOf(std::int32_t code) {
    switch (code) {
        case 22:
            return "TfrmPictPPi";
        case 31:
            return "TfrmPictPAG";
        case 111:
            return "TfrmPictPVC1";
        case 121:
            return "TfrmPictPVC2";
        case 122:
            return "TfrmPictPAC";
        case 211:
            return "TfrmPictPEP";
        case 212:
            return "TfrmPictPEs1";
        case 1121:
            return "TfrmPictPEn";
        case 1122:
            return "TfrmPictPCZ";
        default:
            return nullptr;
    }
}

}  // namespace

ResultsPage BuildResultsPage(std::int32_t code, const ProblemState& s,
                             const std::array<FormulaSlot, kSlotCount>& formulaSlots) {
    ResultsPage page;
    page.code = code;
    page.picture1 = PictureOf(code);
    PageBuilder b(s, formulaSlots, page);
    switch (code) {
        case 22: {
            b.common();
            const double lengths[3] = {s.OutpLongFall1, s.OutpLongFall2, s.OutpLongFall3};
            for (int k = 0; k < 3; ++k) {
                b.depth(k, b.depthValue(k));
                // The fourth slot switches the failure lengths on.
                const bool shown = b.active(k) && b.active(3);
                b.add("OutpLongFall" + std::to_string(k + 1),
                      "Critical failure lenght (" + b.slotCaption(k) + ")",
                      shown ? FormatFixed(lengths[k], 2) : kInactive, "[m]");
            }
            break;
        }
        case 31:
        case 122:
            b.common();
            b.turbulence();
            for (int k = 0; k < 4; ++k) b.depth(k, b.depthValue(k));
            break;
        case 111:
        case 121: {
            b.common();
            b.turbulence();
            const bool live = IsLiveBed(s);
            b.add("OutpCaudSoliTota", "Effective total solid discharge",
                  live ? FormatFixed(s.OutpCaudSoliTota, 6) : "null", "[m^2/s]");
            b.depth(0, live ? s.OutpErosMaxiLech : s.OutpErosMaxi1);
            b.add("OutpLongFall1", "Critical failure length", b.slotValue(0, s.OutpLongFall1),
                  "[m]");
            b.add("OutpPendTalu", "Upstream scour slope", b.slotValue(0, s.OutpPendTalu), "[º]");
            page.slopesButton = true;
            break;
        }
        case 211:
            b.common();
            // The single formula has no active state and is always evaluated.
            b.depthText(0, FormatFixed(s.OutpErosMaxi1, 2));
            break;
        case 212:
            b.common();
            for (int k = 0; k < 3; ++k) b.depth(k, b.depthValue(k));
            // Breusers' depth is set to 0 when it is not evaluated.
            b.depthText(3, s.OutpErosMaxi4 == 0.0 ? std::string(kInactive)
                                                  : b.slotValue(3, s.OutpErosMaxi4));
            page.secondImage = true;
            page.picture2 = "TfrmPictPES2";
            break;
        case 1121:
            b.common();
            b.turbulence();
            b.depth(0, s.OutpErosMaxi1);
            break;
        case 1122:
            b.common();
            b.turbulence();
            b.depth(0, s.OutpErosMaxi1);
            b.depth(1, s.OutpErosMaxi2);
            break;
        default:
            break;
    }
    return page;
}

}  // namespace taldor
