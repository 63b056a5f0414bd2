#pragma once

#include "data/Waehrungstabelle.h"

#include <QDialog>
#include <QLocale>

#include <cstddef>
#include <vector>

class QLabel;
class QPushButton;
class QTableWidget;

namespace zirvanto {

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

    // A rate as the list shows it: the locale's decimal sign, no grouping,
    // up to 15 significant digits.
    QString kurstext(double kurs) const;

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;
    void keyPressEvent(QKeyEvent* ereignis) override;

private:
    void zeileSchreiben(int zeile, const QString& iso, const QString& name, double kurs);
    // The grid rows the user has marked, ascending; the current row alone
    // when nothing is marked.
    std::vector<int> markierteZeilen() const;

    Waehrungstabelle& tabelle_;
    Plattform& plattform_;
    QLocale locale_;

    QLabel* Label4 = nullptr;
    QTableWidget* CurrList = nullptr;
    QPushButton* Neu = nullptr;
    QPushButton* Bearbeiten = nullptr;
    QPushButton* Loeschen = nullptr;
    QPushButton* OK = nullptr;

    // Grid rows count from 1 (the header is row 0); the table row of grid
    // row r is r - 1. WaehrungVonZeile[r] is the table entry shown in row r
    // (element 0 unused); ZeileVonWaehrung[k] is the row showing entry k, 0
    // when it is not listed. Both change together with grid and table.
    std::vector<std::size_t> WaehrungVonZeile;
    std::vector<std::size_t> ZeileVonWaehrung;
};

} // namespace zirvanto
