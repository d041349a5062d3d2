// One type per concept the calculators share: mesh type, support
// arrangement, hardness class and load nature, and the closed range of a
// field. The enumerators keep the numbers design files store (and the order
// of their radio buttons); `int` stays only where a record is read or written.
#pragma once
#include <optional>

namespace kavrin {

enum class MeshType { External = 0, Internal = 1 };
enum class Support { Symmetric = 0, Asymmetric = 1, Cantilever = 2 };   // bearing arrangement of the pinion
enum class Hardness { Below350HB = 0, Above350HB = 1 };                 // flank hardness class
enum class LoadNature { Steady = 0, ModerateShocks = 1, HeavyShocks = 2 };

// A closed range [lower, upper] of a field or a table row.
struct Range {
    double lower = 0;
    double upper = 0;
    constexpr bool contains(double v) const { return v >= lower && v <= upper; }
    friend bool operator==(const Range&, const Range&) = default;
};

// Tooth counts of every field and record: 1 (or 0 while not given) up to
// this; loops and sums over teeth stay far from the int range.
inline constexpr int kMaxTeeth = 100000;

// A stored mesh type: 1 is internal, anything else external.
constexpr MeshType meshTypeOf(int stored) { return stored == 1 ? MeshType::Internal : MeshType::External; }

// The stored number of an enum, and back (nullopt beyond the last enumerator).
template <class E>
constexpr int toInt(E e) {
    return static_cast<int>(e);
}
template <class E>
constexpr std::optional<E> fromInt(int v, E last) {
    if (v < 0 || v > static_cast<int>(last)) return std::nullopt;
    return static_cast<E>(v);
}

}  // namespace kavrin
