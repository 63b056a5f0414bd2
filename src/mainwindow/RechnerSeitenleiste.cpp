// The side currency panel: fourteen rows, each a currency picked from a
// list, its flag and the calculator's value in that currency.
#include "mainwindow/Rechner.h"

#include "mainwindow/Masse.h"
#include "mainwindow/Seitenlisten.h"

#include <QComboBox>
#include <QLabel>

#include <vector>

namespace zirvanto {

namespace {
bool hatZeile(const Waehrung& w) {
    return w.Aktiv && w.Platz >= 1 && w.Platz <= Seitenzeilen;
}
} // namespace

// Rows not built yet are filled, coloured and given their flags when they are.
void Rechner::WaehrungslistenFuellen() {
    if (!seitenleiste_) return;
    globals_.ListenFuellung = true;
    std::vector<QSignalBlocker> still;
    still.reserve(Seitenzeilen);
    for (int k = 1; k <= Seitenzeilen; ++k)
        still.emplace_back(zeilen_[std::size_t(k)].SideCombo);
    // Every list offers the currencies no row shows, and its own.
    const auto gewaehlt = seitenlisten_->fuellen(globals_.Waehrungen);
    for (int k = 1; k <= Seitenzeilen; ++k)
        zeilen_[std::size_t(k)].SideCombo->setCurrentIndex(gewaehlt[std::size_t(k)]);
    globals_.ListenFuellung = false;
}

void Rechner::TextfarbenSetzen() {
    if (!seitenleiste_) return;
    for (const Waehrung& w : globals_.Waehrungen) {
        if (!hatZeile(w)) continue;
        QLabel* box = zeilen_[std::size_t(w.Platz)].SideBox;
        QPalette p = box->palette();
        p.setColor(QPalette::Text, bgrFarbe(w.Manuell ? 0x0000FF : 0x000000));
        box->setPalette(p);
    }
}

void Rechner::FlaggenLaden() {
    if (!seitenleiste_) return;
    for (int k = 1; k <= Seitenzeilen; ++k)
        zeilen_[std::size_t(k)].SidePicture->clear();
    for (const Waehrung& w : globals_.Waehrungen) {
        if (!hatZeile(w)) continue;
        bildLaden(zeilen_[std::size_t(w.Platz)].SidePicture, w.Flagge);
    }
}

void Rechner::SideCombo_Click(int k) {
    if (globals_.ListenFuellung || k < 1 || k > Seitenzeilen) return;
    seitenleisteBauen();
    Waehrungstabelle& tabelle = globals_.Waehrungen;
    Seitenzeile& zeile = zeilen_[std::size_t(k)];

    // Release the row, then give it to the first entry with the chosen code.
    for (Waehrung& w : tabelle) {
        if (w.Platz != k) continue;
        w.Aktiv = false;
        w.Platz = 0;
        zeile.SidePicture->clear();
        zeile.SideBox->clear();
        werk_.SideBoxLeeren(k);
        break;
    }
    const QString code = zeile.SideCombo->currentText();
    for (Waehrung& w : tabelle) {
        if (w.ISO != code) continue;
        w.Aktiv = true;
        w.Platz = int16_t(k);
        bildLaden(zeile.SidePicture, w.Flagge);
        break;
    }

    WaehrungslistenFuellen();
    TextfarbenSetzen();
    CE_Click();
    beideWaehrungenAuffrischen();
    IniSpeichern();
}

void Rechner::SidePicture_Click(int k) {
    Waehrungstabelle& tabelle = globals_.Waehrungen;
    for (std::size_t i = 0; i < tabelle.size(); ++i)
        if (tabelle[i].Platz == k) tabelle.HauptwaehrungIndex = qsizetype(i);
    beideWaehrungenAuffrischen();
    C_Click();
    IniSpeichern();
}

} // namespace zirvanto
