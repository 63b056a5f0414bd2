#include "data/Starttexte.h"

#include <QCoreApplication>

namespace zirvanto {

namespace {

// The start values of Einstellungen::Texte that are words rather than names.
constexpr const char* Starttexte[] = {
    QT_TRANSLATE_NOOP("Texte", "Euro-Referenz- und Wechselkurse"),
    QT_TRANSLATE_NOOP("Texte", "der Europäischen Zentralbank"),
    QT_TRANSLATE_NOOP("Texte", "Präsentiert von:"),
    QT_TRANSLATE_NOOP("Texte", "Klicken Sie hier, um auf die Homepage zu kommen"),
};

} // namespace

QString anzeigetext(const QString& text) {
    for (const char* start : Starttexte)
        if (text == QString::fromUtf8(start)) return QCoreApplication::translate("Texte", start);
    return text;
}

} // namespace zirvanto
