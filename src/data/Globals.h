#pragma once

#include "data/Waehrungstabelle.h"

#include <QString>

namespace zirvanto {

// The state every window of the program shares. main() creates one and
// hands it by reference to each window; tests create their own.
struct Globals {
    Waehrungstabelle Waehrungen;
    QString Titel = QStringLiteral("Zirvanto"); // caption of the main window and dialogs
};

} // namespace zirvanto
