#pragma once
// The decision tree that reduces a structure to a model problem, and the problem code whose
// decimal digits retrace the path through it.

#include <cstdint>
#include <optional>

#include "Real.h"

namespace taldor {

// Levels of the wizard pages at which the code is composed.
constexpr int kLevelGlobal = 0;
constexpr int kLevelLocal = 1;
constexpr int kLevelStructure = 2;
constexpr int kLevelComplementary = 3;
constexpr int kLevelResults = 4;

std::int32_t ComposeProblemCode(int level, bool clasPlatSufi, std::uint8_t clasFeno,
                                std::uint8_t clasObst, std::uint8_t clasChor);

extern const char* const kInactiveBranchMessage;     // "Inactive branch"
extern const char* const kProtectionTooShortMessage;  // insufficient protection notice

// Answer values of the questions. The obstacle and jet answers continue the numbering of the
// earlier questions, so every answer in the tree is distinct.
std::optional<std::uint8_t> PhenomenonAnswer(int item);  // 0, 1, 2
// The obstacle question asked for the local-level code 1, 2 or 3. Item 1 of code 3 ("on bottom
// and margin") has no model problem: `inactiveBranch` is then set and no value returned.
struct ObstacleAnswerResult {
    std::optional<std::uint8_t> value;
    bool inactiveBranch = false;
};
ObstacleAnswerResult ObstacleAnswer(std::int32_t localCode, int item);
std::optional<std::uint8_t> JetAnswer(int item);  // 8 impacts on the surface, 9 slides on step

// Protection-length tests (true = the protection is long enough to be effective). A protection
// exactly as long as the required length counts as insufficient.
// Bottom step of height s: L > 6 s.
bool StepProtectionSufficient(Real L, Real s);
// Opening of height a under the surface, depth h: L > 4.2 h when 0.3 h >= a, else L > 6 (h - a).
bool OpeningProtectionSufficient(Real L, Real h, Real a);
// Obstacle on the margin, depth h: L > 0.5 h.
bool MarginProtectionSufficient(Real L, Real h);

// Name of the model problem of a Results-level code ("Problem of the Step"), or nullptr.
const char* ModelProblemName(std::int32_t code);

}  // namespace taldor
