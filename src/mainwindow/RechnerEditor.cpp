// The rate editor command and the refresh after it.
#include "mainwindow/Rechner.h"

#include "editor/Wechselkurse.h"
#include "plattform/Plattform.h"

#include <QLabel>

namespace zirvanto {

void Rechner::Wechselkurs_Click() {
    heuteZeigen(); // the editor works on today's rates
    Wechselkurse editor(globals_.Waehrungen, plattform_, werk_.locale(),
                        globals_.einstellungen.Texte[1], this);
    plattform_.modalZeigen(editor);

    // However the editor was left: the table may have changed in any way.
    seitenzeilenFreigeben();
    WaehrungslistenFuellen();
    CE_Click();
    beideWaehrungenAuffrischen();
    KurseSpeichern();
    TextfarbenSetzen();
    FlaggenLaden();
    IniSpeichern();
}

void Rechner::Image1_Click() {
    Wechselkurs_Click();
}

void Rechner::seitenzeilenFreigeben() {
    std::array<bool, Seitenzeilen + 1> belegt{};
    for (const Waehrung& w : globals_.Waehrungen)
        if (w.Aktiv && w.Platz >= 1 && w.Platz <= Seitenzeilen) belegt[std::size_t(w.Platz)] = true;
    // A row whose currency was deleted shows nothing any more.
    for (int k = 1; k <= Seitenzeilen; ++k) {
        if (belegt[std::size_t(k)]) continue;
        if (seitenleiste_) zeilen_[std::size_t(k)].SideBox->clear();
        werk_.SideBoxLeeren(k);
    }
}

} // namespace zirvanto
