#include "mainwindow/Seitenlisten.h"

#include <QListView>

#include <utility>

namespace zirvanto {

void Waehrungsliste::showPopup() {
    if (auto* liste = qobject_cast<QListView*>(view())) liste->setUniformItemSizes(true);
    QComboBox::showPopup();
}

Seitenlisten::Seitenlisten(const std::array<QComboBox*, Seitenzeilen + 1>& listen, QObject* eltern)
    : QObject(eltern) {
    for (int k = 1; k <= Seitenzeilen; ++k) {
        QComboBox* liste = listen[std::size_t(k)];
        modelle_[std::size_t(k)] = new Zeilenliste(frei_, liste);
        liste->setModel(modelle_[std::size_t(k)]);
    }
}

std::array<int, Seitenzeilen + 1> Seitenlisten::fuellen(const Waehrungstabelle& tabelle) {
    for (int k = 1; k <= Seitenzeilen; ++k)
        modelle_[std::size_t(k)]->beginResetModel();

    std::vector<QString>& frei = *frei_;
    frei.clear();
    std::array<std::vector<Zeilenliste::Eigener>, Seitenzeilen + 1> eigene;
    // List positions after "---", so one less than the list index.
    std::array<qsizetype, Seitenzeilen + 1> gewaehlt;
    gewaehlt.fill(-2);
    for (std::size_t i = 1; i < tabelle.size(); ++i) {
        const Waehrung& w = tabelle[i];
        const bool eigeneZeile = w.Platz >= 1 && w.Platz <= Seitenzeilen;
        if (eigeneZeile) {
            // Before the entry is counted: its place in its row's list.
            const auto k = std::size_t(w.Platz);
            gewaehlt[k] = qsizetype(frei.size() + eigene[k].size());
            if (w.Aktiv) eigene[k].push_back({w.ISO, qsizetype(frei.size())});
        }
        if (!w.Aktiv) frei.push_back(w.ISO);
    }

    std::array<int, Seitenzeilen + 1> auswahl{};
    for (int k = 1; k <= Seitenzeilen; ++k) {
        Zeilenliste* modell = modelle_[std::size_t(k)];
        modell->eigene_ = std::move(eigene[std::size_t(k)]);
        modell->endResetModel();
        auswahl[std::size_t(k)] = int(gewaehlt[std::size_t(k)] + 1);
    }
    return auswahl;
}

Zeilenliste::Zeilenliste(std::shared_ptr<const std::vector<QString>> frei, QObject* eltern)
    : QAbstractListModel(eltern), frei_(std::move(frei)) {}

int Zeilenliste::rowCount(const QModelIndex& eltern) const {
    return eltern.isValid() ? 0 : int(1 + frei_->size() + eigene_.size());
}

QVariant Zeilenliste::data(const QModelIndex& index, int rolle) const {
    if (!index.isValid() || index.row() >= rowCount() ||
        (rolle != Qt::DisplayRole && rolle != Qt::EditRole))
        return {};
    return code(index.row());
}

QString Zeilenliste::code(qsizetype zeile) const {
    if (zeile == 0) return QStringLiteral("---");
    const qsizetype position = zeile - 1;
    // The j-th own code stands at position freieDavor + j; count the own
    // codes before `position` by halving.
    std::size_t von = 0;
    std::size_t bis = eigene_.size();
    while (von < bis) {
        const std::size_t mitte = (von + bis) / 2;
        if (eigene_[mitte].freieDavor + qsizetype(mitte) < position)
            von = mitte + 1;
        else
            bis = mitte;
    }
    if (von < eigene_.size() && eigene_[von].freieDavor + qsizetype(von) == position)
        return eigene_[von].code;
    return (*frei_)[std::size_t(position) - von];
}

} // namespace zirvanto
