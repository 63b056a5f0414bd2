#pragma once

#include <QLocale>
#include <QString>

#include <optional>

namespace zirvanto {

// The locale the displays are written in: the system's, or German (Austria)
// where the system has only the C locale.
QLocale anzeigeLocale();

// A value rounded once to 15 significant digits, halves away from zero; its
// exact binary value decides. Binary noise lies beyond the fifteenth digit,
// so it never shows: 0.1 + 0.2 gives 0.3, 2.675 stays 2.675.
double rundeAuf15Stellen(double wert);

// Writes a value as a number picture: the integer part grouped (when asked),
// at least one integer digit, between minNachkomma and maxNachkomma decimals
// (rounded halves away from zero, trailing zeros dropped down to minNachkomma).
// The value is first rounded to 15 significant digits. mitTrennzeichen puts
// the decimal separator even after a value without decimals ("12,").
// A value that is not finite has no picture.
struct Zahlbild {
    int minNachkomma = 0;
    int maxNachkomma = 0;
    bool gruppiert = true;
    bool mitTrennzeichen = false;

    std::optional<QString> schreiben(double wert, const QLocale& locale) const;
};

// "###,###,###,###,##0.00": grouped, always two decimals.
inline constexpr Zahlbild Ergebnisformat{2, 2, true, false};
// "###,###,###,###,##0.###############": grouped, up to 15 decimals, the
// separator always written.
inline constexpr Zahlbild Eingabeformat{0, 15, true, true};
// "0.0000": four decimals, no grouping.
inline constexpr Zahlbild Kursformat{4, 4, false, false};

} // namespace zirvanto
