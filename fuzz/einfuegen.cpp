// The paste path of the engine: any clipboard text, pasted in every state
// and either input currency, leaves only finite values in the engine, also
// after the keys that use the pasted number.

#include "Fuzzhilfe.h"

#include "core/Rechenwerk.h"
#include "data/Zahlentext.h"

#include <QLocale>

#include <array>
#include <cmath>

namespace {

using zirvanto::fuzz::pruefen;
namespace Taste = zirvanto::Taste;

void endlich(const zirvanto::Rechenwerk& werk) {
    pruefen(std::isfinite(werk.Akkumulator) && std::isfinite(werk.Operand) &&
                std::isfinite(werk.Speicher),
            "every value of the engine is finite");
    pruefen(!werk.anzeige().DispEuro.isEmpty() && !werk.anzeige().DispSchilling.isEmpty(),
            "both displays show something");
}

// Key sequences that lead to each state; a stored memory makes MR and M+
// after the paste meaningful.
struct Weg {
    std::initializer_list<int16_t> tasten;
    int16_t zustand;
};
const std::array<Weg, 5> Wege = {{
    {{'7', Taste::MS, '1', '2', Taste::Gleich}, zirvanto::ErgebnisAnzeige},
    {{'1', '2', Taste::Komma, '5'}, zirvanto::ErsteZahlEingabe},
    {{'1', '2', Taste::Mal}, zirvanto::OperationGewaehlt},
    {{'1', '2', Taste::Plus, '3'}, zirvanto::ZweiteZahlEingabe},
    {{'9', Taste::Durch, '0', Taste::Gleich}, zirvanto::ErgebnisAnzeige}, // an error shown
}};

// What follows the paste.
constexpr std::array<int16_t, 8> Folgetasten = {Taste::Gleich, Taste::Prozent,  Taste::MPlus,
                                                Taste::Wurzel, Taste::Kehrwert, Taste::Mal,
                                                Taste::MR,     Taste::Gleich};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    const QString text = QString::fromUtf8(zirvanto::fuzz::bytes(daten, groesse));
    const double wert = zirvanto::zahlLesen(text);
    pruefen(std::isfinite(wert), "a clipboard text reads as a finite value");

    // Main rates as the rate file may give them: ordinary, huge, tiny, zero,
    // negative.
    for (const double kurs : {13.7603, 1e300, 1e-300, 0.0, -2.5}) {
        zirvanto::Waehrungstabelle tabelle;
        zirvanto::Waehrung haupt;
        haupt.ISO = QStringLiteral("ATS");
        haupt.Kurs = kurs;
        tabelle.anhaengen(haupt);
        tabelle.HauptwaehrungIndex = 1;

        for (const Weg& weg : Wege) {
            for (const int16_t eingabe : {zirvanto::HauptwaehrungEingabe, zirvanto::EuroEingabe}) {
                zirvanto::Rechenwerk werk(tabelle, QLocale(QLocale::German, QLocale::Austria));
                werk.Eingabewaehrung = eingabe;
                for (const int16_t taste : weg.tasten)
                    werk.taste(taste);
                pruefen(werk.Zustand == weg.zustand, "the keys lead to the state");
                werk.einfuegen(wert);
                endlich(werk);
                for (const int16_t taste : Folgetasten) {
                    werk.taste(taste);
                    endlich(werk);
                }
            }
        }
    }
    return 0;
}
