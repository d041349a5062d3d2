#include "cylindrical/calc/rating_rules.h"

#include <cmath>

#include "cylindrical/calc/rating_forces.h"

namespace cylindrical {

HelixChoice helixChoice(double betaDeg) {
    if (betaDeg <= 0 || betaDeg > kMaxHelixAngleDeg || !std::isfinite(betaDeg))
        return {.helical = false, .tooLarge = betaDeg > kMaxHelixAngleDeg};
    return {.helical = true, .tooLarge = false};
}

ForceButtons forceButtons(bool inputsComplete, double betaDeg) {
    return {inputsComplete, inputsComplete, inputsComplete && betaDeg != 0, inputsComplete};
}

FactorButtons factorButtons(const Forces& f, bool helical, double betaDeg) {
    const bool ready = f.ft != 0 && f.fr != 0 && f.fn != 0 && (f.fx != 0 || !helical);
    return {ready, ready && betaDeg != 0};
}

StressButtons contactStressButtons(std::uint16_t contactMask) {
    const bool complete = contactMaskComplete(contactMask);
    return {complete, !complete};
}

StressButtons bendingStressButtons(std::uint16_t bendingMask) {
    const bool complete = bendingMaskComplete(bendingMask);
    return {complete, !complete};
}

std::uint16_t initialBendingMask(double betaDeg, bool helical) {
    return (betaDeg == 0 && !helical) ? bending_bit::yBeta : 0;
}

const char* reportRefusal(const StageState& contact, const StageState& bending) {
    if (contact.cleared) return kMsgContactCleared;
    if (bending.cleared) return kMsgBendingCleared;
    if (!contact.rated && !bending.rated) return kMsgNothingRated;
    return nullptr;
}

}  // namespace cylindrical
