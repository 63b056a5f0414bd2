#pragma once

#include "data/Textdatei.h"
#include "data/Waehrungstabelle.h"

#include <QString>
#include <QStringView>

namespace zirvanto {

// The rate file in the program folder: one currency per line,
// "ISO:Name: <rate>:<flag picture>: <1 when set by hand, else 0>".
inline const QString Kursdateiname = QStringLiteral("currency.ini");

// One line of the rate file as an entry. Fields are taken as they stand
// between the colons; the rate is read only when a colon follows it, flag
// and marker only when a fourth colon exists. A line without a colon gives
// an empty entry with rate 0.
Waehrung kursdatensatzLesen(QStringView zeile);

// The line of the rate file for one entry.
QString kursdatensatz(const Waehrung& waehrung);

// Appends the rate file's entries to the table, in file order; empty lines
// are skipped. When there is no rate file, or it cannot be read, the table
// stays as it was.
Dateistand kurseLesen(const QString& programmordner, Waehrungstabelle& tabelle);

// Writes entries 1..N (never the Euro) to the rate file.
Speicherergebnis kurseSpeichern(const QString& programmordner, const Waehrungstabelle& tabelle);

} // namespace zirvanto
