// The settings file reader, under a German and an American locale: any file
// leaves a port of 0..65535, a valid main currency, side rows of 1..14 and a
// valid update time; and the settings written and read again are the same.

#include "Fuzzhilfe.h"

#include "data/Einstellungsdatei.h"

#include <QLocale>

namespace {

using zirvanto::fuzz::pruefen;

// Codes to match: a duplicate in another case, a lower-case code, an empty one.
zirvanto::Globals globals() {
    zirvanto::Globals g;
    for (const char* iso : {"ATS", "DEM", "usd", "", "ats"}) {
        zirvanto::Waehrung w;
        w.ISO = QString::fromLatin1(iso);
        g.Waehrungen.anhaengen(w);
    }
    return g;
}

void zulaessig(const zirvanto::Globals& g) {
    const zirvanto::Einstellungen& e = g.einstellungen;
    pruefen(e.ProxyPort >= 0 && e.ProxyPort <= 65535, "the port is 0..65535");
    pruefen(e.UpdateDatum.isValid(), "the update time is valid");
    pruefen(g.Waehrungen.gueltigerIndex(g.Waehrungen.HauptwaehrungIndex),
            "the main currency is in the table");
    for (const zirvanto::Waehrung& w : g.Waehrungen)
        pruefen(w.Aktiv ? w.Platz >= 1 && w.Platz <= 14 : w.Platz == 0,
                "an active entry has a row of 1..14, any other none");
}

bool gleich(const zirvanto::Globals& a, const zirvanto::Globals& b, const QLocale& locale) {
    const zirvanto::Einstellungen& x = a.einstellungen;
    const zirvanto::Einstellungen& y = b.einstellungen;
    if (x.WerbeURL != y.WerbeURL || x.LogoURL != y.LogoURL || x.CurrencyURL != y.CurrencyURL ||
        x.FlagURL != y.FlagURL || x.ProxyServer != y.ProxyServer || x.ProxyPort != y.ProxyPort ||
        x.AutoUpdateAktiv != y.AutoUpdateAktiv || x.FreshInstalled != y.FreshInstalled ||
        x.Texte != y.Texte || x.Stand != y.Stand)
        return false;
    // The file keeps the update time to the second.
    if (zirvanto::updateText(x.UpdateDatum, locale) != zirvanto::updateText(y.UpdateDatum, locale))
        return false;
    if (a.Waehrungen.HauptwaehrungIndex != b.Waehrungen.HauptwaehrungIndex) return false;
    for (std::size_t k = 0; k < a.Waehrungen.size(); ++k)
        if (a.Waehrungen[k].Aktiv != b.Waehrungen[k].Aktiv ||
            a.Waehrungen[k].Platz != b.Waehrungen[k].Platz)
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    const QString& ordner = zirvanto::fuzz::programmordner();
    for (const QLocale& locale : {QLocale(QLocale::German, QLocale::Austria),
                                  QLocale(QLocale::English, QLocale::UnitedStates)}) {
        zirvanto::fuzz::dateiSchreiben(zirvanto::Einstellungsdateiname,
                                       zirvanto::fuzz::bytes(daten, groesse));
        zirvanto::Globals gelesen = globals();
        const auto lesung = zirvanto::einstellungenLesen(ordner, gelesen, locale);
        pruefen(lesung.gefunden, "an existing settings file is read");
        pruefen(!lesung.lastUpdate || !lesung.lastUpdate->isEmpty(),
                "a read update time has a caption");
        zulaessig(gelesen);

        pruefen(zirvanto::einstellungenSpeichern(ordner, gelesen, locale).ok,
                "the settings are written");
        zirvanto::Globals wieder = globals();
        pruefen(zirvanto::einstellungenLesen(ordner, wieder, locale).gefunden,
                "the written file is read");
        pruefen(gleich(gelesen, wieder, locale), "written and read again: the same settings");
    }
    return 0;
}
