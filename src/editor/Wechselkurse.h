#pragma once

#include "data/Waehrungstabelle.h"

#include <QDialog>
#include <QLocale>

#include <cstddef>
#include <vector>

class QLabel;
class QPushButton;
class QTableView;

namespace zirvanto {

class Kursliste;
class Plattform;

// The rate list window: code, name and rate of every currency but the Euro,
// with buttons to add, edit and delete currencies. Every change goes
// straight into the currency table; there is no cancel. Entries with an
// empty code or a rate of 0 or less are not listed.
class Wechselkurse : public QDialog {
    Q_OBJECT

public:
    Wechselkurse(Waehrungstabelle& tabelle, Plattform& plattform, QLocale locale,
                 const QString& titel, QWidget* parent = nullptr);

    void Form_Load();
    void Neu_Click();
    void Bearbeiten_Click();
    void Loeschen_Click();
    void OK_Click();

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;
    void keyPressEvent(QKeyEvent* ereignis) override;

private:
    // The list row (from 1) of the current cell, 0 when there is none.
    std::size_t aktuelleZeile() const;
    // The list rows the user has marked, ascending; the current row alone
    // when nothing is marked.
    std::vector<std::size_t> markierteZeilen() const;

    Waehrungstabelle& tabelle_;
    Plattform& plattform_;
    // The rows of CurrList with the row<->entry maps.
    Kursliste* liste_ = nullptr;

    QLabel* Label4 = nullptr;
    QTableView* CurrList = nullptr;
    QPushButton* Neu = nullptr;
    QPushButton* Bearbeiten = nullptr;
    QPushButton* Loeschen = nullptr;
    QPushButton* OK = nullptr;
};

} // namespace zirvanto
