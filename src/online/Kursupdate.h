#pragma once

// The rate update without a window: what the "Update!" button, the update
// at start and a terminal run share. QtCore and QtNetwork only; nothing
// here needs a QGuiApplication.

#include "data/Globals.h"
#include "online/Antwortleser.h"
#include "online/Webretreiver.h"

#include <QDate>
#include <QLocale>
#include <QString>

#include <cstdint>
#include <vector>

namespace zirvanto {

// A save of one of the two files that failed.
struct Speicherfehler {
    QString datei;  // the file's name in the program folder
    QString fehler; // the system's error text
};

struct Kursupdateergebnis {
    // 0: rates received and applied; -1: a reply without a usable record;
    // -2: the request failed (`abruffehler` says why).
    int16_t code = -2;
    Abruffehler abruffehler = Abruffehler::Keiner;
    // The table, the update time and the reference date changed and the
    // files were written. Not when the ECB's feed holds the rates in use.
    bool geaendert = false;
    QDate stichtag;                             // the reference date of the rates received
    QString quelle;                             // the host they came from
    std::vector<Speicherfehler> speicherfehler; // every save that failed, in order
    // The records of the ECB's feed when they were applied: that day joins
    // a history of past rates.
    std::vector<Kurssatz> ezbSaetze;
};

// The address with the program's identifier appended ("&rechner=1010"),
// which belongs to the program server's protocol alone: without a program
// server the address as it stands.
QString mitKennung(const QString& adresse, const QString& programmserver);

// The registration with a program server (nothing without one): the install
// request while FreshInstalled is set, which it clears, else the start-up
// request. A non-empty reply sets the addresses and texts it holds; only
// then is the result true, and the caller saves the settings.
bool serverAnmelden(Globals& globals, Webretreiver& webretreiver);

// The program server's logo into "logo.bmp" in the program folder, shown
// from the next start; an existing logo stays when the download fails.
void logoHerunterladen(const Globals& globals, const QString& programmordner,
                       Webretreiver& webretreiver);

// Fetches CurrencyURL, merges its records into the table, fetches the flag
// pictures missing from the program folder, sets the update time and the
// reference date (the ECB feed's, else the update's) and saves the
// settings file, then the rate file. A request that fails, a reply without
// a single usable record, or the ECB's feed of the reference date and host
// already in use, changes nothing.
Kursupdateergebnis kurseAktualisieren(Globals& globals, const QString& programmordner,
                                      Webretreiver& webretreiver, const QLocale& locale);

} // namespace zirvanto
