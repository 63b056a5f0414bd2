#include "core/Rechenwerk.h"

#include "core/Zahlbild.h"

#include <cmath>
#include <limits>
#include <utility>

namespace zirvanto {

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

} // namespace zirvanto
