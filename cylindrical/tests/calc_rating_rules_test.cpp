// The enabling rules of the strength rating dialog.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "cylindrical/calc/rating_forces.h"
#include "cylindrical/calc/rating_rules.h"

namespace cylindrical {
namespace {

TEST(RatingRules, HelixAngleUpToSixtyDegreesIsHelical) {
    struct Case {
        const char* name;
        double beta;
        bool helical, tooLarge;
    } cases[] = {
        {"spur", 0, false, false},
        {"negative", -5, false, false},
        {"helical", 15, true, false},
        {"the limit", 60, true, false},
        {"above the limit", 60.001, false, true},
        {"not a number", std::nan(""), false, false},
        {"infinite", std::numeric_limits<double>::infinity(), false, true},
    };
    for (const auto& c : cases) {
        HelixChoice h = helixChoice(c.beta);
        EXPECT_EQ(h.helical, c.helical) << c.name;
        EXPECT_EQ(h.tooLarge, c.tooLarge) << c.name;
    }
}

TEST(RatingRules, ForceAndFactorButtons) {
    ForceButtons none = forceButtons(false, 15);
    EXPECT_FALSE(none.ft || none.fr || none.fx || none.fn) << "an input is missing";
    ForceButtons helical = forceButtons(true, 15);
    EXPECT_TRUE(helical.ft && helical.fr && helical.fx && helical.fn);
    ForceButtons spur = forceButtons(true, 0);
    EXPECT_TRUE(spur.ft && spur.fr && spur.fn);
    EXPECT_FALSE(spur.fx) << "no axial force without a helix";

    struct Case {
        const char* name;
        Forces f;
        bool helical;
        double beta;
        bool factors, yBeta;
    } cases[] = {
        {"spur, three forces", {100, 36, 0, 106}, false, 0, true, false},
        {"helical without Fx", {100, 36, 0, 106}, true, 15, false, false},
        {"helical with Fx", {100, 36, 27, 106}, true, 15, true, true},
        {"Fr missing", {100, 0, 0, 106}, false, 0, false, false},
    };
    for (const auto& c : cases) {
        FactorButtons b = factorButtons(c.f, c.helical, c.beta);
        EXPECT_EQ(b.factors, c.factors) << c.name;
        EXPECT_EQ(b.yBeta, c.yBeta) << c.name;
    }
}

TEST(RatingRules, StressButtonsFollowTheMasks) {
    EXPECT_TRUE(contactStressButtons(contact_bit::kComplete).stress);
    EXPECT_FALSE(contactStressButtons(contact_bit::kComplete).closeAll);
    EXPECT_FALSE(contactStressButtons(contact_bit::kComplete & ~contact_bit::zW).stress);
    EXPECT_TRUE(contactStressButtons(0).closeAll);
    EXPECT_TRUE(bendingStressButtons(bending_bit::kComplete).stress);
    EXPECT_TRUE(bendingStressButtons(bending_bit::kComplete & ~bending_bit::yX).closeAll);
    // A spur pair starts with Yβ given (it is 1); a helical pair asks for it.
    EXPECT_EQ(initialBendingMask(0, false), bending_bit::yBeta);
    EXPECT_EQ(initialBendingMask(15, true), 0);
    EXPECT_EQ(initialBendingMask(0, true), 0) << "helical flag from a loaded design";
}

}  // namespace
}  // namespace cylindrical
