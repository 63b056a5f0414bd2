#pragma once

#include <QLocale>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>

namespace zirvanto {

inline constexpr int Seitenzeilen = 14;

// The longest text a display field holds; a main display's trailing blank
// counts.
inline constexpr int MaxFeldlaenge = 23;

// What the displays show. SideBox is indexed by row, 1..14 (index 0 unused).
struct Anzeigetexte {
    QString DispEuro;
    QString DispSchilling;
    std::array<QString, Seitenzeilen + 1> SideBox;
    QString Memory;
};

// The text of a display field for a value: the result picture (grouped, two
// decimals) or, while a number is typed, the entry picture; a main display
// adds one blank. A locale that omits group separators (the C locale)
// writes no grouping. Nothing when the text would not fit the field or the
// value is not finite.
std::optional<QString> feldtext(double wert, bool eingabe, bool mitLeerzeichen,
                                const QLocale& locale);

// The side panel's text for a currency of the given rate: the Euro amount
// times the rate, in the result picture, without the blank.
std::optional<QString> seitentext(double euro, double kurs, const QLocale& locale);

// What a field shows instead of a value that does not fit.
QString ueberlauftext();

// What both main displays show for a calculation error.
QString fehlertext(int16_t Fehlercode);

} // namespace zirvanto
