#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zirvanto {

// Decimal digits of doubles and doubles of decimal text, both exact. They go
// through the double-conversion code of Qt Core, which is in memory anyway;
// libstdc++'s to_chars and from_chars for double would page in about 190 KB
// of code and tables at every start.

// The significant digits of a finite betrag > 0, without point, and the
// power of ten of the first: betrag is about d.ddd × 10^exponent.
struct Ziffern {
    std::string ziffern;
    int exponent = 0;
};

// The first stellen (1 to 767) significant digits, rounded once from the
// exact binary value, an exact half away from zero.
Ziffern gerundeteZiffern(double betrag, int stellen);

// The shortest digits that read back as betrag; of several, the nearest.
Ziffern kuerzesteZiffern(double betrag);

// The double nearest to a number in C notation ("-0.5e-3", "12.25"), or
// nothing when the text is no such number or its value lies beyond the range
// of a double: too large, or not zero but below the smallest subnormal.
std::optional<double> dezimalLesen(std::string_view text);

} // namespace zirvanto
