#pragma once

#include "data/Einstellungen.h"
#include "data/Waehrungstabelle.h"

#include <QDateTime>

#include <functional>

namespace zirvanto {

// The state every window of the program shares. main() creates one and
// hands it by reference to each window; tests create their own.
struct Globals {
    Waehrungstabelle Waehrungen;
    // The program server of this run (empty: none); the build's by default.
    QString Programmserver = ServerVorgabe;
    Einstellungen einstellungen{Programmserver};
    bool ServerAngemeldet = false; // a registration of this run got a reply
    bool ListenFuellung = false;   // the side lists are being refilled
    // The clock: update times and the age of the rates. Tests set their own.
    std::function<QDateTime()> jetzt = [] { return QDateTime::currentDateTime(); };
};

} // namespace zirvanto
