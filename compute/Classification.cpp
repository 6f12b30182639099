#include "Classification.h"

namespace taldor {

const char* const kInactiveBranchMessage = "Inactive branch";
const char* const kProtectionTooShortMessage =
    "The lenght of the protection is insufficient to be effective";

namespace {

std::int32_t StructureCode(std::uint8_t clasObst) {
    switch (clasObst) {
        case 3:
            return 11;
        case 4:
            return 12;
        case 5:
            return 21;
        case 6:
            return 22;
        case 7:
            return 31;
        default:
            return 0;
    }
}

}  // namespace

std::int32_t ComposeProblemCode(int level, bool clasPlatSufi, std::uint8_t clasFeno,
                                std::uint8_t clasObst, std::uint8_t clasChor) {
    if (level <= kLevelGlobal) return 0;
    if (level == kLevelLocal) return static_cast<std::int32_t>(clasFeno) + 1;
    const std::int32_t code = StructureCode(clasObst);
    if (level == kLevelStructure) return code;
    switch (code) {
        case 11:
            if (clasPlatSufi) return 111;
            if (clasChor == 9) return 1121;
            if (level == kLevelComplementary || clasChor == 8) return 1122;
            return 112;
        case 12:
            return clasPlatSufi ? 121 : 122;
        case 21:
            return clasPlatSufi ? 211 : 212;
        default:
            return code;
    }
}

std::optional<std::uint8_t> PhenomenonAnswer(int item) {
    if (item < 0 || item > 2) return std::nullopt;
    return static_cast<std::uint8_t>(item);
}

ObstacleAnswerResult ObstacleAnswer(std::int32_t localCode, int item) {
    if (item < 0 || item > 1) return {};
    switch (localCode) {
        case 1:
            return {static_cast<std::uint8_t>(3 + item), false};
        case 2:
            return {static_cast<std::uint8_t>(5 + item), false};
        case 3:
            if (item == 0) return {std::uint8_t{7}, false};
            return {std::nullopt, true};
        default:
            return {};
    }
}

std::optional<std::uint8_t> JetAnswer(int item) {
    if (item < 0 || item > 1) return std::nullopt;
    return static_cast<std::uint8_t>(8 + item);
}

bool StepProtectionSufficient(Real L, Real s) { return L.value() > (6.0 * s).value(); }

bool OpeningProtectionSufficient(Real L, Real h, Real a) {
    const Real required = (0.3 * h).value() >= a.value() ? 4.2 * h : 6.0 * (h - a);
    return L.value() > required.value();
}

bool MarginProtectionSufficient(Real L, Real h) { return L.value() > (0.5 * h).value(); }

const char* ModelProblemName(std::int32_t code) {
    switch (code) {
        case 22:
            return "Problem of the Bridge Pier";
        case 31:
            return "Problem of the Narrow Culvert";
        case 111:
        case 121:
            return "Problem of the Confined Vortex";
        case 122:
            return "Problem of the Wide Culvert";
        case 211:
            return "Problem of the Protected Spur Dike/Abutment";
        case 212:
            return "Problem of the Spur Dike/Abutment";
        case 1121:
            return "Problem of the Step";
        case 1122:
            return "Problem of the Plunging Jet";
        default:
            return nullptr;
    }
}

}  // namespace taldor
