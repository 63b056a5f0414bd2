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

// The texts of one search, measured at the font's own size first; later
// sizes measure them widest first and stop at the first that does not fit.
class Messung {
public:
    Messung(const QFont& basis, const QStringList& texte, qreal breite, qreal hoehe)
        : basis_(basis), texte_(texte), breite_(breite), hoehe_(hoehe) {}

    // Whether everything fits at the font's own size; by what factor the
    // widest text and the line would have to shrink to fit.
    bool ersteMessung(int groesse, qreal& faktor) {
        const QFontMetricsF masse(mitGroesse(groesse));
        std::vector<std::pair<qreal, qsizetype>> breiten;
        for (qsizetype i = 0; i < texte_.size(); ++i)
            breiten.emplace_back(masse.horizontalAdvance(texte_[i]), i);
        std::sort(breiten.begin(), breiten.end(), std::greater<>());
        for (const auto& [breite, i] : breiten)
            reihenfolge_.push_back(i);
        const qreal weiteste = breiten.empty() ? 0 : breiten.front().first;
        const qreal zeile = masse.height();
        faktor = 1;
        if (zeile > 0) faktor = std::min(faktor, hoehe_ / zeile);
        if (weiteste > 0) faktor = std::min(faktor, breite_ / weiteste);
        return zeile <= hoehe_ && weiteste <= breite_;
    }

    bool passt(int groesse) const {
        if (groesse <= 1) return true;
        const QFontMetricsF masse(mitGroesse(groesse));
        if (masse.height() > hoehe_) return false;
        for (const qsizetype i : reihenfolge_)
            if (masse.horizontalAdvance(texte_[i]) > breite_) return false;
        return true;
    }

private:
    QFont mitGroesse(int groesse) const {
        QFont schrift = basis_;
        schrift.setPixelSize(groesse);
        return schrift;
    }

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
    if (messung.ersteMessung(eigene, faktor)) return eigene;
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
