#pragma once

#include <QString>

#include <cstdint>
#include <optional>

class QKeyEvent;

namespace zirvanto {

// The keys of the keypad functions that have no character of their own, as
// common desktop calculators have them: F9 sign change, R or r reciprocal,
// @ square root, Ctrl+L MC, Ctrl+R MR, Ctrl+M MS, Ctrl+P M+, Delete CE.
// A control chord is always a shortcut, never the character it may carry
// (Ctrl+M is MS, not Enter). The shortcut characters mean nothing in the
// calculator's key table, so no typed key loses its meaning.
std::optional<int16_t> kurztastencode(const QKeyEvent& taste);

// What a screen reader says of the key of a keypad button, by the code the
// button sends: "Tastatur: Strg+L".
QString tastenbeschreibung(int16_t code);

} // namespace zirvanto
