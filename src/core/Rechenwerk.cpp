#include "core/Rechenwerk.h"

#include "core/Zahlbild.h"

#include <QCoreApplication>

#include <cmath>
#include <limits>
#include <utility>

namespace zirvanto {

namespace {

constexpr int MaxFeldlaenge = 23;

// What a key code means to the machine.
enum class Art {
    Ziffer,
    Trennzeichen,
    Operation,
    Gleich,
    MC,
    MR,
    MS,
    MPlus,
    CE,
    C,
    Wurzel,
    Kehrwert,
    Vorzeichen,
    Back,
    Prozent,
    Gewechselt,
    Keine,
};

Art klassifizieren(int16_t code) {
    if (code >= 48 && code <= 57) return Art::Ziffer;
    switch (code) {
    case Taste::Punkt:
    case Taste::Komma: return Art::Trennzeichen;
    case Taste::Plus:
    case Taste::Minus:
    case Taste::Mal:
    case Taste::Durch: return Art::Operation;
    case Taste::Gleich:
    case Taste::Enter: return Art::Gleich;
    case Taste::MC: return Art::MC;
    case Taste::MR: return Art::MR;
    case Taste::MS: return Art::MS;
    case Taste::MPlus: return Art::MPlus;
    case Taste::CE: return Art::CE;
    case Taste::C:
    case Taste::Escape: return Art::C;
    case Taste::Wurzel: return Art::Wurzel;
    case Taste::Kehrwert: return Art::Kehrwert;
    case Taste::Vorzeichen: return Art::Vorzeichen;
    case Taste::Back: return Art::Back;
    case Taste::Prozent: return Art::Prozent;
    case Taste::WaehrungGewechselt: return Art::Gewechselt;
    default: return Art::Keine;
    }
}

int16_t operationDerTaste(int16_t code) {
    switch (code) {
    case Taste::Plus: return 1;
    case Taste::Minus: return 2;
    case Taste::Mal: return 3;
    default: return 4;
    }
}

bool istBetragsoperation(int16_t operation) {
    return operation == 1 || operation == 2;
}

} // namespace

Rechenwerk::Rechenwerk(const Waehrungstabelle& tabelle, QLocale locale, Rueckmeldung rueckmeldung)
    : tabelle_(tabelle), locale_(std::move(locale)), rueckmeldung_(std::move(rueckmeldung)) {}

void Rechenwerk::piep() const {
    if (rueckmeldung_.piep) rueckmeldung_.piep();
}

void Rechenwerk::meldung(const QString& text) const {
    if (rueckmeldung_.meldung) rueckmeldung_.meldung(text);
}

bool Rechenwerk::setzen(double& ziel, double wert) {
    if (!std::isfinite(wert)) {
        Fehlercode = 3;
        return false;
    }
    ziel = wert;
    return true;
}

void Rechenwerk::OperationAusfuehren() {
    switch (Operation) {
    case 0: break;
    case 1: setzen(Akkumulator, Operand + Akkumulator); break;
    case 2: setzen(Akkumulator, Akkumulator - Operand); break;
    case 3: setzen(Akkumulator, Operand * Akkumulator); break;
    case 4:
        if (Operand == 0)
            Fehlercode = 1;
        else
            setzen(Akkumulator, Akkumulator / Operand);
        break;
    default: meldung(QStringLiteral("Illegal instruction type"));
    }
}

double Rechenwerk::ZifferAnhaengen(double Zahl, int16_t Nachkommastelle, int16_t Ziffer) {
    const double basis = Nachkommastelle == 0 ? Zahl * 10 : Zahl;
    const double stelle = std::pow(10.0, -Nachkommastelle);
    return Zahl < 0 ? basis - stelle * Ziffer : basis + stelle * Ziffer;
}

void Rechenwerk::ziffer(double& zahl, int16_t d) {
    // Past the counter's range further decimals could not change the value.
    if (Nachkommastelle == std::numeric_limits<int16_t>::max()) return;
    if (setzen(zahl, ZifferAnhaengen(zahl, Nachkommastelle, d)) && Nachkommastelle >= 1)
        ++Nachkommastelle;
}

void Rechenwerk::letzteZifferLoeschen(double& zahl) {
    if (Nachkommastelle <= 1) {
        zahl = std::trunc(zahl / 10);
        Nachkommastelle = 0;
        return;
    }
    --Nachkommastelle;
    const double q = std::pow(10.0, Nachkommastelle - 1);
    const double verschoben = zahl * q;
    // Beyond the precision of a double there is no digit left to cut.
    if (!std::isfinite(verschoben)) return;
    // Rounded first, so that binary noise (0.3 held as 0.29999...) does not
    // cut away a digit that was typed.
    zahl = std::trunc(rundeAuf15Stellen(verschoben)) / q;
}

// A number typed in Euro becomes a main-currency amount.
void Rechenwerk::abschliessen(double& zahl) {
    if (Eingabewaehrung == EuroEingabe) setzen(zahl, hauptkurs() * zahl);
}

// While the second number is typed it is held as typed: in the input
// currency for an addition or subtraction, a pure number for a factor or
// divisor. Only an addend is ever finished.
void Rechenwerk::zweiteZahlAbschliessen() {
    if (istBetragsoperation(Operation)) abschliessen(Operand);
}

double Rechenwerk::inEingabewaehrung(double betrag) const {
    return Eingabewaehrung == EuroEingabe ? betrag / hauptkurs() : betrag;
}

// The second number as typed, as the main-currency amount the displays show.
double Rechenwerk::zweiteZahlAlsBetrag() const {
    return Eingabewaehrung == EuroEingabe ? hauptkurs() * Operand : Operand;
}

// The root of an amount is taken of its value in the input currency.
void Rechenwerk::wurzel(double& zahl, bool betrag) {
    if (zahl < 0) {
        Fehlercode = 2;
        return;
    }
    double r = std::sqrt(zahl);
    if (betrag && Eingabewaehrung == EuroEingabe) r = std::sqrt(hauptkurs()) * r;
    setzen(zahl, r);
}

void Rechenwerk::kehrwert(double& zahl, bool betrag) {
    if (zahl == 0) {
        Fehlercode = 1;
        return;
    }
    double r = 1 / zahl;
    if (betrag && Eingabewaehrung == EuroEingabe) r = hauptkurs() * r * hauptkurs();
    setzen(zahl, r);
}

void Rechenwerk::allesLoeschen() {
    Akkumulator = 0;
    Operand = 0;
    Fehlercode = 0;
    Operation = 0;
    ergebnisZeigen(0);
    Zustand = ErgebnisAnzeige;
}

void Rechenwerk::Form_KeyPress(int16_t& KeyAscii) {
    const int16_t code = KeyAscii;
    switch (Zustand) {
    case ErgebnisAnzeige: zustandErgebnis(code); break;
    case ErsteZahlEingabe: zustandErsteZahl(code); break;
    case OperationGewaehlt: zustandOperation(code); break;
    case ZweiteZahlEingabe: zustandZweiteZahl(code); break;
    default:
        meldung(QCoreApplication::translate("Rechenwerk", "Ungültiger Zustand der Statemachine"));
    }
    KeyAscii = 0;
}

void Rechenwerk::zustandErgebnis(int16_t code) {
    switch (klassifizieren(code)) {
    case Art::Ziffer:
        Akkumulator = code - Taste::Null;
        Operand = 0;
        Operation = 0;
        Nachkommastelle = 0;
        eingabeZeigen(Akkumulator);
        Zustand = ErsteZahlEingabe;
        break;
    case Art::Trennzeichen:
        Akkumulator = 0;
        Operation = 0;
        Nachkommastelle = 1;
        eingabeZeigen(0);
        Zustand = ErsteZahlEingabe;
        break;
    case Art::Operation:
        Operand = Akkumulator;
        Operation = operationDerTaste(code);
        Zustand = OperationGewaehlt;
        break;
    case Art::Gleich:
        OperationAusfuehren();
        ergebnisZeigen(Akkumulator);
        break;
    case Art::MC:
        Speicher = 0;
        Memory_Change();
        break;
    case Art::MR:
        Akkumulator = Speicher;
        ergebnisZeigen(Akkumulator);
        break;
    case Art::MS:
        Speicher = Akkumulator;
        Memory_Change();
        break;
    case Art::MPlus: speicherAddieren(Akkumulator, Akkumulator); break;
    case Art::CE:
        Akkumulator = 0;
        Fehlercode = 0;
        ergebnisZeigen(0);
        break;
    case Art::C: allesLoeschen(); break;
    case Art::Wurzel:
        wurzel(Akkumulator, true);
        ergebnisZeigen(Akkumulator);
        break;
    case Art::Kehrwert:
        kehrwert(Akkumulator, true);
        ergebnisZeigen(Akkumulator);
        break;
    case Art::Vorzeichen:
        Akkumulator = -Akkumulator;
        ergebnisZeigen(Akkumulator);
        break;
    case Art::Back: piep(); break;
    case Art::Prozent:
        if (Operation == 0) break;
        setzen(Akkumulator, Akkumulator * prozentzahl(Akkumulator) / 100);
        ergebnisZeigen(Akkumulator);
        break;
    case Art::Gewechselt: ergebnisZeigen(Akkumulator); break;
    case Art::Keine: break;
    }
}

void Rechenwerk::zustandErsteZahl(int16_t code) {
    switch (klassifizieren(code)) {
    case Art::Ziffer:
        ziffer(Akkumulator, int16_t(code - Taste::Null));
        eingabeZeigen(Akkumulator);
        break;
    case Art::Trennzeichen:
        eingabeZeigen(Akkumulator);
        if (Nachkommastelle == 0) Nachkommastelle = 1;
        break;
    case Art::Operation:
        abschliessen(Akkumulator);
        Operand = Akkumulator;
        Operation = operationDerTaste(code);
        ergebnisZeigen(Akkumulator);
        Zustand = OperationGewaehlt;
        break;
    case Art::Gleich:
        abschliessen(Akkumulator);
        ergebnisZeigen(Akkumulator);
        Zustand = ErgebnisAnzeige;
        break;
    case Art::MC:
        abschliessen(Akkumulator);
        Speicher = 0;
        Memory_Change();
        Zustand = ErgebnisAnzeige;
        break;
    case Art::MR:
        Akkumulator = Speicher;
        ergebnisZeigen(Akkumulator);
        Zustand = ErgebnisAnzeige;
        break;
    case Art::MS:
        abschliessen(Akkumulator);
        Speicher = Akkumulator;
        Memory_Change();
        Zustand = ErgebnisAnzeige;
        break;
    case Art::MPlus:
        abschliessen(Akkumulator);
        speicherAddieren(Akkumulator, Akkumulator);
        Zustand = ErgebnisAnzeige;
        break;
    case Art::CE:
        Akkumulator = 0;
        Fehlercode = 0;
        ergebnisZeigen(0);
        Zustand = ErgebnisAnzeige;
        break;
    case Art::C: allesLoeschen(); break;
    case Art::Wurzel:
        abschliessen(Akkumulator);
        wurzel(Akkumulator, true);
        ergebnisZeigen(Akkumulator);
        Zustand = ErgebnisAnzeige;
        break;
    case Art::Kehrwert:
        abschliessen(Akkumulator);
        kehrwert(Akkumulator, true);
        ergebnisZeigen(Akkumulator);
        Zustand = ErgebnisAnzeige;
        break;
    case Art::Vorzeichen:
        Akkumulator = -Akkumulator;
        eingabeZeigen(Akkumulator);
        break;
    case Art::Back:
        letzteZifferLoeschen(Akkumulator);
        eingabeZeigen(Akkumulator);
        break;
    case Art::Prozent:
        // Further digits continue from 0 at the current decimal place.
        Akkumulator = 0;
        ergebnisZeigen(0);
        break;
    case Art::Gewechselt:
        // The switch has already happened: main-currency input now means the
        // number was typed in Euro.
        if (Eingabewaehrung == HauptwaehrungEingabe) setzen(Akkumulator, hauptkurs() * Akkumulator);
        ergebnisZeigen(Akkumulator);
        Zustand = ErgebnisAnzeige;
        break;
    case Art::Keine: break;
    }
}

void Rechenwerk::zustandOperation(int16_t code) {
    switch (klassifizieren(code)) {
    case Art::Ziffer:
        Nachkommastelle = 0;
        Operand = code - Taste::Null;
        eingabeZeigen(Operand);
        Zustand = ZweiteZahlEingabe;
        break;
    case Art::Trennzeichen:
        Operand = 0;
        Nachkommastelle = 1;
        eingabeZeigen(0);
        Zustand = ZweiteZahlEingabe;
        break;
    case Art::Operation: Operation = operationDerTaste(code); break;
    case Art::Gleich:
        OperationAusfuehren();
        ergebnisZeigen(Akkumulator);
        Zustand = ErgebnisAnzeige;
        break;
    case Art::MC:
        Speicher = 0;
        Memory_Change();
        break;
    case Art::MR: speicherAbrufenAlsZweiteZahl(); break;
    case Art::MS:
        Speicher = Akkumulator;
        Memory_Change();
        break;
    case Art::MPlus: speicherAddieren(Akkumulator, Akkumulator); break;
    case Art::CE:
        Operand = 0;
        Fehlercode = 0;
        ergebnisZeigen(0);
        Zustand = ErgebnisAnzeige;
        break;
    case Art::C: allesLoeschen(); break;
    case Art::Wurzel:
        wurzel(Operand, true);
        ergebnisZeigen(Operand);
        break;
    case Art::Kehrwert:
        kehrwert(Operand, true);
        ergebnisZeigen(Operand);
        break;
    case Art::Vorzeichen:
        Operand = -Operand;
        ergebnisZeigen(Operand);
        break;
    case Art::Back: piep(); break;
    case Art::Prozent:
        setzen(Operand, Akkumulator * prozentzahl(Operand) / 100);
        ergebnisZeigen(Operand);
        break;
    case Art::Gewechselt: ergebnisZeigen(Akkumulator); break;
    case Art::Keine: break;
    }
}

void Rechenwerk::zustandZweiteZahl(int16_t code) {
    const bool betrag = istBetragsoperation(Operation);
    switch (klassifizieren(code)) {
    case Art::Ziffer:
        ziffer(Operand, int16_t(code - Taste::Null));
        eingabeZeigen(Operand);
        break;
    case Art::Trennzeichen:
        if (Nachkommastelle == 0) Nachkommastelle = 1;
        eingabeZeigen(Operand);
        break;
    case Art::Operation:
        zweiteZahlAbschliessen();
        OperationAusfuehren();
        ergebnisZeigen(Akkumulator);
        Operation = operationDerTaste(code);
        Zustand = OperationGewaehlt;
        break;
    case Art::Gleich:
        zweiteZahlAbschliessen();
        OperationAusfuehren();
        ergebnisZeigen(Akkumulator);
        Zustand = ErgebnisAnzeige;
        break;
    case Art::MC:
        zweiteZahlAbschliessen();
        Speicher = 0;
        Memory_Change();
        Zustand = OperationGewaehlt;
        break;
    case Art::MR: speicherAbrufenAlsZweiteZahl(); break;
    case Art::MS:
        // Euro input with a huge main rate can take the amount out of range.
        if (setzen(Speicher, zweiteZahlAlsBetrag()))
            Memory_Change();
        else
            ergebnisZeigen(Akkumulator);
        break;
    case Art::MPlus: speicherAddieren(zweiteZahlAlsBetrag(), Akkumulator); break;
    case Art::CE:
        Operand = 0;
        Fehlercode = 0;
        ergebnisZeigen(0);
        Zustand = OperationGewaehlt;
        break;
    case Art::C: allesLoeschen(); break;
    case Art::Wurzel:
        zweiteZahlAbschliessen();
        wurzel(Operand, betrag);
        ergebnisZeigen(betrag ? Operand : zweiteZahlAlsBetrag());
        Zustand = OperationGewaehlt;
        break;
    case Art::Kehrwert:
        zweiteZahlAbschliessen();
        kehrwert(Operand, betrag);
        ergebnisZeigen(betrag ? Operand : zweiteZahlAlsBetrag());
        Zustand = OperationGewaehlt;
        break;
    case Art::Vorzeichen:
        Operand = -Operand;
        eingabeZeigen(Operand);
        break;
    case Art::Back:
        letzteZifferLoeschen(Operand);
        eingabeZeigen(Operand);
        break;
    case Art::Prozent:
        // The percentage of the first number, held like a typed second number.
        setzen(Operand, inEingabewaehrung(Akkumulator * Operand / 100));
        ergebnisZeigen(zweiteZahlAlsBetrag());
        break;
    case Art::Gewechselt:
        // The switch has already happened: main-currency input now means the
        // number was typed in Euro. A factor or divisor stays as it is.
        if (Eingabewaehrung == HauptwaehrungEingabe && betrag)
            setzen(Operand, hauptkurs() * Operand);
        ergebnisZeigen(Akkumulator);
        Zustand = OperationGewaehlt;
        break;
    case Art::Keine: break;
    }
}

// MR with an operation pending: the memory becomes the second number, held
// like a typed one (in the input currency), and is shown as the amount it is.
void Rechenwerk::speicherAbrufenAlsZweiteZahl() {
    // With Euro input and a main rate of 0 the memory has no Euro value.
    setzen(Operand, inEingabewaehrung(Speicher));
    ergebnisZeigen(Speicher);
    Zustand = ZweiteZahlEingabe;
}

// M+; a sum that leaves the range of a double is an error the user sees.
void Rechenwerk::speicherAddieren(double betrag, double angezeigt) {
    if (setzen(Speicher, Speicher + betrag))
        Memory_Change();
    else
        ergebnisZeigen(angezeigt);
}

void Rechenwerk::einfuegen(double wert) {
    double* ziel = nullptr;
    switch (Zustand) {
    case ErgebnisAnzeige:
    case ErsteZahlEingabe:
        ziel = &Akkumulator;
        Zustand = ErgebnisAnzeige;
        break;
    case OperationGewaehlt:
    case ZweiteZahlEingabe:
        ziel = &Operand;
        Zustand = OperationGewaehlt;
        break;
    default: return;
    }
    // A Euro amount becomes a main-currency amount, like every finished number.
    setzen(*ziel, Eingabewaehrung == EuroEingabe ? hauptkurs() * wert : wert);
    AnzeigeAktualisieren(*ziel, true, true, true);
}

void Rechenwerk::SideBoxLeeren(int zeile) {
    if (zeile >= 1 && zeile <= Seitenzeilen) anzeige_.SideBox[std::size_t(zeile)].clear();
}

void Rechenwerk::Memory_Change() {
    anzeige_.Memory = Speicher == 0 ? QString() : QStringLiteral("M");
}

QString Rechenwerk::feldtext(double wert, bool eingabe, bool mitLeerzeichen) const {
    auto text = (eingabe ? Eingabeformat : Ergebnisformat).schreiben(wert, locale_);
    if (text && mitLeerzeichen) *text += QLatin1Char(' ');
    if (!text || text->size() > MaxFeldlaenge)
        return QCoreApplication::translate("Rechenwerk", "Überlauf");
    return *text;
}

void Rechenwerk::AnzeigeAktualisieren(double Wert, bool Eingabemodus, bool Umrechnen,
                                      bool BeideAnzeigen) {
    const bool euroZiel = BeideAnzeigen || Eingabewaehrung == EuroEingabe;
    const bool hauptZiel = BeideAnzeigen || Eingabewaehrung != EuroEingabe;

    if (Fehlercode != 0) {
        const char* text = Fehlercode == 1 ? QT_TRANSLATE_NOOP("Rechenwerk", "Division durch Null.")
                           : Fehlercode == 2
                               ? QT_TRANSLATE_NOOP("Rechenwerk", "Unzulässiger Funktionsaufruf.")
                               : QT_TRANSLATE_NOOP("Rechenwerk", "Fehler.");
        anzeige_.DispEuro = QCoreApplication::translate("Rechenwerk", text);
        anzeige_.DispSchilling = anzeige_.DispEuro;
        for (auto& box : anzeige_.SideBox)
            box.clear();
        piep();
        return;
    }

    const double euro = Umrechnen ? Wert / hauptkurs() : Wert;
    if (euroZiel) anzeige_.DispEuro = feldtext(euro, Eingabemodus, true);
    if (hauptZiel) anzeige_.DispSchilling = feldtext(Wert, Eingabemodus, true);
    if (Eingabemodus) return;

    for (const Waehrung& w : tabelle_)
        if (w.Aktiv && w.Platz >= 1 && w.Platz <= Seitenzeilen)
            anzeige_.SideBox[std::size_t(w.Platz)] = feldtext(euro * w.Kurs, false, false);
}

} // namespace zirvanto
