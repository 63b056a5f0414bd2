#include "editor/Kursliste.h"

#include <utility>

namespace zirvanto {

namespace {

constexpr Qt::Alignment Links = Qt::AlignLeft | Qt::AlignVCenter;
constexpr Qt::Alignment Rechts = Qt::AlignRight | Qt::AlignVCenter;

// Stored as a plain number, as the item views and headers read it.
QVariant ausrichtung(int spalte) {
    return int(spalte == Kursliste::SpalteKurs ? Rechts : Links);
}

} // namespace

Kursliste::Kursliste(Waehrungstabelle& tabelle, QLocale locale, QObject* parent)
    : QAbstractTableModel(parent), tabelle_(tabelle), locale_(std::move(locale)),
      WaehrungVonZeile_(1, 0) {}

QString Kursliste::kurstext(double kurs) const {
    return kurslistentext(kurs, locale_);
}

void Kursliste::laden() {
    beginResetModel();
    WaehrungVonZeile_.assign(1, 0);
    ZeileVonWaehrung_.assign(tabelle_.size(), 0);
    // The Euro, entry 0, is never listed.
    for (std::size_t k = 1; k < tabelle_.size(); ++k) {
        if (!gelistet(tabelle_[k])) continue;
        ZeileVonWaehrung_[k] = WaehrungVonZeile_.size();
        WaehrungVonZeile_.push_back(k);
    }
    endResetModel();
}

void Kursliste::angehaengt() {
    const int m = int(zeilen());
    beginInsertRows({}, m, m);
    const std::size_t k = tabelle_.size() - 1;
    ZeileVonWaehrung_.resize(tabelle_.size(), 0);
    ZeileVonWaehrung_[k] = WaehrungVonZeile_.size();
    WaehrungVonZeile_.push_back(k);
    endInsertRows();
}

void Kursliste::geaendert(std::size_t zeile) {
    emit dataChanged(index(int(zeile) - 1, 0), index(int(zeile) - 1, Spalten - 1));
}

void Kursliste::entfernen(const std::vector<std::size_t>& zeilen) {
    std::vector<bool> eintragWeg(tabelle_.size(), false);
    for (std::size_t r : zeilen)
        eintragWeg[WaehrungVonZeile_[r]] = true;

    // Rows: each run of neighbouring rows at once, from the bottom up. The
    // rows left still show their entries, as the table is not touched yet.
    for (auto i = zeilen.rbegin(); i != zeilen.rend();) {
        std::size_t oben = *i++;
        const std::size_t unten = oben;
        while (i != zeilen.rend() && *i == oben - 1)
            oben = *i++;
        beginRemoveRows({}, int(oben) - 1, int(unten) - 1);
        WaehrungVonZeile_.erase(WaehrungVonZeile_.begin() + std::ptrdiff_t(oben),
                                WaehrungVonZeile_.begin() + std::ptrdiff_t(unten) + 1);
        endRemoveRows();
    }

    // Table: the entries of those rows in one pass; every remaining entry
    // moves down by the entries removed before it. The rows show the same
    // currencies as before, so nothing on screen changes.
    std::vector<std::size_t> eintraege;
    std::vector<std::size_t> neuerIndex(eintragWeg.size(), 0);
    for (std::size_t k = 0; k < eintragWeg.size(); ++k) {
        if (eintragWeg[k])
            eintraege.push_back(k);
        else
            neuerIndex[k] = k - eintraege.size();
    }
    tabelle_.entfernen(eintraege);
    ZeileVonWaehrung_.assign(tabelle_.size(), 0);
    for (std::size_t r = 1; r < WaehrungVonZeile_.size(); ++r) {
        WaehrungVonZeile_[r] = neuerIndex[WaehrungVonZeile_[r]];
        ZeileVonWaehrung_[WaehrungVonZeile_[r]] = r;
    }
}

int Kursliste::rowCount(const QModelIndex& eltern) const {
    return eltern.isValid() ? 0 : int(zeilen());
}

int Kursliste::columnCount(const QModelIndex& eltern) const {
    return eltern.isValid() ? 0 : Spalten;
}

QVariant Kursliste::data(const QModelIndex& index, int rolle) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid)) return {};
    if (rolle == Qt::TextAlignmentRole) return ausrichtung(index.column());
    if (rolle != Qt::DisplayRole) return {};
    const Waehrung& w = tabelle_[WaehrungVonZeile_[std::size_t(index.row()) + 1]];
    switch (index.column()) {
    case SpalteISO: return w.ISO;
    case SpalteName: return w.Name;
    default: return kurstext(w.Kurs);
    }
}

QVariant Kursliste::headerData(int abschnitt, Qt::Orientation richtung, int rolle) const {
    if (richtung != Qt::Horizontal || abschnitt < 0 || abschnitt >= Spalten) return {};
    if (rolle == Qt::TextAlignmentRole) return ausrichtung(abschnitt);
    if (rolle != Qt::DisplayRole) return {};
    static const char* const kopf[Spalten] = {QT_TR_NOOP("ISO-Code"), QT_TR_NOOP("Bezeichnung"),
                                              QT_TR_NOOP("Kurs")};
    return tr(kopf[abschnitt]);
}

Qt::ItemFlags Kursliste::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsSelectable | Qt::ItemIsEnabled : Qt::NoItemFlags;
}

} // namespace zirvanto
