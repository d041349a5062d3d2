// Splitting an angle in decimal degrees into whole degrees, minutes and
// seconds, in the two ways the calculators show them.
#pragma once
#include <optional>
#include <string>

namespace kavrin {

struct AngleTriple {
    int deg = 0;
    int min = 0;
    int sec = 0;
    friend bool operator==(const AngleTriple&, const AngleTriple&) = default;
};

// deg + min/60 + sec/3600
double tripleToDegrees(const AngleTriple& a);
// The same in radians, with π = 3.141592653589793.
double tripleToRadians(const AngleTriple& a);

// The converter's split: degrees and minutes truncated, seconds
// ⌊(fraction×60 − minutes)×60 + 0.5⌋ with no carry, so 60″ can appear
// (12.99999 → 12°59′60″). nullopt for a value that is not finite or whose
// degrees do not fit an int.
std::optional<AngleTriple> splitDecimalDegrees(double degrees);

// The split of a computed angle (helix angle): degrees and minutes
// truncated, seconds rounded half up, carried into minutes and degrees at 60.
// nullopt as above.
std::optional<AngleTriple> splitDegreesCarry(double degrees);

}  // namespace kavrin

namespace kavrin {

// The split of a computed angle stored as three doubles: from radians,
// deg = ⌊a·180/π⌋, min = ⌊(a·180/π − deg)·60⌋, sec the rest in seconds with
// its fraction (45° → 45, 0, 0.0).
struct AngleDms {
    double deg = 0;
    double min = 0;
    double sec = 0;
    friend bool operator==(const AngleDms&, const AngleDms&) = default;
};
AngleDms splitRadiansDms(double radians);
// The angle rounded to `secondDecimals` places of seconds first and then
// split again (degrees and minutes by floor, as above), so that a shown angle
// never reads 60″ or 60′: 34°59′59.99…″ shown to 0.1″ is 35°0′0.0″. An angle
// whose parts are not finite, or that does not fit, comes back as it is.
AngleDms roundDms(const AngleDms& a, int secondDecimals);
// The report format "%2.0f°%2.0f′%2.1f″", of the angle rounded to 0.1″.
std::string formatDms(const AngleDms& a);

}  // namespace kavrin
