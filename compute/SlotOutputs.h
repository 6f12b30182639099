#pragma once
// The problem-state outputs that belong to formula slot k (0-based): its equilibrium depth
// OutpErosMaxi k+1 and, for slots 1 to 3, its critical failure length OutpLongFall k+1.

#include "untGeneral.h"

namespace taldor {

inline double& SlotDepth(ProblemState& s, int slot) {
    switch (slot) {
        case 0:
            return s.OutpErosMaxi1;
        case 1:
            return s.OutpErosMaxi2;
        case 2:
            return s.OutpErosMaxi3;
        default:
            return s.OutpErosMaxi4;
    }
}

inline double& SlotFailureLength(ProblemState& s, int slot) {
    switch (slot) {
        case 0:
            return s.OutpLongFall1;
        case 1:
            return s.OutpLongFall2;
        default:
            return s.OutpLongFall3;
    }
}

}  // namespace taldor
