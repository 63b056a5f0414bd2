// The key machine: every key and keypad button ends in Form_KeyPress, which
// hands it to the handler of the current state.
#include "core/Rechenwerk.h"

#include <QCoreApplication>

#include <cstdint>

namespace zirvanto {

namespace {

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

} // namespace

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

} // namespace zirvanto
