#pragma once

#include <cstdint>
#include <span>

namespace zirvanto {

// One keypad button: its control name, caption, the key code it sends,
// its place in twips and what a screen reader says of it.
struct Tastendefinition {
    const char* name;
    const char* beschriftung;
    int16_t code;
    int links, oben, breite, hoehe;
    const char* zugangsname;
};

std::span<const Tastendefinition> tastenfeld();

} // namespace zirvanto
