// The decision tree, the problem code and the protection-length tests.
#include <gtest/gtest.h>

#include <cmath>

#include "Classification.h"

namespace taldor {
namespace {

struct CodeCase {
    int level;
    bool sufficient;
    int feno, obst, chor;
    int code;
};

TEST(ProblemCode, RetracesThePathThroughTheTree) {
    const CodeCase cases[] = {
        {0, true, 2, 7, 9, 0},
        {1, false, 0, 0, 0, 1},     {1, false, 1, 0, 0, 2},     {1, false, 2, 0, 0, 3},
        {2, false, 0, 3, 0, 11},    {2, true, 0, 4, 0, 12},     {2, false, 1, 5, 0, 21},
        {2, false, 1, 6, 0, 22},    {2, false, 2, 7, 0, 31},
        // Level 3 (Complementary Data).
        {3, true, 0, 3, 8, 111},    {3, false, 0, 3, 9, 1121},  {3, false, 0, 3, 8, 1122},
        {3, false, 0, 3, 0, 1122},  // jet never answered
        {3, true, 0, 4, 0, 121},    {3, false, 0, 4, 0, 122},
        {3, true, 1, 5, 0, 211},    {3, false, 1, 5, 0, 212},
        {3, true, 1, 6, 0, 22},     {3, false, 2, 7, 0, 31},
        // Level 4 (Results).
        {4, true, 0, 3, 0, 111},    {4, false, 0, 3, 9, 1121},  {4, false, 0, 3, 8, 1122},
        {4, false, 0, 3, 0, 112},   // no model problem
        {4, false, 0, 4, 0, 122},   {4, true, 1, 5, 0, 211},    {4, false, 1, 6, 0, 22},
        {4, false, 2, 7, 0, 31},
    };
    for (const CodeCase& c : cases) {
        EXPECT_EQ(ComposeProblemCode(c.level, c.sufficient, static_cast<std::uint8_t>(c.feno),
                                     static_cast<std::uint8_t>(c.obst),
                                     static_cast<std::uint8_t>(c.chor)),
                  c.code)
            << "level " << c.level << " obst " << c.obst << " chor " << c.chor;
    }
}

TEST(Answers, ContinueTheNumberingOfTheTree) {
    EXPECT_EQ(PhenomenonAnswer(2), std::uint8_t{2});
    EXPECT_FALSE(PhenomenonAnswer(-1).has_value());
    EXPECT_EQ(ObstacleAnswer(1, 0).value, std::uint8_t{3});
    EXPECT_EQ(ObstacleAnswer(1, 1).value, std::uint8_t{4});
    EXPECT_EQ(ObstacleAnswer(2, 0).value, std::uint8_t{5});
    EXPECT_EQ(ObstacleAnswer(2, 1).value, std::uint8_t{6});
    EXPECT_EQ(ObstacleAnswer(3, 0).value, std::uint8_t{7});
    const ObstacleAnswerResult bottomAndMargin = ObstacleAnswer(3, 1);
    EXPECT_TRUE(bottomAndMargin.inactiveBranch);
    EXPECT_FALSE(bottomAndMargin.value.has_value());
    EXPECT_FALSE(ObstacleAnswer(1, -1).value.has_value());
    EXPECT_FALSE(ObstacleAnswer(1, -1).inactiveBranch);
    EXPECT_EQ(JetAnswer(0), std::uint8_t{8});
    EXPECT_EQ(JetAnswer(1), std::uint8_t{9});
    EXPECT_STREQ(kInactiveBranchMessage, "Inactive branch");
    EXPECT_STREQ(kProtectionTooShortMessage,
                 "The lenght of the protection is insufficient to be effective");
}

TEST(ProtectionTests, AnExactlySufficientLengthIsInsufficient) {
    // Bottom step: L > 6 s.
    EXPECT_FALSE(StepProtectionSufficient(4.5, 0.75));
    EXPECT_TRUE(StepProtectionSufficient(std::nextafter(4.5, 5.0), 0.75));
    EXPECT_TRUE(StepProtectionSufficient(8.75, 0.75));
    // Opening under the surface, h = 1.2: R = 4.2 h = 5.04 when 0.3 h >= a, else 6 (h - a).
    EXPECT_FALSE(OpeningProtectionSufficient(5.04, 1.2, 0.3));
    EXPECT_TRUE(OpeningProtectionSufficient(5.05, 1.2, 0.3));
    // The branches meet at a = 0.3 h: both give 4.2 h.
    EXPECT_FALSE(OpeningProtectionSufficient(4.2 * 1.2, 1.2, 0.3 * 1.2));
    // a = 0.45 (default): R = 6 (1.2 - 0.45) = 4.5.
    EXPECT_FALSE(OpeningProtectionSufficient(4.5, 1.2, 0.45));
    EXPECT_TRUE(OpeningProtectionSufficient(4.51, 1.2, 0.45));
    // a >= h: R is zero or negative; L = 0 with a = h is insufficient, any positive L suffices.
    EXPECT_FALSE(OpeningProtectionSufficient(0.0, 1.0, 1.0));
    EXPECT_TRUE(OpeningProtectionSufficient(0.01, 1.0, 1.0));
    EXPECT_TRUE(OpeningProtectionSufficient(0.0, 0.5, 1.0));
    // Margin obstacle: L > 0.5 h.
    EXPECT_FALSE(MarginProtectionSufficient(0.6, 1.2));
    EXPECT_TRUE(MarginProtectionSufficient(0.61, 1.2));
}

TEST(ProtectionTests, OverflowOfTheRequiredLengthIsAFault) {
    try {
        StepProtectionSufficient(1.0, 1e308);
        FAIL() << "6 s overflows";
    } catch (const FloatingPointFault& f) {
        EXPECT_EQ(f.fault(), FpFault::Overflow);
        EXPECT_STREQ(f.what(), "Floating point overflow");
    }
    EXPECT_THROW(OpeningProtectionSufficient(1.0, 1e308, 0.5), FloatingPointFault);
    // 0.5 h never overflows for an accepted depth.
    EXPECT_FALSE(MarginProtectionSufficient(1.0, 1.6e308));
}

TEST(ModelProblems, Names) {
    EXPECT_STREQ(ModelProblemName(1121), "Problem of the Step");
    EXPECT_STREQ(ModelProblemName(1122), "Problem of the Plunging Jet");
    EXPECT_STREQ(ModelProblemName(111), "Problem of the Confined Vortex");
    EXPECT_STREQ(ModelProblemName(121), "Problem of the Confined Vortex");
    EXPECT_STREQ(ModelProblemName(211), "Problem of the Protected Spur Dike/Abutment");
    EXPECT_EQ(ModelProblemName(112), nullptr);
}

}  // namespace
}  // namespace taldor
