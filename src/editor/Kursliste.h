#pragma once

#include "data/Waehrungstabelle.h"

#include <QAbstractTableModel>
#include <QLocale>

#include <cstddef>
#include <vector>

namespace zirvanto {

// The rows of the rate list window: code, name and rate of the listed
// currencies, read straight from the currency table through the row->entry
// map, so the list costs one map entry per currency and texts are made only
// for the rows on screen.
//
// List rows count from 1 as in the window (the header is row 0); model row
// m shows list row m + 1. WaehrungVonZeile(r) is the table entry shown in
// row r; ZeileVonWaehrung(k) is the row showing entry k, 0 when it is not
// listed. Both change together with the rows and the table.
class Kursliste : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Spalte { SpalteISO, SpalteName, SpalteKurs, Spalten };

    Kursliste(Waehrungstabelle& tabelle, QLocale locale, QObject* parent = nullptr);

    // Lists every entry but the Euro whose code is not empty and whose rate
    // is greater than 0, in table order.
    void laden();
    // Lists the table's last entry in a new last row.
    void angehaengt();
    // The entry of row r has changed.
    void geaendert(std::size_t zeile);
    // Removes the given rows (ascending) and their entries from the table.
    void entfernen(const std::vector<std::size_t>& zeilen);

    std::size_t zeilen() const { return WaehrungVonZeile_.size() - 1; }
    std::size_t WaehrungVonZeile(std::size_t zeile) const { return WaehrungVonZeile_[zeile]; }
    std::size_t ZeileVonWaehrung(std::size_t eintrag) const { return ZeileVonWaehrung_[eintrag]; }

    // A rate as the list shows it: the locale's decimal sign, no grouping,
    // up to 15 significant digits.
    QString kurstext(double kurs) const;

    int rowCount(const QModelIndex& eltern = {}) const override;
    int columnCount(const QModelIndex& eltern = {}) const override;
    QVariant data(const QModelIndex& index, int rolle = Qt::DisplayRole) const override;
    QVariant headerData(int abschnitt, Qt::Orientation richtung,
                        int rolle = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    Waehrungstabelle& tabelle_;
    QLocale locale_;
    std::vector<std::size_t> WaehrungVonZeile_; // element 0 unused
    std::vector<std::size_t> ZeileVonWaehrung_;
};

} // namespace zirvanto
