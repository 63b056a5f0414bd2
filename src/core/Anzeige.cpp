// The writing of values, error texts and the memory indicator into the
// display texts.
#include "core/Anzeige.h"

#include "core/Rechenwerk.h"
#include "core/Zahlbild.h"

#include <QCoreApplication>

namespace zirvanto {

std::optional<QString> feldtext(double wert, bool eingabe, bool mitLeerzeichen,
                                const QLocale& locale) {
    Zahlbild bild = eingabe ? Eingabeformat : Ergebnisformat;
    if (locale.numberOptions() & QLocale::OmitGroupSeparator) bild.gruppiert = false;
    auto text = bild.schreiben(wert, locale);
    if (text && mitLeerzeichen) *text += QLatin1Char(' ');
    if (!text || text->size() > MaxFeldlaenge) return std::nullopt;
    return text;
}

std::optional<QString> seitentext(double euro, double kurs, const QLocale& locale) {
    return feldtext(euro * kurs, false, false, locale);
}

QString ueberlauftext() {
    return QCoreApplication::translate("Rechenwerk", "Überlauf");
}

QString fehlertext(int16_t Fehlercode) {
    switch (Fehlercode) {
    case 1: return QCoreApplication::translate("Rechenwerk", "Division durch Null.");
    case 2: return QCoreApplication::translate("Rechenwerk", "Unzulässiger Funktionsaufruf.");
    default: return QCoreApplication::translate("Rechenwerk", "Fehler.");
    }
}

void Rechenwerk::AnzeigeAktualisieren(double Wert, bool Eingabemodus, bool Umrechnen,
                                      bool BeideAnzeigen) {
    const bool euroZiel = BeideAnzeigen || Eingabewaehrung == EuroEingabe;
    const bool hauptZiel = BeideAnzeigen || Eingabewaehrung != EuroEingabe;

    if (Fehlercode != 0) {
        const QString text = fehlertext(Fehlercode);
        anzeige_.DispEuro = text;
        anzeige_.DispSchilling = text;
        for (auto& box : anzeige_.SideBox)
            box.clear();
        piep();
        return;
    }

    const double euro = Umrechnen ? Wert / hauptkurs() : Wert;
    if (euroZiel)
        anzeige_.DispEuro = feldtext(euro, Eingabemodus, true, locale_).value_or(ueberlauftext());
    if (hauptZiel)
        anzeige_.DispSchilling =
            feldtext(Wert, Eingabemodus, true, locale_).value_or(ueberlauftext());
    if (Eingabemodus) return;

    for (const Waehrung& w : tabelle_)
        if (w.Aktiv && w.Platz >= 1 && w.Platz <= Seitenzeilen)
            anzeige_.SideBox[std::size_t(w.Platz)] =
                seitentext(euro, w.Kurs, locale_).value_or(ueberlauftext());
}

void Rechenwerk::Memory_Change() {
    anzeige_.Memory = Speicher == 0 ? QString() : QStringLiteral("M");
}

void Rechenwerk::SideBoxLeeren(int zeile) {
    if (zeile >= 1 && zeile <= Seitenzeilen) anzeige_.SideBox[std::size_t(zeile)].clear();
}

} // namespace zirvanto
