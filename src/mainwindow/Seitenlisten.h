// The contents of the fourteen side lists, kept once for all of them.
#pragma once

#include "core/Rechenwerk.h"
#include "data/Waehrungstabelle.h"

#include <QAbstractListModel>
#include <QComboBox>
#include <QString>

#include <array>
#include <memory>
#include <vector>

namespace zirvanto {

// The drop-down list of a side row. Its codes all take the same room, so
// opening it measures one of them rather than every code of the table.
class Waehrungsliste : public QComboBox {
    Q_OBJECT

public:
    using QComboBox::QComboBox;
    void showPopup() override;
};

class Zeilenliste;

// Every side list offers "---", the codes no row shows and the codes only
// its own row shows, in table order. The codes no row shows are the same
// for all fourteen lists, so they are held once; each row's list is a small
// model that merges them with the row's own codes when asked for an item.
// Together the lists cost one pointer per entry of the table, whatever
// the number of rows.
class Seitenlisten : public QObject {
    Q_OBJECT

public:
    // Gives each list (rows 1..14) its model, a child of the list.
    Seitenlisten(const std::array<QComboBox*, Seitenzeilen + 1>& listen, QObject* eltern);

    // Rebuilds every list from the table. Returns for rows 1..14 the list
    // index to select: the last entry that names the row, or -1 for none.
    std::array<int, Seitenzeilen + 1> fuellen(const Waehrungstabelle& tabelle);

private:
    // The codes no row shows, in table order; the models share them.
    std::shared_ptr<std::vector<QString>> frei_ = std::make_shared<std::vector<QString>>();
    std::array<Zeilenliste*, Seitenzeilen + 1> modelle_{};
};

// One row's list: "---", then the shared free codes with the row's own
// codes merged in at their places in the table.
class Zeilenliste final : public QAbstractListModel {
    Q_OBJECT

public:
    // A code only this row offers, and how many free codes come before it.
    struct Eigener {
        QString code;
        qsizetype freieDavor = 0;
    };

    Zeilenliste(std::shared_ptr<const std::vector<QString>> frei, QObject* eltern);

    int rowCount(const QModelIndex& eltern = {}) const override;
    QVariant data(const QModelIndex& index, int rolle) const override;

private:
    friend class Seitenlisten;
    QString code(qsizetype zeile) const;

    std::shared_ptr<const std::vector<QString>> frei_;
    std::vector<Eigener> eigene_; // in table order
};

} // namespace zirvanto
