#include "online/Kursabgleich.h"

namespace zirvanto {

QStringList kurseAbgleichen(Waehrungstabelle& tabelle, const std::vector<Kurssatz>& saetze) {
    QStringList flaggen;
    for (const Kurssatz& satz : saetze) {
        Waehrung* treffer = nullptr;
        for (Waehrung& w : tabelle)
            if (w.ISO == satz.ISO) {
                treffer = &w;
                break;
            }
        if (!treffer) {
            Waehrung neu;
            neu.ISO = satz.ISO;
            neu.Name = satz.ohneNameUndFlagge ? satz.ISO : satz.Name;
            neu.Flagge = satz.Flagge;
            tabelle.anhaengen(std::move(neu));
            treffer = &tabelle[tabelle.size() - 1];
        } else if (!satz.ohneNameUndFlagge) {
            treffer->Name = satz.Name;
            treffer->Flagge = satz.Flagge;
        }
        treffer->Kurs = satz.Kurs;
        treffer->Manuell = false;
        if (!satz.Flagge.isEmpty() && satz.Flagge != KeineFlagge) flaggen << satz.Flagge;
    }
    return flaggen;
}

} // namespace zirvanto
