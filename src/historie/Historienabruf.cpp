#include "historie/Historienabruf.h"

#include "online/Kursupdate.h"
#include "online/Webretreiver.h"

#include <QCoreApplication>

#include <utility>

namespace zirvanto {

namespace {

QString abruffehler(const Abruf& abruf) {
    return QCoreApplication::translate(
               "Historienabruf",
               "Keine Verbindung zu %1, oder der Server hat die Datei nicht geliefert.")
        .arg(abruf.adresse.host());
}

// Whether a weekday lies after `letzter` up to `bis`: a day the ECB may
// have published.
bool werktagDazwischen(QDate letzter, QDate bis) {
    for (QDate d = letzter.addDays(1); d <= bis; d = d.addDays(1))
        if (d.dayOfWeek() <= 5) return true;
    return false;
}

} // namespace

Historienabruf::Historienabruf(Webretreiver& web, Kurshistorie& historie,
                               Historienadressen adressen)
    : web_(web), historie_(historie), adressen_(std::move(adressen)) {}

Historienstand Historienabruf::auffuellen(QDate bis) {
    Historienstand stand;
    if (historie_.oeffnen() == Kurshistorie::Zustand::Defekt)
        stand.ersetzteDatei = historie_.fehler();
    const std::optional<QDate> letzter = historie_.letzterTag();
    if (!letzter) return ganzLaden(std::move(stand));
    stand.ok = true;
    if (!werktagDazwischen(*letzter, bis)) return stand;
    if (versuch_ && versuch_->bis >= bis) {
        stand.fehler = versuch_->fehler;
        return stand;
    }
    stand = letzter->daysTo(bis) > NeunzigTage ? ganzLaden(std::move(stand))
                                               : neunzigTageLaden(std::move(stand));
    versuch_ = Versuch{bis, stand.fehler};
    return stand;
}

Historienstand Historienabruf::tagHinzufuegen(const Kurstag& tag) {
    // Only a history the user has fetched grows.
    if (historie_.oeffnen() != Kurshistorie::Zustand::Bereit) return {};
    Historienstand stand = auffuellen(tag.tag.addDays(-1));
    // Never past a gap left open: it would not be noticed again.
    if (stand.ok && stand.fehler.isEmpty() && !historie_.ergaenzen({tag}))
        stand.fehler = historie_.fehler();
    return stand;
}

Historienstand Historienabruf::updateVermerken(const Kursupdateergebnis& ergebnis) {
    if (!ergebnis.geaendert || ergebnis.ezbSaetze.empty() || !ergebnis.stichtag.isValid())
        return {};
    Kurstag tag{ergebnis.stichtag, {}};
    for (const Kurssatz& satz : ergebnis.ezbSaetze)
        tag.kurse.emplace_back(satz.ISO, satz.Kurs);
    return tagHinzufuegen(tag);
}

Historienstand Historienabruf::ganzLaden(Historienstand stand) {
    stand.abgerufen = true;
    const Abruf abruf = web_.bytesOeffnen(adressen_.zip, GroessteHistorie);
    return eintragen(std::move(stand),
                     abruf ? csvAusZip(abruf.bytes) : Verlauf{{}, abruffehler(abruf)},
                     &Kurshistorie::ersetzen);
}

Historienstand Historienabruf::neunzigTageLaden(Historienstand stand) {
    stand.abgerufen = true;
    const Abruf abruf = web_.textOeffnen(adressen_.neunzigTage);
    return eintragen(std::move(stand),
                     abruf ? xmlLesen(abruf.text) : Verlauf{{}, abruffehler(abruf)},
                     &Kurshistorie::ergaenzen);
}

Historienstand
Historienabruf::eintragen(Historienstand stand, const Verlauf& verlauf,
                          bool (Kurshistorie::*schreiben)(const std::vector<Kurstag>&)) {
    if (!verlauf.fehler.isEmpty())
        stand.fehler = verlauf.fehler;
    else if (!(historie_.*schreiben)(verlauf.tage))
        stand.fehler = historie_.fehler();
    stand.ok = historie_.letzterTag().has_value();
    return stand;
}

} // namespace zirvanto
