#pragma once

#include "historie/Kurshistorie.h"

#include <QDate>
#include <QString>

#include <optional>

namespace zirvanto {

class Webretreiver;
struct Kursupdateergebnis;

// Where the ECB publishes its history: every working day since 1999 as a
// zipped CSV, and the last 90 days as XML.
struct Historienadressen {
    QString zip = QStringLiteral("https://www.ecb.europa.eu/stats/eurofxref/eurofxref-hist.zip");
    QString neunzigTage =
        QStringLiteral("https://www.ecb.europa.eu/stats/eurofxref/eurofxref-hist-90d.xml");
};

// The zip is about 630 KB.
inline constexpr qint64 GroessteHistorie = 4 << 20;
// A gap longer than this (in calendar days) is more than the 90-day file
// covers: the whole history is fetched again.
inline constexpr int NeunzigTage = 90;

struct Historienstand {
    bool ok = false;        // the history holds days to compute with
    QString fehler;         // what failed; the history may still be usable
    QString ersetzteDatei;  // why a damaged or foreign file was replaced
    bool abgerufen = false; // something was fetched
};

// Brings the history up to date through the program's HTTP client; its
// signal `fortschritt` tells how far a download has come.
class Historienabruf {
public:
    Historienabruf(Webretreiver& web, Kurshistorie& historie, Historienadressen adressen = {});

    // Makes the history hold the working days up to `bis` that the ECB has
    // published: the whole history when there is none (or only a damaged
    // file) or when more than 90 days lie between its last day and `bis`;
    // the 90-day file when working days lie in between; otherwise nothing.
    // A gap already fetched for in this run is not asked for again.
    Historienstand auffuellen(QDate bis);
    // Adds one day (the daily feed's), after filling any gap before it.
    Historienstand tagHinzufuegen(const Kurstag& tag);

    // After a rate update: the day of the ECB's feed joins a history the
    // user has fetched. Without a history file, or after an update from a
    // program server or one that changed nothing, nothing happens.
    Historienstand updateVermerken(const Kursupdateergebnis& ergebnis);

private:
    Historienstand ganzLaden(Historienstand stand);
    Historienstand neunzigTageLaden(Historienstand stand);
    // Writes what was read with `schreiben` (replace or add), or notes why
    // nothing was read.
    Historienstand eintragen(Historienstand stand, const Verlauf& verlauf,
                             bool (Kurshistorie::*schreiben)(const std::vector<Kurstag>&));

    Webretreiver& web_;
    Kurshistorie& historie_;
    Historienadressen adressen_;
    struct Versuch {
        QDate bis;
        QString fehler;
    };
    std::optional<Versuch> versuch_; // the last gap fetched for in this run
};

} // namespace zirvanto
