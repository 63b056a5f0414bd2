// The rate file reader: any file gives one entry per non-empty line, none
// of them shown in a side row, each with a finite rate; and the table
// written and read again is the same table.

#include "Fuzzhilfe.h"

#include "data/Kursdatei.h"
#include "data/Zahlentext.h"

#include <QFile>

#include <cmath>

namespace {

using zirvanto::fuzz::pruefen;

bool gleich(const zirvanto::Waehrung& a, const zirvanto::Waehrung& b) {
    // The flag name is written without blanks at its ends; the rate to
    // 15 significant digits.
    return a.ISO == b.ISO && a.Name == b.Name && zirvanto::ohneRaender(a.Flagge) == b.Flagge &&
           a.Manuell == b.Manuell && zirvanto::zahlentext(a.Kurs) == zirvanto::zahlentext(b.Kurs);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    const QByteArray eingabe = zirvanto::fuzz::bytes(daten, groesse);
    const QString& ordner = zirvanto::fuzz::programmordner();
    zirvanto::fuzz::dateiSchreiben(zirvanto::Kursdateiname, eingabe);

    zirvanto::Waehrungstabelle tabelle;
    const zirvanto::Dateistand stand = zirvanto::kurseLesen(ordner, tabelle);
    pruefen(stand.gefunden && stand.fehler.isEmpty(), "an existing rate file is read");
    qsizetype zeilen = 0;
    for (const QString& zeile : zirvanto::textzeilen(eingabe))
        if (!zirvanto::ohneRaender(zeile).isEmpty()) ++zeilen;
    pruefen(qsizetype(tabelle.size()) == 1 + zeilen, "one entry per non-empty line");
    for (const zirvanto::Waehrung& w : tabelle) {
        pruefen(std::isfinite(w.Kurs), "every rate is finite");
        pruefen(!w.Aktiv && w.Platz == 0, "no entry read from the file is in a side row");
    }

    pruefen(zirvanto::kurseSpeichern(ordner, tabelle).ok, "the table is written");
    zirvanto::Waehrungstabelle wieder;
    const zirvanto::Dateistand wiederStand = zirvanto::kurseLesen(ordner, wieder);
    pruefen(wiederStand.gefunden && wiederStand.fehler.isEmpty(), "the written file is read");
    pruefen(wieder.size() == tabelle.size(), "written and read again: as many entries");
    for (std::size_t k = 1; k < tabelle.size(); ++k)
        pruefen(gleich(tabelle[k], wieder[k]), "written and read again: the same entry");
    return 0;
}
