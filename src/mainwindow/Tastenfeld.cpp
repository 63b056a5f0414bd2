#include "mainwindow/Tastenfeld.h"

#include "core/Rechenwerk.h"

namespace zirvanto {

namespace {

constexpr int B = 495; // width and height of most keys
constexpr int H = 375;

constexpr Tastendefinition Tasten[] = {
    {"Back", "Back", Taste::Back, 1715, 1320, 630, H, "Letzte Ziffer löschen"},
    {"CE", "CE", Taste::CE, 2440, 1320, 630, H, "Eingabe löschen"},
    {"C", "C", Taste::C, 3165, 1320, 630, H, "Alles löschen"},

    {"Numerisch(7)", "7", 55, 900, 1875, B, H, "Sieben"},
    {"Numerisch(8)", "8", 56, 1500, 1875, B, H, "Acht"},
    {"Numerisch(9)", "9", 57, 2100, 1875, B, H, "Neun"},
    {"Divide", "/", Taste::Durch, 2700, 1875, B, H, "Geteilt durch"},
    {"sqrt", "sqrt", Taste::Wurzel, 3300, 1875, B, H, "Quadratwurzel"},

    {"Numerisch(4)", "4", 52, 900, 2355, B, H, "Vier"},
    {"Numerisch(5)", "5", 53, 1500, 2355, B, H, "Fünf"},
    {"Numerisch(6)", "6", 54, 2100, 2355, B, H, "Sechs"},
    {"Multiply", "*", Taste::Mal, 2700, 2355, B, H, "Mal"},
    {"Percent", "%", Taste::Prozent, 3300, 2355, B, H, "Prozent"},

    {"Numerisch(1)", "1", 49, 900, 2835, B, H, "Eins"},
    {"Numerisch(2)", "2", 50, 1500, 2835, B, H, "Zwei"},
    {"Numerisch(3)", "3", 51, 2100, 2835, B, H, "Drei"},
    {"Subtract", "-", Taste::Minus, 2700, 2835, B, H, "Minus"},
    {"Fraction", "1/x", Taste::Kehrwert, 3300, 2835, B, H, "Kehrwert"},

    {"Numerisch(0)", "0", 48, 900, 3315, B, H, "Null"},
    {"Sign", "+/-", Taste::Vorzeichen, 1500, 3315, B, H, "Vorzeichen wechseln"},
    {"Comma", ",", Taste::Punkt, 2100, 3315, B, H, "Komma"},
    {"Plus", "+", Taste::Plus, 2700, 3315, B, H, "Plus"},
    {"Equals", "=", Taste::Gleich, 3300, 3315, B, H, "Ist gleich"},

    {"MC", "MC", Taste::MC, 180, 1890, B, H, "Speicher löschen"},
    {"MR", "MR", Taste::MR, 180, 2355, B, H, "Speicher abrufen"},
    {"MS", "MS", Taste::MS, 180, 2835, B, H, "Speicher setzen"},
    {"MPlus", "M+", Taste::MPlus, 180, 3315, B, H, "Zum Speicher addieren"},
};

} // namespace

std::span<const Tastendefinition> tastenfeld() {
    return Tasten;
}

} // namespace zirvanto
