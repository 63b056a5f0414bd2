#include "core/Rechenwerk.h"

#include "../support/QtDrucken.h"

#include <gtest/gtest.h>

#include <QStringList>

#include <cmath>
#include <limits>
#include <ostream>

namespace zirvanto {
namespace {

const QLocale Deutsch(QLocale::German, QLocale::Germany);
constexpr double Schilling = 13.7603;

// A calculator over a table with the Schilling as main currency and three
// side rows: US-Dollar in row 1, the Schilling in row 2, the Euro in row 14.
class RechenwerkTest : public ::testing::Test {
protected:
    RechenwerkTest() {
        tabelle.anhaengen(eintrag("ATS", Schilling));
        tabelle.anhaengen(eintrag("USD", 1.1));
        tabelle.HauptwaehrungIndex = 1;
        zeileSetzen(2, 1);
        zeileSetzen(1, 2);
        zeileSetzen(0, 14);
        werk.AnzeigeAktualisieren(0, false, true, true);
    }

    static Waehrung eintrag(const char* iso, double kurs) {
        Waehrung w;
        w.ISO = QLatin1String(iso);
        w.Kurs = kurs;
        return w;
    }

    void zeileSetzen(std::size_t eintrag, int16_t zeile) {
        tabelle[eintrag].Aktiv = true;
        tabelle[eintrag].Platz = zeile;
    }

    // Types a key sequence: numbers and operators as characters, named keys
    // as words; "W" switches the input currency as the Euro button does.
    void tippen(const QString& folge) {
        for (const QString& wort : folge.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            static const std::pair<const char*, int16_t> Namen[] = {
                {"Enter", Taste::Enter}, {"Esc", Taste::Escape},   {"Back", Taste::Back},
                {"MC", Taste::MC},       {"MR", Taste::MR},        {"MS", Taste::MS},
                {"M+", Taste::MPlus},    {"CE", Taste::CE},        {"C", Taste::C},
                {"sqrt", Taste::Wurzel}, {"1/x", Taste::Kehrwert}, {"+/-", Taste::Vorzeichen},
            };
            bool benannt = false;
            for (const auto& [name, code] : Namen) {
                if (wort == QLatin1String(name)) {
                    werk.taste(code);
                    benannt = true;
                }
            }
            if (benannt) continue;
            if (wort == QLatin1String("W")) {
                werk.Eingabewaehrung = werk.Eingabewaehrung == HauptwaehrungEingabe
                                           ? EuroEingabe
                                           : HauptwaehrungEingabe;
                werk.taste(Taste::WaehrungGewechselt);
                continue;
            }
            for (QChar c : wort)
                werk.taste(int16_t(c.unicode()));
        }
    }

    int piepse = 0;
    QStringList meldungen;
    Waehrungstabelle tabelle;
    Rechenwerk werk{
        tabelle, Deutsch, {[this] { ++piepse; }, [this](const QString& t) { meldungen << t; }}};
};

struct Tastenfall {
    bool euroEingabe;
    const char* tasten;
    const char* dispSchilling; // nullptr: not checked
    const char* dispEuro;
    int16_t zustand;
};

std::ostream& operator<<(std::ostream& os, const Tastenfall& f) {
    return os << f.tasten;
}

class Tastenfolgen : public RechenwerkTest, public ::testing::WithParamInterface<Tastenfall> {};

TEST_P(Tastenfolgen, ZeigtDasErwarteteErgebnis) {
    const Tastenfall& f = GetParam();
    if (f.euroEingabe) werk.Eingabewaehrung = EuroEingabe;
    tippen(QString::fromUtf8(f.tasten));
    if (f.dispSchilling) {
        EXPECT_EQ(werk.anzeige().DispSchilling, QString::fromUtf8(f.dispSchilling)) << f.tasten;
    }
    if (f.dispEuro) {
        EXPECT_EQ(werk.anzeige().DispEuro, QString::fromUtf8(f.dispEuro)) << f.tasten;
    }
    EXPECT_EQ(werk.Zustand, f.zustand) << f.tasten;
}

// Every state with every kind of key, with the Schilling as input currency.
INSTANTIATE_TEST_SUITE_P(
    Hauptwaehrungseingabe, Tastenfolgen,
    ::testing::Values(
        // State 0: a result is shown.
        Tastenfall{false, "7", "7, ", "0,00 ", ErsteZahlEingabe},
        Tastenfall{false, ",", "0, ", "0,00 ", ErsteZahlEingabe},
        Tastenfall{false, ". 5", "0,5 ", "0,00 ", ErsteZahlEingabe},
        Tastenfall{false, "2 = +", "2,00 ", nullptr, OperationGewaehlt},
        Tastenfall{false, "2 + 3 = =", "8,00 ", nullptr, ErgebnisAnzeige},
        Tastenfall{false, "2 + 3 Enter", "5,00 ", nullptr, ErgebnisAnzeige},
        Tastenfall{false, "5 = M+ M+ C MR", "10,00 ", nullptr, ErgebnisAnzeige},
        Tastenfall{false, "1 / 0 = CE", "0,00 ", "0,00 ", ErgebnisAnzeige},
        Tastenfall{false, "2 + 3 = Esc =", "0,00 ", nullptr, ErgebnisAnzeige},
        Tastenfall{false, "9 = sqrt", "3,00 ", nullptr, ErgebnisAnzeige},
        Tastenfall{false, "4 = 1/x", "0,25 ", nullptr, ErgebnisAnzeige},
        Tastenfall{false, "4 = +/-", "-4,00 ", nullptr, ErgebnisAnzeige},
        Tastenfall{false, "4 = Back", "4,00 ", nullptr, ErgebnisAnzeige},
        Tastenfall{false, "200 + 10 = %", "441,00 ", nullptr, ErgebnisAnzeige},
        Tastenfall{false, "5 = %", "5,00 ", nullptr, ErgebnisAnzeige},
        // State 1: the first number is typed.
        Tastenfall{false, "1234", "1.234, ", "0,00 ", ErsteZahlEingabe},
        Tastenfall{false, "1,,5", "1,5 ", nullptr, ErsteZahlEingabe},
        Tastenfall{false, "1,05", "1,05 ", nullptr, ErsteZahlEingabe},
        Tastenfall{false, "1000 +", "1.000,00 ", "72,67 ", OperationGewaehlt},
        Tastenfall{false, "1000 =", "1.000,00 ", "72,67 ", ErgebnisAnzeige},
        Tastenfall{false, "5 MS 3 MC MR", "0,00 ", nullptr, ErgebnisAnzeige},
        Tastenfall{false, "5 MS 3 MR", "5,00 ", nullptr, ErgebnisAnzeige},
        Tastenfall{false, "5 M+ 3 M+ MR", "8,00 ", nullptr, ErgebnisAnzeige},
        Tastenfall{false, "2 + 3 = 5 CE", "0,00 ", nullptr, ErgebnisAnzeige},
        Tastenfall{false, "5 C", "0,00 ", "0,00 ", ErgebnisAnzeige},
        Tastenfall{false, "16 sqrt", "4,00 ", nullptr, ErgebnisAnzeige},
        Tastenfall{false, "8 1/x", "0,13 ", nullptr, ErgebnisAnzeige},
        Tastenfall{false, "12 +/-", "-12, ", nullptr, ErsteZahlEingabe},
        Tastenfall{false, "1 +/- 2", "-12, ", nullptr, ErsteZahlEingabe},
        Tastenfall{false, "0 +/- 5", "5, ", nullptr, ErsteZahlEingabe},
        Tastenfall{false, "123 Back", "12, ", nullptr, ErsteZahlEingabe},
        Tastenfall{false, "1,25 Back", "1,2 ", nullptr, ErsteZahlEingabe},
        Tastenfall{false, "12, Back", "1, ", nullptr, ErsteZahlEingabe},
        Tastenfall{false, "1,25 Back Back Back", "0, ", nullptr, ErsteZahlEingabe},
        Tastenfall{false, "5 %", "0,00 ", nullptr, ErsteZahlEingabe},
        Tastenfall{false, "1,5 % 7", "0,07 ", nullptr, ErsteZahlEingabe},
        // State 2: an operation is pending.
        Tastenfall{false, "5 + 3", "3, ", "0,36 ", ZweiteZahlEingabe},
        Tastenfall{false, "5 + ,", "0, ", nullptr, ZweiteZahlEingabe},
        Tastenfall{false, "5 + - 3 =", "2,00 ", nullptr, ErgebnisAnzeige},
        Tastenfall{false, "5 + = =", "15,00 ", nullptr, ErgebnisAnzeige},
        Tastenfall{false, "5 MS 2 + MC MR =", "2,00 ", nullptr, ErgebnisAnzeige},
        Tastenfall{false, "5 MS 2 + MR", "5,00 ", nullptr, ZweiteZahlEingabe},
        Tastenfall{false, "5 MS 2 + MR =", "7,00 ", nullptr, ErgebnisAnzeige},
        Tastenfall{false, "5 + MS C MR", "5,00 ", nullptr, ErgebnisAnzeige},
        Tastenfall{false, "5 + M+ M+ C MR", "10,00 ", nullptr, ErgebnisAnzeige},
        Tastenfall{false, "5 + CE", "0,00 ", nullptr, ErgebnisAnzeige},
        Tastenfall{false, "5 + CE =", "5,00 ", nullptr, ErgebnisAnzeige},
        Tastenfall{false, "5 + C =", "0,00 ", nullptr, ErgebnisAnzeige},
        Tastenfall{false, "9 + sqrt", "3,00 ", nullptr, OperationGewaehlt},
        Tastenfall{false, "9 + sqrt =", "12,00 ", nullptr, ErgebnisAnzeige},
        Tastenfall{false, "4 + 1/x =", "4,25 ", nullptr, ErgebnisAnzeige},
        Tastenfall{false, "4 + +/- =", "0,00 ", nullptr, ErgebnisAnzeige},
        Tastenfall{false, "4 + Back =", "8,00 ", nullptr, ErgebnisAnzeige},
        Tastenfall{false, "200 + % =", "600,00 ", nullptr, ErgebnisAnzeige},
        // State 3: the second number is typed.
        Tastenfall{false, "5 + 12", "12, ", nullptr, ZweiteZahlEingabe},
        Tastenfall{false, "5 + 1,,5 =", "6,50 ", nullptr, ErgebnisAnzeige},
        Tastenfall{false, "2 + 3 *", "5,00 ", nullptr, OperationGewaehlt},
        Tastenfall{false, "2 + 3 * 4 =", "20,00 ", nullptr, ErgebnisAnzeige},
        Tastenfall{false, "5 MS 2 + 3 MC = MR", "0,00 ", nullptr, ErgebnisAnzeige},
        Tastenfall{false, "2 + 3 MC =", "5,00 ", nullptr, ErgebnisAnzeige},
        Tastenfall{false, "7 MS 2 + 3 MR =", "9,00 ", nullptr, ErgebnisAnzeige},
        Tastenfall{false, "2 + 3 MS = C MR", "3,00 ", nullptr, ErgebnisAnzeige},
        Tastenfall{false, "2 + 3 MS 4", "34, ", nullptr, ZweiteZahlEingabe},
        Tastenfall{false, "2 + 3 M+ M+ = C MR", "6,00 ", nullptr, ErgebnisAnzeige},
        Tastenfall{false, "2 + 3 CE =", "2,00 ", nullptr, ErgebnisAnzeige},
        Tastenfall{false, "2 + 3 CE 4 =", "6,00 ", nullptr, ErgebnisAnzeige},
        Tastenfall{false, "2 + 3 C", "0,00 ", "0,00 ", ErgebnisAnzeige},
        Tastenfall{false, "2 + 9 sqrt", "3,00 ", nullptr, OperationGewaehlt},
        Tastenfall{false, "2 + 9 sqrt =", "5,00 ", nullptr, ErgebnisAnzeige},
        Tastenfall{false, "2 + 4 1/x =", "2,25 ", nullptr, ErgebnisAnzeige},
        Tastenfall{false, "2 + 3 +/- =", "-1,00 ", nullptr, ErgebnisAnzeige},
        Tastenfall{false, "2 + 34 Back =", "5,00 ", nullptr, ErgebnisAnzeige},
        Tastenfall{false, "200 + 10 % =", "220,00 ", nullptr, ErgebnisAnzeige},
        Tastenfall{false, "200 + 10 %", "20,00 ", nullptr, ZweiteZahlEingabe},
        // Switching the input currency (Euro button, code 138).
        Tastenfall{false, "1000 = W", "1.000,00 ", "72,67 ", ErgebnisAnzeige},
        Tastenfall{false, "1000 W", "1.000,00 ", "72,67 ", ErgebnisAnzeige},
        Tastenfall{false, "1000 + W", "1.000,00 ", "72,67 ", OperationGewaehlt},
        Tastenfall{false, "1000 + 5 W", "1.000,00 ", "72,67 ", OperationGewaehlt}));

// With Euro as input currency; the values held are Schilling amounts.
INSTANTIATE_TEST_SUITE_P(
    Euroeingabe, Tastenfolgen,
    ::testing::Values(Tastenfall{true, "12", "0,00 ", "12, ", ErsteZahlEingabe},
                      Tastenfall{true, "100 =", "1.376,03 ", "100,00 ", ErgebnisAnzeige},
                      Tastenfall{true, "100 + 20 * 3 =", "4.953,71 ", "360,00 ", ErgebnisAnzeige},
                      Tastenfall{true, "100 * 3 =", "4.128,09 ", "300,00 ", ErgebnisAnzeige},
                      Tastenfall{true, "100 / 4 =", nullptr, "25,00 ", ErgebnisAnzeige},
                      Tastenfall{true, "4 sqrt", "27,52 ", "2,00 ", ErgebnisAnzeige},
                      Tastenfall{true, "4 1/x", nullptr, "0,25 ", ErgebnisAnzeige},
                      // Memory and percent keep Euro and Schilling amounts apart.
                      Tastenfall{true, "50 MS 100 + MR =", nullptr, "150,00 ", ErgebnisAnzeige},
                      Tastenfall{true, "50 MS 100 + 7 MR =", nullptr, "150,00 ", ErgebnisAnzeige},
                      Tastenfall{true, "3 MS 100 * MR =", nullptr, "300,00 ", ErgebnisAnzeige},
                      Tastenfall{true, "100 + 20 MS = C MR", nullptr, "20,00 ", ErgebnisAnzeige},
                      Tastenfall{true, "100 + 20 M+ M+ = C MR", nullptr, "40,00 ", ErgebnisAnzeige},
                      Tastenfall{true, "200 + 10 % =", nullptr, "220,00 ", ErgebnisAnzeige},
                      Tastenfall{true, "200 + 10 %", nullptr, "20,00 ", ZweiteZahlEingabe},
                      Tastenfall{true, "200 + % =", nullptr, "600,00 ", ErgebnisAnzeige},
                      Tastenfall{true, "200 + 10 = %", nullptr, "441,00 ", ErgebnisAnzeige},
                      Tastenfall{true, "10 + 9 sqrt =", nullptr, "13,00 ", ErgebnisAnzeige},
                      Tastenfall{true, "10 * 9 sqrt =", nullptr, "30,00 ", ErgebnisAnzeige},
                      Tastenfall{true, "10 * 4 1/x =", nullptr, "2,50 ", ErgebnisAnzeige},
                      Tastenfall{true, "10 * 3 MC =", nullptr, "30,00 ", ErgebnisAnzeige},
                      Tastenfall{true, "10 + 3 MC =", nullptr, "13,00 ", ErgebnisAnzeige},
                      // Switching to Schilling input while a number is typed in Euro.
                      Tastenfall{true, "100 W", "1.376,03 ", "100,00 ", ErgebnisAnzeige},
                      Tastenfall{true, "10 + 3 W =", nullptr, "13,00 ", ErgebnisAnzeige},
                      Tastenfall{true, "10 * 3 W =", nullptr, "30,00 ", ErgebnisAnzeige},
                      Tastenfall{true, "10 + 3 W", nullptr, "10,00 ", OperationGewaehlt}));

TEST_F(RechenwerkTest, ZweiteZahlUndOperationUeberlebenGleich) {
    tippen(QStringLiteral("2 + 3 ="));
    EXPECT_EQ(werk.Operand, 3);
    EXPECT_EQ(werk.Operation, 1);
    tippen(QStringLiteral("="));
    EXPECT_EQ(werk.Akkumulator, 8);
}

TEST_F(RechenwerkTest, FehlerZeigenIhrenTextMitPiepUndLeerenDieSeitenfelder) {
    tippen(QStringLiteral("5 /"));
    ASSERT_EQ(werk.anzeige().SideBox[1], QStringLiteral("0,40"));
    piepse = 0;
    tippen(QStringLiteral("0 ="));
    EXPECT_EQ(werk.Akkumulator, 5);
    EXPECT_EQ(werk.anzeige().DispSchilling, QStringLiteral("Division durch Null."));
    EXPECT_EQ(werk.anzeige().DispEuro, QStringLiteral("Division durch Null."));
    for (int i = 1; i <= Seitenzeilen; ++i)
        EXPECT_TRUE(werk.anzeige().SideBox[i].isEmpty());
    EXPECT_EQ(piepse, 1);

    tippen(QStringLiteral("7")); // keys go on working, each redraw beeps
    EXPECT_EQ(werk.anzeige().DispSchilling, QStringLiteral("Division durch Null."));
    EXPECT_EQ(piepse, 2);
    tippen(QStringLiteral("+ -")); // + redraws, a second operation key does not
    EXPECT_EQ(piepse, 3);
    tippen(QStringLiteral("CE"));
    EXPECT_EQ(werk.anzeige().DispSchilling, QStringLiteral("0,00 "));
    EXPECT_EQ(werk.Fehlercode, 0);
}

TEST_F(RechenwerkTest, JederFehlerHatSeinenText) {
    struct Fall {
        const char* tasten;
        const char* text;
    };
    for (const Fall& f : {Fall{"0 1/x", "Division durch Null."},
                          Fall{"1 +/- sqrt", "Unzulässiger Funktionsaufruf."},
                          Fall{"4 + 1 +/- sqrt", "Unzulässiger Funktionsaufruf."}}) {
        tippen(QStringLiteral("Esc"));
        tippen(QString::fromUtf8(f.tasten));
        EXPECT_EQ(werk.anzeige().DispEuro, QString::fromUtf8(f.text)) << f.tasten;
    }
}

TEST_F(RechenwerkTest, NichtEndlicheErgebnisseSindFehlerUndBehaltenDenWert) {
    werk.Speicher = 1e300;
    tippen(QStringLiteral("MR * MR ="));
    EXPECT_EQ(werk.Fehlercode, 3);
    EXPECT_EQ(werk.Akkumulator, 1e300);
    EXPECT_EQ(werk.anzeige().DispSchilling, QStringLiteral("Fehler."));

    tippen(QStringLiteral("Esc MR + = %")); // the percent of 2E300 leaves the range
    EXPECT_EQ(werk.Fehlercode, 3);
    EXPECT_EQ(werk.Akkumulator, 2e300);

    werk.Speicher = std::numeric_limits<double>::max();
    tippen(QStringLiteral("Esc MR M+"));
    EXPECT_EQ(werk.Fehlercode, 3);
    EXPECT_EQ(werk.Speicher, std::numeric_limits<double>::max());
    EXPECT_EQ(werk.anzeige().DispSchilling, QStringLiteral("Fehler."));
    tippen(QStringLiteral("C"));
    EXPECT_EQ(werk.anzeige().DispSchilling, QStringLiteral("0,00 "));
}

TEST_F(RechenwerkTest, ZuLangeTexteZeigenUeberlauf) {
    tippen(QStringLiteral("1234567890123456"));
    EXPECT_EQ(werk.anzeige().DispSchilling, QStringLiteral("1.234.567.890.123.460, "));
    tippen(QStringLiteral("7"));
    EXPECT_EQ(werk.anzeige().DispSchilling, QStringLiteral("Überlauf"));
    tippen(QStringLiteral("Back")); // entry goes on; the value itself is kept
    EXPECT_EQ(werk.anzeige().DispSchilling, QStringLiteral("1.234.567.890.123.460, "));

    werk.Speicher = 1e15;
    tippen(QStringLiteral("Esc MR"));
    EXPECT_EQ(werk.anzeige().DispSchilling, QStringLiteral("Überlauf"));
    werk.Speicher = 999999999999999.9;
    tippen(QStringLiteral("MR"));
    EXPECT_EQ(werk.anzeige().DispSchilling, QStringLiteral("Überlauf"));
    werk.Speicher = 999999999999999.0;
    tippen(QStringLiteral("MR"));
    EXPECT_EQ(werk.anzeige().DispSchilling, QStringLiteral("999.999.999.999.999,00 "));
    werk.Speicher = -99999999999999.0;
    tippen(QStringLiteral("MR"));
    EXPECT_EQ(werk.anzeige().DispSchilling, QStringLiteral("-99.999.999.999.999,00 "));
    werk.Speicher = -999999999999999.0;
    tippen(QStringLiteral("MR"));
    EXPECT_EQ(werk.anzeige().DispSchilling, QStringLiteral("Überlauf"));
}

TEST_F(RechenwerkTest, SeitenfelderZeigenUmgerechneteWerte) {
    tippen(QStringLiteral("1000 ="));
    const Anzeigetexte& a = werk.anzeige();
    EXPECT_EQ(a.SideBox[1], QStringLiteral("79,94"));    // US-Dollar
    EXPECT_EQ(a.SideBox[2], QStringLiteral("1.000,00")); // the Schilling itself
    EXPECT_EQ(a.SideBox[14], QStringLiteral("72,67"));   // a Euro row shows the Euro value
    EXPECT_TRUE(a.SideBox[3].isEmpty());

    // An entry that names no valid row is not shown anywhere.
    tabelle[2].Platz = 15;
    tippen(QStringLiteral("2000 ="));
    EXPECT_EQ(a.SideBox[1], QStringLiteral("79,94"));
}

TEST_F(RechenwerkTest, UngueltigeTabellenwerteFuehrenNieZumAbsturz) {
    tabelle[1].Kurs = 0; // main-currency rate 0
    tippen(QStringLiteral("5 ="));
    EXPECT_EQ(werk.anzeige().DispSchilling, QStringLiteral("5,00 "));
    EXPECT_EQ(werk.anzeige().DispEuro, QStringLiteral("Überlauf"));
    EXPECT_EQ(werk.anzeige().SideBox[1], QStringLiteral("Überlauf"));

    tabelle.HauptwaehrungIndex = 99; // reads as the Euro
    tippen(QStringLiteral("5 ="));
    EXPECT_EQ(werk.anzeige().DispEuro, QStringLiteral("5,00 "));
    EXPECT_EQ(werk.hauptkurs(), 1.0);
    tabelle.HauptwaehrungIndex = -1;
    EXPECT_EQ(werk.hauptkurs(), 1.0);
}

TEST_F(RechenwerkTest, SpeicheranzeigeFolgtDemSpeicher) {
    EXPECT_TRUE(werk.anzeige().Memory.isEmpty());
    tippen(QStringLiteral("5 M+"));
    EXPECT_EQ(werk.anzeige().Memory, QStringLiteral("M"));
    tippen(QStringLiteral("MC"));
    EXPECT_TRUE(werk.anzeige().Memory.isEmpty());
    tippen(QStringLiteral("5 MS 0 MS"));
    EXPECT_TRUE(werk.anzeige().Memory.isEmpty());
}

TEST_F(RechenwerkTest, ZeichencodeDerSpeichertasteWirktWieDerKnopf) {
    tippen(QStringLiteral("5"));
    int16_t code = 132;
    werk.Form_KeyPress(code);
    EXPECT_EQ(code, 0);
    EXPECT_EQ(werk.Speicher, 5);
}

TEST_F(RechenwerkTest, UnbekannteTastenWerdenStillIgnoriert) {
    tippen(QStringLiteral("12"));
    for (int16_t code : {int16_t(0), int16_t(9), int16_t(65), int16_t(128), int16_t(139),
                         int16_t(-5), int16_t(255)}) {
        int16_t k = code;
        werk.Form_KeyPress(k);
        EXPECT_EQ(k, 0);
    }
    EXPECT_EQ(werk.Akkumulator, 12);
    EXPECT_EQ(piepse, 0);
    EXPECT_EQ(werk.anzeige().DispSchilling, QStringLiteral("12, "));
}

TEST_F(RechenwerkTest, UngueltigerZustandUndUngueltigeOperationWerdenGemeldet) {
    werk.Zustand = 7;
    tippen(QStringLiteral("5"));
    EXPECT_EQ(meldungen, QStringList{QStringLiteral("Ungültiger Zustand der Statemachine")});
    EXPECT_EQ(werk.Zustand, 7);
    EXPECT_EQ(werk.Akkumulator, 0);

    meldungen.clear();
    werk.Zustand = ErgebnisAnzeige;
    werk.Operation = 9;
    werk.Akkumulator = 4;
    tippen(QStringLiteral("="));
    EXPECT_EQ(meldungen, QStringList{QStringLiteral("Illegal instruction type")});
    EXPECT_EQ(werk.Akkumulator, 4);
}

TEST_F(RechenwerkTest, DerNachkommazaehlerLaeuftNieUeber) {
    tippen(QStringLiteral("1,"));
    for (int i = 0; i < 33000; ++i)
        werk.taste(Taste::Null);
    EXPECT_EQ(werk.Nachkommastelle, std::numeric_limits<int16_t>::max());
    tippen(QStringLiteral("5"));
    EXPECT_EQ(werk.Akkumulator, 1);
    EXPECT_EQ(werk.anzeige().DispSchilling, QStringLiteral("1, "));
    tippen(QStringLiteral("Back")); // far beyond the precision of a double
    EXPECT_EQ(werk.Akkumulator, 1);
    EXPECT_EQ(werk.Nachkommastelle, std::numeric_limits<int16_t>::max() - 1);
}

TEST_F(RechenwerkTest, BackLoeschtGenauDieGetippteZiffer) {
    // Every number a,bc typed and then shortened must give a,b as typed,
    // whatever binary noise the typed value carries.
    for (int ganz = 0; ganz < 100; ++ganz)
        for (int z = 0; z < 100; ++z) {
            const QString text = QStringLiteral("%1,%2").arg(ganz).arg(z, 2, 10, QLatin1Char('0'));
            tippen(QStringLiteral("Esc ") + text + QStringLiteral(" Back"));
            EXPECT_EQ(werk.Akkumulator,
                      std::stod(QStringLiteral("%1.%2").arg(ganz).arg(z / 10).toStdString()))
                << text.toStdString();
        }
}

TEST(ZifferAnhaengen, HaengtZiffernAnDieRichtigeStelle) {
    EXPECT_EQ(Rechenwerk::ZifferAnhaengen(12, 0, 3), 123);
    EXPECT_EQ(Rechenwerk::ZifferAnhaengen(12, 1, 5), 12.5);
    EXPECT_DOUBLE_EQ(Rechenwerk::ZifferAnhaengen(12.5, 2, 7), 12.57);
    EXPECT_EQ(Rechenwerk::ZifferAnhaengen(-12, 0, 3), -123);
    EXPECT_EQ(Rechenwerk::ZifferAnhaengen(-0.0, 0, 3), 3);
}

} // namespace
} // namespace zirvanto
