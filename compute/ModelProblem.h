#pragma once
// What the driver needs to know of one model problem: which complementary boxes it reads, its
// preparations and its formula routine.

#include <cstdint>

#include "Driver.h"

namespace taldor {

struct ModelProblem {
    std::int32_t code;
    // Driver step 2: the complementary data the problem reads (may be null).
    void (*readComplementary)(ProblemState& s, const InputSource& input, const SlotLabels& labels);
    // Driver step 4 (first group of preparations, may be null).
    void (*prepareFirst)(ProblemState& s);
    // Driver step 5 (second group of preparations, may be null).
    void (*prepareSecond)(ProblemState& s);
    // The formula routine.
    void (*routine)(RoutineContext& ctx);
};

// The model problem of a code, or nullptr when the code has none.
const ModelProblem* FindModelProblem(std::int32_t code);

}  // namespace taldor
