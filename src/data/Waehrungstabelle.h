#pragma once

#include <QLocale>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace zirvanto {

// One currency of the table. The rate is in units of this currency per 1 Euro.
struct Waehrung {
    QString ISO;
    QString Name;
    double Kurs = 1.0;
    bool Aktiv = false;   // shown in a row of the side panel
    int16_t Platz = 0;    // that row, 1..14; 0 when in none
    QString Flagge;       // flag picture, relative to the program folder
    bool Manuell = false; // rate set by hand: shown in red
};

// Whether the rate list shows an entry (the Euro, entry 0, it never shows):
// one with a code and a rate above 0.
inline bool gelistet(const Waehrung& w) {
    return !w.ISO.isEmpty() && w.Kurs > 0;
}

// A rate as the rate list shows it: the locale's decimal sign, no grouping,
// up to 15 significant digits.
QString kurslistentext(double kurs, QLocale locale);

// The one list of currencies every conversion works from. Entry 0 is always
// the Euro with rate 1; it is built in memory and never stored.
class Waehrungstabelle {
public:
    Waehrungstabelle();

    std::size_t size() const { return eintraege_.size(); }
    Waehrung& operator[](std::size_t i) { return eintraege_[i]; }
    const Waehrung& operator[](std::size_t i) const { return eintraege_[i]; }
    auto begin() { return eintraege_.begin(); }
    auto end() { return eintraege_.end(); }
    auto begin() const { return eintraege_.begin(); }
    auto end() const { return eintraege_.end(); }

    void anhaengen(Waehrung w);
    // Removes the entries at the given indexes (ascending, never 0) in one
    // pass. The main-currency index keeps pointing at its entry; it becomes
    // the Euro when that entry is removed.
    void entfernen(const std::vector<std::size_t>& indizes);
    // Room for `anzahl` entries in all, so that appending them moves none.
    void reservieren(std::size_t anzahl) { eintraege_.reserve(anzahl); }

    // The main currency, the currency of the second display. An index
    // outside the table reads as the Euro.
    const Waehrung& hauptwaehrung() const;
    bool gueltigerIndex(qsizetype index) const { return index >= 0 && std::size_t(index) < size(); }

    // Index of the main currency. It lives with the table it points into,
    // so the engine, the settings and the editors share one value; it
    // reaches every entry of a table of any size.
    qsizetype HauptwaehrungIndex = 0;

private:
    std::vector<Waehrung> eintraege_;
};

} // namespace zirvanto
