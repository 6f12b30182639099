// The depth law a curve evaluates point by point gives exactly the values of the checked
// formula, and stops with the same faults where the formula has no finite value.

#include <gtest/gtest.h>

#include "TimeEvolution.h"

namespace taldor {
namespace {

TEST(DepthLaw, SameValuesAsTheCheckedFormula) {
    struct Row {
        double z1, ze, t1, gamma;
    } rows[] = {{1.2, 5.38, 0.0347, 0.23},
                {1.0, 2.0, 1.0, 0.23},
                {3.0, 3.0754, 0.0065, 0.38},
                {1.2, 45.45, 0.318, 0.23}};
    for (const Row& r : rows) {
        const DepthLaw law(r.z1, r.ze, r.t1, r.gamma);
        for (double t : {0.0, 1e-300, 0.02 * r.t1, r.t1, 5.02 * r.t1, 4999.0 * r.t1, -r.t1}) {
            EXPECT_EQ(law.at(t).value(), DepthAtTime(t, r.z1, r.ze, r.t1, r.gamma).value())
                << r.ze << " at " << t;
        }
    }
    // The hole is as deep as the flow at t1.
    EXPECT_DOUBLE_EQ(DepthLaw(1.0, 2.0, 1.0, 0.23).at(1.0).value(), 1.0);
}

TEST(DepthLaw, FaultsAsTheCheckedFormula) {
    struct Row {
        const char* name;
        double t1, t;
        FpFault fault;
    } rows[] = {
        {"t1 = 0 at t = 0", 0.0, 0.0, FpFault::Invalid},
        {"t1 = 0 later", 0.0, 1.0, FpFault::DivisionByZero},
        {"t / t1 beyond the largest double", 1e-300, 1e10, FpFault::Overflow},
    };
    for (const Row& r : rows) {
        const DepthLaw bad(1.0, 2.0, r.t1, 0.23);
        try {
            (void)bad.at(r.t);
            ADD_FAILURE() << r.name << ": no fault";
        } catch (const FloatingPointFault& f) {
            EXPECT_EQ(f.fault(), r.fault) << r.name;
        }
    }
}

}  // namespace
}  // namespace taldor
