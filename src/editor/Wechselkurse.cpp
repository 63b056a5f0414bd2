#include "editor/Wechselkurse.h"

#include "editor/CurrencyEdit.h"
#include "editor/Twips.h"
#include "plattform/Plattform.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include <algorithm>
#include <utility>

namespace zirvanto {

using editor::px;
using editor::twipsRect;

namespace {

enum Spalte { SpalteISO, SpalteName, SpalteKurs, Spalten };
constexpr Qt::Alignment Links = Qt::AlignLeft | Qt::AlignVCenter;
constexpr Qt::Alignment Rechts = Qt::AlignRight | Qt::AlignVCenter;

QPushButton* knopf(QWidget* eltern, const char* name, const QString& text,
                   const QString& zugangsname, QRect rahmen) {
    auto* k = new QPushButton(text, eltern);
    k->setObjectName(QLatin1String(name));
    k->setAccessibleName(zugangsname);
    k->setGeometry(rahmen);
    return k;
}

} // namespace

Wechselkurse::Wechselkurse(Waehrungstabelle& tabelle, Plattform& plattform, QLocale locale,
                           const QString& titel, QWidget* parent)
    : QDialog(parent), tabelle_(tabelle), plattform_(plattform), locale_(std::move(locale)) {
    setObjectName(QStringLiteral("Wechselkurse"));
    setWindowTitle(titel);
    QFont schrift = font();
    schrift.setPointSizeF(8);
    setFont(schrift);
    setFixedSize(px(5460), px(5280));
    locale_.setNumberOptions(locale_.numberOptions() | QLocale::OmitGroupSeparator);

    Label4 = new QLabel(QStringLiteral("Wechselkurse bearbeiten"), this);
    Label4->setObjectName(QStringLiteral("Label4"));
    QFont fett = Label4->font();
    fett.setBold(true);
    Label4->setFont(fett);
    QRect rahmen = twipsRect(120, 240, 2670, 240);
    rahmen.setSize(rahmen.size().expandedTo(Label4->sizeHint()));
    Label4->setGeometry(rahmen);

    CurrList = new QTableWidget(this);
    CurrList->setObjectName(QStringLiteral("CurrList"));
    CurrList->setAccessibleName(QStringLiteral("Währungen"));
    CurrList->setGeometry(twipsRect(120, 720, 5205, 3615));
    CurrList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    CurrList->setSelectionBehavior(QAbstractItemView::SelectRows);
    CurrList->setSelectionMode(QAbstractItemView::ContiguousSelection);
    CurrList->setTabKeyNavigation(false);
    CurrList->setWordWrap(false);
    CurrList->verticalHeader()->hide();
    CurrList->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    CurrList->verticalHeader()->setDefaultSectionSize(CurrList->fontMetrics().height() + 4);
    CurrList->horizontalHeader()->setHighlightSections(false);
    CurrList->installEventFilter(this);
    connect(CurrList, &QTableWidget::cellDoubleClicked, this, &Wechselkurse::Bearbeiten_Click);

    Neu = knopf(this, "Neu", QStringLiteral("&Neu"), QStringLiteral("Neue Währung"),
                twipsRect(120, 4680, 1095, 375));
    connect(Neu, &QPushButton::clicked, this, &Wechselkurse::Neu_Click);
    Bearbeiten = knopf(this, "Bearbeiten", QStringLiteral("&Bearbeiten"),
                       QStringLiteral("Währung bearbeiten"), twipsRect(1320, 4680, 1095, 375));
    connect(Bearbeiten, &QPushButton::clicked, this, &Wechselkurse::Bearbeiten_Click);
    Loeschen =
        knopf(this, "Loeschen", QStringLiteral("&Löschen"),
              QStringLiteral("Markierte Währungen löschen"), twipsRect(2520, 4680, 1095, 375));
    connect(Loeschen, &QPushButton::clicked, this, &Wechselkurse::Loeschen_Click);
    // Both the default button (Enter) and the cancel button (Esc).
    OK = knopf(this, "OK", QStringLiteral("&Schließen"), QStringLiteral("Schließen"),
               twipsRect(4200, 4680, 1095, 375));
    OK->setDefault(true);
    connect(OK, &QPushButton::clicked, this, &Wechselkurse::OK_Click);

    Form_Load();
    CurrList->setFocus();
}

QString Wechselkurse::kurstext(double kurs) const {
    return locale_.toString(kurs, 'g', 15);
}

void Wechselkurse::Form_Load() {
    WaehrungVonZeile.assign(1, 0);
    ZeileVonWaehrung.assign(tabelle_.size(), 0);

    CurrList->clear();
    CurrList->setColumnCount(Spalten);
    const std::pair<const char*, Qt::Alignment> kopf[Spalten] = {
        {"ISO-Code", Links}, {"Bezeichnung", Links}, {"Kurs", Rechts}};
    const int breiten[Spalten] = {1100, 2750, 1100};
    for (int s = 0; s < Spalten; ++s) {
        auto* zelle = new QTableWidgetItem(QString::fromUtf8(kopf[s].first));
        zelle->setTextAlignment(kopf[s].second);
        CurrList->setHorizontalHeaderItem(s, zelle);
        CurrList->setColumnWidth(s, px(breiten[s]));
    }

    // The Euro, entry 0, is never listed.
    for (std::size_t k = 1; k < tabelle_.size(); ++k) {
        const Waehrung& w = tabelle_[k];
        if (w.ISO.isEmpty() || !(w.Kurs > 0)) continue;
        ZeileVonWaehrung[k] = WaehrungVonZeile.size();
        WaehrungVonZeile.push_back(k);
    }
    CurrList->setRowCount(int(WaehrungVonZeile.size() - 1));
    for (std::size_t r = 1; r < WaehrungVonZeile.size(); ++r) {
        const Waehrung& w = tabelle_[WaehrungVonZeile[r]];
        zeileSchreiben(int(r), w.ISO, w.Name, w.Kurs);
    }
    if (CurrList->rowCount() > 0) CurrList->setCurrentCell(0, SpalteISO);
}

void Wechselkurse::zeileSchreiben(int zeile, const QString& iso, const QString& name, double kurs) {
    const QString texte[Spalten] = {iso, name, kurstext(kurs)};
    for (int s = 0; s < Spalten; ++s) {
        QTableWidgetItem* zelle = CurrList->item(zeile - 1, s);
        if (!zelle) {
            zelle = new QTableWidgetItem;
            zelle->setTextAlignment(s == SpalteKurs ? Rechts : Links);
            CurrList->setItem(zeile - 1, s, zelle);
        }
        zelle->setText(texte[s]);
    }
}

void Wechselkurse::Neu_Click() {
    CurrencyEdit dialog(plattform_, windowTitle(), this);
    dialog.werteSetzen({}, {}, QStringLiteral("1,0"));
    if (plattform_.modalZeigen(dialog) != QDialog::Accepted) return;

    Waehrung neu;
    neu.ISO = dialog.iso(); // exactly as typed
    neu.Name = dialog.name();
    neu.Kurs = kursLesen(dialog.kurstext());
    neu.Manuell = true;
    tabelle_.anhaengen(neu);

    const std::size_t k = tabelle_.size() - 1;
    const int zeile = CurrList->rowCount() + 1;
    CurrList->setRowCount(zeile);
    zeileSchreiben(zeile, neu.ISO, neu.Name, neu.Kurs);
    WaehrungVonZeile.push_back(k);
    ZeileVonWaehrung.resize(tabelle_.size(), 0);
    ZeileVonWaehrung[k] = std::size_t(zeile);
    CurrList->setCurrentCell(zeile - 1, SpalteISO);
}

void Wechselkurse::Bearbeiten_Click() {
    const int zeile = CurrList->currentRow() + 1;
    if (zeile < 1 || std::size_t(zeile) >= WaehrungVonZeile.size()) return;

    CurrencyEdit dialog(plattform_, windowTitle(), this);
    const auto zelle = [&](int s) { return CurrList->item(zeile - 1, s)->text(); };
    dialog.werteSetzen(zelle(SpalteISO), zelle(SpalteName), zelle(SpalteKurs));
    if (plattform_.modalZeigen(dialog) != QDialog::Accepted) return;

    const double kurs = kursLesen(dialog.kurstext());
    zeileSchreiben(zeile, dialog.iso(), dialog.name(), kurs);
    Waehrung& w = tabelle_[WaehrungVonZeile[std::size_t(zeile)]];
    w.ISO = dialog.iso();
    w.Name = dialog.name();
    // Confirming the rate as shown keeps it and takes back the hand-set mark.
    if (kurs == w.Kurs) {
        w.Manuell = false;
    } else {
        w.Manuell = true;
        w.Kurs = kurs;
    }
}

std::vector<int> Wechselkurse::markierteZeilen() const {
    std::vector<int> zeilen;
    for (const QModelIndex& i : CurrList->selectionModel()->selectedRows())
        zeilen.push_back(i.row() + 1);
    if (zeilen.empty() && CurrList->currentRow() >= 0) zeilen.push_back(CurrList->currentRow() + 1);
    std::sort(zeilen.begin(), zeilen.end());
    return zeilen;
}

void Wechselkurse::Loeschen_Click() {
    const std::vector<int> zeilen = markierteZeilen();
    if (zeilen.empty()) return;
    const QString frage = zeilen.size() == 1
                              ? QStringLiteral("Wollen Sie diese Währung löschen?")
                              : QStringLiteral("Wollen Sie die markierten Währungen löschen?");
    if (!plattform_.frage(this, frage, QStringLiteral("Zirvanto"))) return;

    // Grid: each run of neighbouring rows at once, from the bottom up.
    for (auto i = zeilen.rbegin(); i != zeilen.rend();) {
        int oben = *i++;
        const int unten = oben;
        while (i != zeilen.rend() && *i == oben - 1)
            oben = *i++;
        CurrList->model()->removeRows(oben - 1, unten - oben + 1);
    }

    // Table: the entries of those rows in one pass.
    std::vector<bool> zeileWeg(WaehrungVonZeile.size(), false);
    std::vector<bool> eintragWeg(tabelle_.size(), false);
    std::vector<std::size_t> eintraege;
    for (int r : zeilen) {
        zeileWeg[std::size_t(r)] = true;
        eintragWeg[WaehrungVonZeile[std::size_t(r)]] = true;
    }
    for (std::size_t k = 0; k < eintragWeg.size(); ++k)
        if (eintragWeg[k]) eintraege.push_back(k);
    tabelle_.entfernen(eintraege);

    // Maps: every remaining entry moves down by the entries removed before it.
    std::vector<std::size_t> neuerIndex(eintragWeg.size(), 0);
    for (std::size_t k = 0, weg = 0; k < eintragWeg.size(); ++k) {
        if (eintragWeg[k])
            ++weg;
        else
            neuerIndex[k] = k - weg;
    }
    std::vector<std::size_t> waehrungVonZeile{0};
    for (std::size_t r = 1; r < WaehrungVonZeile.size(); ++r)
        if (!zeileWeg[r]) waehrungVonZeile.push_back(neuerIndex[WaehrungVonZeile[r]]);
    WaehrungVonZeile = std::move(waehrungVonZeile);
    ZeileVonWaehrung.assign(tabelle_.size(), 0);
    for (std::size_t r = 1; r < WaehrungVonZeile.size(); ++r)
        ZeileVonWaehrung[WaehrungVonZeile[r]] = r;
}

void Wechselkurse::OK_Click() {
    accept();
}

bool Wechselkurse::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (objekt == CurrList && ereignis->type() == QEvent::KeyPress) {
        const auto* taste = static_cast<QKeyEvent*>(ereignis);
        const bool ohneUmschalter =
            !(taste->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier));
        if (ohneUmschalter && taste->key() == Qt::Key_Insert) {
            Neu_Click();
            return true;
        }
        if (ohneUmschalter && taste->key() == Qt::Key_Delete) {
            Loeschen_Click();
            return true;
        }
    }
    return QDialog::eventFilter(objekt, ereignis);
}

void Wechselkurse::keyPressEvent(QKeyEvent* ereignis) {
    // Esc closes the window like "&Schließen".
    if (ereignis->key() == Qt::Key_Escape && ereignis->modifiers() == Qt::NoModifier) {
        OK_Click();
        return;
    }
    QDialog::keyPressEvent(ereignis);
}

} // namespace zirvanto
