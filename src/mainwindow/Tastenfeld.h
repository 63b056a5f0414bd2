#pragma once

#include <QString>

#include <cstdint>
#include <span>

namespace zirvanto {

// One keypad button: its control name, caption, the key code it sends,
// its place in twips and what a screen reader says of it (German; see
// zugangsname()).
struct Tastendefinition {
    const char* name;
    const char* beschriftung;
    int16_t code;
    int links, oben, breite, hoehe;
    const char* zugangsname;
};

std::span<const Tastendefinition> tastenfeld();

// What a screen reader says of a keypad button, in the interface language.
QString zugangsname(const Tastendefinition& taste);

} // namespace zirvanto
