#include "data/Waehrungstabelle.h"

#include <utility>

namespace zirvanto {

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

const Waehrung& Waehrungstabelle::hauptwaehrung() const {
    return gueltigerIndex(HauptwaehrungIndex) ? eintraege_[std::size_t(HauptwaehrungIndex)]
                                              : eintraege_.front();
}

} // namespace zirvanto
