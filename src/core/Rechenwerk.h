#pragma once

#include "core/Anzeige.h"
#include "data/Waehrungstabelle.h"

#include <QLocale>
#include <QString>

#include <cstdint>
#include <functional>

namespace zirvanto {

// Key codes of the calculator. Characters come by their own code; the
// keypad functions without a character use 129..138.
namespace Taste {
inline constexpr int16_t Back = 8;
inline constexpr int16_t Enter = 13;
inline constexpr int16_t Escape = 27;
inline constexpr int16_t Prozent = 37;
inline constexpr int16_t Mal = 42;
inline constexpr int16_t Plus = 43;
inline constexpr int16_t Komma = 44;
inline constexpr int16_t Minus = 45;
inline constexpr int16_t Punkt = 46;
inline constexpr int16_t Durch = 47;
inline constexpr int16_t Null = 48;
inline constexpr int16_t Gleich = 61;
inline constexpr int16_t MC = 129;
inline constexpr int16_t MR = 130;
inline constexpr int16_t MS = 131;
inline constexpr int16_t MPlus = 132;
inline constexpr int16_t CE = 133;
inline constexpr int16_t C = 134;
inline constexpr int16_t Wurzel = 135;
inline constexpr int16_t Kehrwert = 136;
inline constexpr int16_t Vorzeichen = 137;
inline constexpr int16_t WaehrungGewechselt = 138;
} // namespace Taste

// States of the key machine.
enum : int16_t {
    ErgebnisAnzeige = 0,   // a result is shown; the next digit starts anew
    ErsteZahlEingabe = 1,  // the first number is typed into Akkumulator
    OperationGewaehlt = 2, // an operation is pending, its second number not yet typed
    ZweiteZahlEingabe = 3, // the second number is typed into Operand
};

// Input currencies.
enum : int16_t { HauptwaehrungEingabe = 1, EuroEingabe = 2 };

// The calculator: its state, the key machine every key and button ends in,
// and the writing of values into display texts. All values it holds are
// main-currency amounts; the Euro and side-currency values are derived from
// them through the currency table for display only.
class Rechenwerk {
public:
    struct Rueckmeldung {
        std::function<void()> piep;
        std::function<void(const QString&)> meldung; // message box, OK only
    };

    Rechenwerk(const Waehrungstabelle& tabelle, QLocale locale, Rueckmeldung rueckmeldung = {});

    // Runs one key through the key machine. KeyAscii is always 0 on return.
    void Form_KeyPress(int16_t& KeyAscii);
    void taste(int16_t code) { Form_KeyPress(code); }

    void OperationAusfuehren();
    static double ZifferAnhaengen(double Zahl, int16_t Nachkommastelle, int16_t Ziffer);
    void AnzeigeAktualisieren(double Wert, bool Eingabemodus, bool Umrechnen, bool BeideAnzeigen);
    // Refreshes the memory indicator from Speicher.
    void Memory_Change();
    // Takes a pasted number as if it had been typed and finished: it
    // replaces the number being typed, a pending operation stays pending.
    void einfuegen(double wert);
    // Empties the value box of a side row that no longer shows a currency.
    void SideBoxLeeren(int zeile);

    const Anzeigetexte& anzeige() const { return anzeige_; }
    const QLocale& locale() const { return locale_; }
    // The main currency's rate; an invalid index reads as the Euro.
    double hauptkurs() const { return tabelle_.hauptwaehrung().Kurs; }

    double Akkumulator = 0;
    double Operand = 0;
    int16_t Operation = 0;
    int16_t Zustand = ErgebnisAnzeige;
    int16_t Fehlercode = 0;
    double Speicher = 0;
    int16_t Nachkommastelle = 0;
    int16_t Eingabewaehrung = HauptwaehrungEingabe;

private:
    // Addition and subtraction take an amount, multiplication and division a
    // pure number.
    static bool istBetragsoperation(int16_t operation) { return operation == 1 || operation == 2; }

    void zustandErgebnis(int16_t code);
    void zustandErsteZahl(int16_t code);
    void zustandOperation(int16_t code);
    void zustandZweiteZahl(int16_t code);

    void ergebnisZeigen(double wert) { AnzeigeAktualisieren(wert, false, true, true); }
    void eingabeZeigen(double wert) { AnzeigeAktualisieren(wert, true, false, false); }
    void allesLoeschen();

    // Stores a computed value, or sets the general error and keeps the old
    // one when the value is not a finite number.
    bool setzen(double& ziel, double wert);
    void ziffer(double& zahl, int16_t d);
    void letzteZifferLoeschen(double& zahl);
    void abschliessen(double& zahl);
    void zweiteZahlAbschliessen();
    double inEingabewaehrung(double betrag) const;
    double prozentzahl(double betrag) const { return inEingabewaehrung(betrag); }
    double zweiteZahlAlsBetrag() const;
    void speicherAbrufenAlsZweiteZahl();
    void speicherAddieren(double betrag, double angezeigt);
    void wurzel(double& zahl, bool betrag);
    void kehrwert(double& zahl, bool betrag);

    void piep() const;
    void meldung(const QString& text) const;

    const Waehrungstabelle& tabelle_;
    QLocale locale_;
    Rueckmeldung rueckmeldung_;
    Anzeigetexte anzeige_;
};

} // namespace zirvanto
