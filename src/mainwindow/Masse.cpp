#include "mainwindow/Masse.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QHash>

#include <algorithm>
#include <cmath>
#include <functional>
#include <utility>
#include <vector>

namespace zirvanto {

namespace {

// The measurements of one search. Each size measures the texts until one
// does not fit: first the one that failed last, after a size where all fit
// the widest there, as that one is the likeliest to fail.
class Messung {
public:
    Messung(const QFont& basis, const QStringList& texte, qreal breite, qreal hoehe)
        : basis_(basis), texte_(texte), breite_(breite), hoehe_(hoehe) {
        for (qsizetype i = 0; i < texte_.size(); ++i)
            reihenfolge_.push_back(i);
    }

    // Whether the line and every text fit at the size. With `faktor`, also
    // by what factor the line and the widest text measured must shrink.
    bool passt(int groesse, qreal* faktor = nullptr) {
        if (groesse <= 1) return true;
        QFont schrift = basis_;
        schrift.setPixelSize(groesse);
        const QFontMetricsF masse(schrift);
        const qreal zeile = masse.height();
        if (zeile > hoehe_ && !faktor) return false;
        std::vector<std::pair<qreal, qsizetype>> breiten;
        for (const qsizetype i : reihenfolge_) {
            breiten.emplace_back(masse.horizontalAdvance(texte_[i]), i);
            if (breiten.back().first > breite_) break;
        }
        const bool alle = breiten.size() == reihenfolge_.size() &&
                          (breiten.empty() || breiten.back().first <= breite_);
        if (alle) {
            std::stable_sort(breiten.begin(), breiten.end(), std::greater<>());
            for (std::size_t k = 0; k < breiten.size(); ++k)
                reihenfolge_[k] = breiten[k].second;
        } else {
            std::rotate(reihenfolge_.begin(), reihenfolge_.begin() + qsizetype(breiten.size()) - 1,
                        reihenfolge_.begin() + qsizetype(breiten.size()));
        }
        if (faktor) {
            qreal weiteste = 0;
            for (const auto& [breite, i] : breiten)
                weiteste = std::max(weiteste, breite);
            *faktor = 1;
            if (zeile > 0) *faktor = std::min(*faktor, hoehe_ / zeile);
            if (weiteste > 0) *faktor = std::min(*faktor, breite_ / weiteste);
        }
        return alle && zeile <= hoehe_;
    }

private:
    const QFont& basis_;
    const QStringList& texte_;
    qreal breite_;
    qreal hoehe_;
    std::vector<qsizetype> reihenfolge_;
};

// Widths and heights grow with the pixel size: measured at the font's own
// size, the ratio of the room to the need gives the size that fits, give or
// take hinting; one or two measurements around it confirm the largest.
int passendeGroesse(const QFont& basis, int eigene, const QStringList& texte, qreal breite,
                    qreal hoehe) {
    if (eigene <= 1) return eigene;
    Messung messung(basis, texte, breite, hoehe);
    qreal faktor = 1;
    if (messung.passt(eigene, &faktor)) return eigene;
    int g = std::clamp(int(std::floor(eigene * faktor)), 1, eigene - 1);
    if (messung.passt(g)) {
        while (g + 1 < eigene && messung.passt(g + 1))
            ++g;
    } else {
        do
            --g;
        while (!messung.passt(g));
    }
    return g;
}

} // namespace

QFont passendeSchrift(const QFont& basis, const QStringList& texte, qreal breite, qreal hoehe) {
    // The pixel size of `basis` stands for the screen's resolution.
    static QHash<QString, int> bekannt;
    const int eigene = QFontInfo(basis).pixelSize();
    QString schluessel = basis.key() + u'|' + QString::number(eigene) + u'|' +
                         QString::number(breite, 'g', 17) + u'|' + QString::number(hoehe, 'g', 17);
    for (const QString& text : texte)
        schluessel += u'|' + text;
    auto gefunden = bekannt.constFind(schluessel);
    if (gefunden == bekannt.constEnd()) {
        // Texts of a changing rate would let it grow without end.
        if (bekannt.size() >= 64) bekannt.clear();
        gefunden = bekannt.insert(schluessel, passendeGroesse(basis, eigene, texte, breite, hoehe));
    }
    QFont schrift = basis;
    schrift.setPixelSize(*gefunden);
    return schrift;
}

} // namespace zirvanto
