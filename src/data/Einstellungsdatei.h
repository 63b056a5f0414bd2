#pragma once

#include "data/Globals.h"
#include "data/Textdatei.h"

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>

namespace zirvanto {

// The settings file in the program folder: one "Key = value" line per
// setting. Its absence at start marks the first start of the program.
inline const QString Einstellungsdateiname = QStringLiteral("zirvanto.ini");

struct Einstellungslesung {
    bool gefunden = false; // false: no settings file, the first start
    QString fehler;        // why an existing file could not be read
    // The caption for the label lastUpdate, when an "Update" line was read.
    std::optional<QString> lastUpdate;
};

// Reads the settings file into `globals` (settings, main currency and the
// side-panel rows of the table, which must already hold the rate file's
// entries). Without a file, or when it cannot be read, nothing changes.
Einstellungslesung einstellungenLesen(const QString& programmordner, Globals& globals,
                                      const QLocale& locale);

// Applies the lines of a settings file; returns the caption for lastUpdate
// when an "Update" line could be read. Lines the reader cannot take are
// skipped; the rest still count.
std::optional<QString> einstellungenAnwenden(const QStringList& zeilen, Globals& globals,
                                             const QLocale& locale);

// The lines of the settings file for `globals`.
QStringList einstellungszeilen(const Globals& globals, const QLocale& locale);

Speicherergebnis einstellungenSpeichern(const QString& programmordner, const Globals& globals,
                                        const QLocale& locale);

// "Update" date and time as written to the file: the locale's short date
// with a four-digit year and its long time without the time zone, so that
// it reads back unchanged ("01.01.2001 00:00:00" in German).
QString updateText(const QDateTime& zeitpunkt, const QLocale& locale);

// An "Update" value: the form updateText() writes, the locale's own date
// and time forms, or ISO 8601. Nothing when the text is no date.
std::optional<QDateTime> updateLesen(const QString& text, const QLocale& locale);

// The general date form of the locale: the date, followed by the time when
// the time is not midnight.
QString allgemeinesDatum(const QDateTime& zeitpunkt, const QLocale& locale);

// The reference date of the rates in use. A settings file of an earlier
// build stores none: then the rates are those of its last update (from
// the host of CurrencyURL), or, without one, the shipped table.
Kursstand kursstand(const Einstellungen& einstellungen);

// Rates older than a week are stale.
bool kurseVeraltet(const QDate& stichtag, const QDate& heute);

// "Kurse vom 06.07.2026 (Quelle: mitgelieferte Tabelle)", and the warning
// when the rates are stale.
QString kursstandText(const Kursstand& stand, const QDate& heute, const QLocale& locale);

} // namespace zirvanto
