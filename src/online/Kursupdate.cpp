#include "online/Kursupdate.h"

#include "data/Einstellungsdatei.h"
#include "data/Kursdatei.h"
#include "online/Antwortleser.h"
#include "online/Bilddatei.h"
#include "online/Kursabgleich.h"

#include <QDir>
#include <QFileInfo>

namespace zirvanto {

QString mitKennung(const QString& adresse, const QString& programmserver) {
    return programmserver.isEmpty() ? adresse : adresse + QStringLiteral("&rechner=1010");
}

bool serverAnmelden(Globals& globals, Webretreiver& webretreiver) {
    // Registration and logo exist only for a program server.
    if (globals.Programmserver.isEmpty()) return false;
    Einstellungen& e = globals.einstellungen;
    webretreiver.proxyUndProtokollSetzen(e);
    // A failed install request is not repeated: the next one announces a start.
    const QString aktion =
        e.FreshInstalled ? QStringLiteral("?action=install") : QStringLiteral("?action=startup");
    e.FreshInstalled = false;
    webretreiver.zugangSetzen(e);
    const Abruf abruf = webretreiver.textOeffnen(
        mitKennung(serverSkript(globals.Programmserver) + aktion, globals.Programmserver));
    if (!abruf || abruf.text.isEmpty()) return false;

    const Anmeldeantwort antwort = anmeldeantwortLesen(abruf.text);
    const auto uebernehmen = [](QString& ziel, const std::optional<QString>& wert) {
        if (wert) ziel = *wert;
    };
    uebernehmen(e.WerbeURL, antwort.WerbeURL);
    uebernehmen(e.LogoURL, antwort.LogoURL);
    uebernehmen(e.CurrencyURL, antwort.CurrencyURL);
    uebernehmen(e.FlagURL, antwort.FlagURL);
    for (std::size_t k = 1; k < e.Texte.size(); ++k)
        uebernehmen(e.Texte[k], antwort.Texte[k]);
    return true;
}

void logoHerunterladen(const Globals& globals, const QString& programmordner,
                       Webretreiver& webretreiver) {
    if (globals.Programmserver.isEmpty()) return;
    webretreiver.vorbereiten(globals.einstellungen);
    const Abruf abruf = webretreiver.bytesOeffnen(
        mitKennung(globals.einstellungen.LogoURL, globals.Programmserver));
    if (abruf)
        bildSchreiben(QDir(programmordner).filePath(QStringLiteral("logo.bmp")), abruf.bytes);
}

Kursupdateergebnis kurseAktualisieren(Globals& globals, const QString& programmordner,
                                      Webretreiver& webretreiver, const QLocale& locale) {
    Einstellungen& e = globals.einstellungen;
    Kursupdateergebnis ergebnis;
    webretreiver.vorbereiten(e);
    const Abruf abruf = webretreiver.textOeffnen(mitKennung(e.CurrencyURL, globals.Programmserver));
    ergebnis.abruffehler = abruf.fehler;
    const Kursantwort antwort = abruf ? kursantwortLesen(abruf.text) : Kursantwort{};
    // A reply without a single usable record (an error page from a proxy,
    // say) is a failure like an empty one, and changes nothing.
    if (antwort.saetze.empty()) {
        ergebnis.code = abruf ? -1 : -2;
        return ergebnis;
    }

    // The ECB's feed names its reference date; a program server's rates are
    // those of the update time.
    const QDateTime jetzt = globals.jetzt();
    const QDate stichtag =
        antwort.ezb && antwort.stichtag.isValid() ? antwort.stichtag : jetzt.date();
    ergebnis.code = 0;
    ergebnis.stichtag = stichtag;
    ergebnis.quelle = abruf.adresse.host();
    // The same rates as those in use: nothing to apply, no file to touch.
    if (antwort.ezb && kursstand(e) == Kursstand{stichtag, ergebnis.quelle}) return ergebnis;

    const QDir ordner(programmordner);
    for (const QString& flagge : kurseAbgleichen(globals.Waehrungen, antwort.saetze)) {
        const QString pfad = ordner.filePath(flagge);
        if (QFileInfo::exists(pfad)) continue;
        const Abruf bild = webretreiver.bytesOeffnen(e.FlagURL + flagge);
        if (bild) bildSchreiben(pfad, bild.bytes);
    }
    e.UpdateDatum = QDateTime(
        jetzt.date(), QTime(jetzt.time().hour(), jetzt.time().minute(), jetzt.time().second()));
    e.Stand = Kursstand{stichtag, ergebnis.quelle};
    ergebnis.geaendert = true;
    if (antwort.ezb) ergebnis.ezbSaetze = antwort.saetze;
    const auto vermerken = [&](const QString& datei, const Speicherergebnis& gespeichert) {
        if (!gespeichert) ergebnis.speicherfehler.push_back({datei, gespeichert.fehler});
    };
    vermerken(Einstellungsdateiname, einstellungenSpeichern(programmordner, globals, locale));
    vermerken(Kursdateiname, kurseSpeichern(programmordner, globals.Waehrungen));
    return ergebnis;
}

} // namespace zirvanto
