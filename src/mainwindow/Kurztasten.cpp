#include "mainwindow/Kurztasten.h"

#include "core/Rechenwerk.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace zirvanto {

namespace {

struct Kurztaste {
    int16_t code;
    Qt::Key taste;
    Qt::KeyboardModifier umschalter; // the one modifier held, or none
    const char* name;                // as printed on the keyboard of the language
};

constexpr Kurztaste Kurztasten[] = {
    {Taste::Vorzeichen, Qt::Key_F9, Qt::NoModifier, "F9"},
    {Taste::CE, Qt::Key_Delete, Qt::NoModifier, QT_TRANSLATE_NOOP("Kurztasten", "Entf")},
    {Taste::MC, Qt::Key_L, Qt::ControlModifier, QT_TRANSLATE_NOOP("Kurztasten", "Strg+L")},
    {Taste::MR, Qt::Key_R, Qt::ControlModifier, QT_TRANSLATE_NOOP("Kurztasten", "Strg+R")},
    {Taste::MS, Qt::Key_M, Qt::ControlModifier, QT_TRANSLATE_NOOP("Kurztasten", "Strg+M")},
    {Taste::MPlus, Qt::Key_P, Qt::ControlModifier, QT_TRANSLATE_NOOP("Kurztasten", "Strg+P")},
};

struct Kurzzeichen {
    char16_t zeichen;
    int16_t code;
};

constexpr Kurzzeichen Zeichen[] = {
    {u'R', Taste::Kehrwert}, {u'r', Taste::Kehrwert}, {u'@', Taste::Wurzel}};

} // namespace

std::optional<int16_t> kurztastencode(const QKeyEvent& taste) {
    // The numeric keypad's Delete is Delete all the same.
    const Qt::KeyboardModifiers umschalter = taste.modifiers() & ~Qt::KeypadModifier;
    for (const Kurztaste& k : Kurztasten)
        if (taste.key() == k.taste && umschalter == k.umschalter) return k.code;
    if (umschalter & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return std::nullopt;
    const QString text = taste.text();
    if (text.size() != 1) return std::nullopt;
    for (const Kurzzeichen& z : Zeichen)
        if (text.front() == z.zeichen) return z.code;
    return std::nullopt;
}

QString tastenbeschreibung(int16_t code) {
    const auto tastatur = [](const QString& tasten) {
        return QCoreApplication::translate("Kurztasten", "Tastatur: %1").arg(tasten);
    };
    const auto taste = [](const char* name) {
        return QCoreApplication::translate("Kurztasten", name);
    };
    if (code >= Taste::Null && code <= Taste::Null + 9) return tastatur(QChar(char16_t(code)));
    for (const Kurztaste& k : Kurztasten)
        if (k.code == code) return tastatur(taste(k.name));
    switch (code) {
    case Taste::Punkt: return tastatur(taste(QT_TRANSLATE_NOOP("Kurztasten", ", oder .")));
    case Taste::Gleich:
        return tastatur(taste(QT_TRANSLATE_NOOP("Kurztasten", "= oder Eingabetaste")));
    case Taste::Back: return tastatur(taste(QT_TRANSLATE_NOOP("Kurztasten", "Rücktaste")));
    case Taste::C: return tastatur(QStringLiteral("Esc"));
    case Taste::Kehrwert: return tastatur(QStringLiteral("R"));
    case Taste::Wurzel: return tastatur(QStringLiteral("@"));
    case Taste::Plus:
    case Taste::Minus:
    case Taste::Mal:
    case Taste::Durch:
    case Taste::Prozent: return tastatur(QChar(char16_t(code)));
    default: return {};
    }
}

} // namespace zirvanto
