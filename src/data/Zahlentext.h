#pragma once

#include <QString>
#include <QStringView>

namespace zirvanto {

// The locale-free number text of the rate file: a leading blank for 0 or
// more, "-" for a negative value, a point as decimal separator, no zero
// before the point (" .5"), up to 15 significant digits. Magnitudes from
// 0.0001 up to below 1E15 are written in fixed notation, all others as
// mantissa, "E", sign and at least two exponent digits (" 1E-05",
// "-2.5E+20"). A value that is not finite has no text and is written " 0".
QString zahlentext(double wert);

// The value of the leading number of a text: blanks, tabs, CR and LF are
// skipped wherever they stand; an optional sign, digits with a point as
// decimal separator and an optional exponent (E or e, optional sign,
// digits). Reading stops at the first character that cannot continue the
// number ("13,7603" reads 13). A text without a number, and a number beyond
// the range of a double, read as 0.
double zahlLesen(QStringView text);

// The nearest whole number, halves to even, as std::nearbyint rounds by
// default; without libm, whose code would be paged in at start for it.
double ganzGerundet(double wert);

} // namespace zirvanto
