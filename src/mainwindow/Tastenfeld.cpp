#include "mainwindow/Tastenfeld.h"

#include "core/Rechenwerk.h"

#include <QCoreApplication>

namespace zirvanto {

namespace {

constexpr int B = 495; // width and height of most keys
constexpr int H = 375;

constexpr Tastendefinition Tasten[] = {
    {"Back", "Back", Taste::Back, 1715, 1320, 630, H,
     QT_TRANSLATE_NOOP("Tastenfeld", "Letzte Ziffer löschen")},
    {"CE", "CE", Taste::CE, 2440, 1320, 630, H, QT_TRANSLATE_NOOP("Tastenfeld", "Eingabe löschen")},
    {"C", "C", Taste::C, 3165, 1320, 630, H, QT_TRANSLATE_NOOP("Tastenfeld", "Alles löschen")},

    {"Numerisch(7)", "7", 55, 900, 1875, B, H, QT_TRANSLATE_NOOP("Tastenfeld", "Sieben")},
    {"Numerisch(8)", "8", 56, 1500, 1875, B, H, QT_TRANSLATE_NOOP("Tastenfeld", "Acht")},
    {"Numerisch(9)", "9", 57, 2100, 1875, B, H, QT_TRANSLATE_NOOP("Tastenfeld", "Neun")},
    {"Divide", "/", Taste::Durch, 2700, 1875, B, H,
     QT_TRANSLATE_NOOP("Tastenfeld", "Geteilt durch")},
    {"sqrt", "sqrt", Taste::Wurzel, 3300, 1875, B, H,
     QT_TRANSLATE_NOOP("Tastenfeld", "Quadratwurzel")},

    {"Numerisch(4)", "4", 52, 900, 2355, B, H, QT_TRANSLATE_NOOP("Tastenfeld", "Vier")},
    {"Numerisch(5)", "5", 53, 1500, 2355, B, H, QT_TRANSLATE_NOOP("Tastenfeld", "Fünf")},
    {"Numerisch(6)", "6", 54, 2100, 2355, B, H, QT_TRANSLATE_NOOP("Tastenfeld", "Sechs")},
    {"Multiply", "*", Taste::Mal, 2700, 2355, B, H, QT_TRANSLATE_NOOP("Tastenfeld", "Mal")},
    {"Percent", "%", Taste::Prozent, 3300, 2355, B, H, QT_TRANSLATE_NOOP("Tastenfeld", "Prozent")},

    {"Numerisch(1)", "1", 49, 900, 2835, B, H, QT_TRANSLATE_NOOP("Tastenfeld", "Eins")},
    {"Numerisch(2)", "2", 50, 1500, 2835, B, H, QT_TRANSLATE_NOOP("Tastenfeld", "Zwei")},
    {"Numerisch(3)", "3", 51, 2100, 2835, B, H, QT_TRANSLATE_NOOP("Tastenfeld", "Drei")},
    {"Subtract", "-", Taste::Minus, 2700, 2835, B, H, QT_TRANSLATE_NOOP("Tastenfeld", "Minus")},
    {"Fraction", "1/x", Taste::Kehrwert, 3300, 2835, B, H,
     QT_TRANSLATE_NOOP("Tastenfeld", "Kehrwert")},

    {"Numerisch(0)", "0", 48, 900, 3315, B, H, QT_TRANSLATE_NOOP("Tastenfeld", "Null")},
    {"Sign", "+/-", Taste::Vorzeichen, 1500, 3315, B, H,
     QT_TRANSLATE_NOOP("Tastenfeld", "Vorzeichen wechseln")},
    {"Comma", ",", Taste::Punkt, 2100, 3315, B, H, QT_TRANSLATE_NOOP("Tastenfeld", "Komma")},
    {"Plus", "+", Taste::Plus, 2700, 3315, B, H, QT_TRANSLATE_NOOP("Tastenfeld", "Plus")},
    {"Equals", "=", Taste::Gleich, 3300, 3315, B, H, QT_TRANSLATE_NOOP("Tastenfeld", "Ist gleich")},

    {"MC", "MC", Taste::MC, 180, 1890, B, H, QT_TRANSLATE_NOOP("Tastenfeld", "Speicher löschen")},
    {"MR", "MR", Taste::MR, 180, 2355, B, H, QT_TRANSLATE_NOOP("Tastenfeld", "Speicher abrufen")},
    {"MS", "MS", Taste::MS, 180, 2835, B, H, QT_TRANSLATE_NOOP("Tastenfeld", "Speicher setzen")},
    {"MPlus", "M+", Taste::MPlus, 180, 3315, B, H,
     QT_TRANSLATE_NOOP("Tastenfeld", "Zum Speicher addieren")},
};

} // namespace

std::span<const Tastendefinition> tastenfeld() {
    return Tasten;
}

QString zugangsname(const Tastendefinition& taste) {
    return QCoreApplication::translate("Tastenfeld", taste.zugangsname);
}

} // namespace zirvanto
