#pragma once

#include "data/Einstellungen.h"
#include "data/Waehrungstabelle.h"

namespace zirvanto {

// The state every window of the program shares. main() creates one and
// hands it by reference to each window; tests create their own.
struct Globals {
    Waehrungstabelle Waehrungen;
    Einstellungen einstellungen;
    bool ServerAngemeldet = false; // a registration of this run got a reply
    bool ListenFuellung = false;   // the side lists are being refilled
};

} // namespace zirvanto
