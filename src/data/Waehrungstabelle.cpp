#include "data/Waehrungstabelle.h"

#include <utility>

namespace zirvanto {

QString kurslistentext(double kurs, QLocale locale) {
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return locale.toString(kurs, 'g', 15);
}

Waehrungstabelle::Waehrungstabelle() {
    Waehrung euro;
    euro.ISO = QStringLiteral("EUR");
    euro.Name = QStringLiteral("Euro");
    eintraege_.push_back(std::move(euro));
}

void Waehrungstabelle::anhaengen(Waehrung w) {
    // A new entry is never shown in a row until the settings or the side
    // panel put it there.
    w.Aktiv = false;
    w.Platz = 0;
    eintraege_.push_back(std::move(w));
}

void Waehrungstabelle::entfernen(const std::vector<std::size_t>& indizes) {
    std::size_t ziel = 0;
    auto weg = indizes.begin();
    qsizetype haupt = HauptwaehrungIndex;
    for (std::size_t i = 0; i < eintraege_.size(); ++i) {
        while (weg != indizes.end() && *weg < i)
            ++weg;
        if (i != 0 && weg != indizes.end() && *weg == i) {
            if (qsizetype(i) == HauptwaehrungIndex)
                haupt = 0;
            else if (qsizetype(i) < HauptwaehrungIndex)
                --haupt;
            continue;
        }
        if (ziel != i) eintraege_[ziel] = std::move(eintraege_[i]);
        ++ziel;
    }
    eintraege_.resize(ziel);
    HauptwaehrungIndex = haupt;
}

const Waehrung& Waehrungstabelle::hauptwaehrung() const {
    return gueltigerIndex(HauptwaehrungIndex) ? eintraege_[std::size_t(HauptwaehrungIndex)]
                                              : eintraege_.front();
}

} // namespace zirvanto
