#include "editor/Wechselkurse.h"

#include "editor/CurrencyEdit.h"
#include "editor/Knopf.h"
#include "editor/Kursliste.h"
#include "plattform/Plattform.h"
#include "plattform/Twips.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableView>

#include <algorithm>
#include <utility>

namespace zirvanto {

using editor::knopf;

Wechselkurse::Wechselkurse(Waehrungstabelle& tabelle, Plattform& plattform, QLocale locale,
                           const QString& titel, QWidget* parent)
    : QDialog(parent), tabelle_(tabelle), plattform_(plattform),
      liste_(new Kursliste(tabelle, std::move(locale), this)) {
    setObjectName(QStringLiteral("Wechselkurse"));
    setWindowTitle(titel);
    QFont schrift = font();
    schrift.setPointSizeF(8);
    setFont(schrift);
    setFixedSize(px(5460), px(5280));

    Label4 = new QLabel(tr("Wechselkurse bearbeiten"), this);
    Label4->setObjectName(QStringLiteral("Label4"));
    QFont fett = Label4->font();
    fett.setBold(true);
    Label4->setFont(fett);
    QRect rahmen = twipsRect(120, 240, 2670, 240);
    rahmen.setSize(rahmen.size().expandedTo(Label4->sizeHint()));
    Label4->setGeometry(rahmen);

    // A view over the table rather than one item per cell: opening costs
    // one map entry per currency, and only the rows on screen make texts.
    // Rows have one fixed height, so no row is ever measured.
    CurrList = new QTableView(this);
    CurrList->setObjectName(QStringLiteral("CurrList"));
    CurrList->setAccessibleName(tr("Währungen"));
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
    CurrList->setModel(liste_);
    const int breiten[Kursliste::Spalten] = {1100, 2750, 1100};
    for (int s = 0; s < Kursliste::Spalten; ++s)
        CurrList->setColumnWidth(s, px(breiten[s]));
    CurrList->installEventFilter(this);
    connect(CurrList, &QTableView::doubleClicked, this, &Wechselkurse::Bearbeiten_Click);

    Neu = knopf(this, "Neu", tr("&Neu"), tr("Neue Währung"), twipsRect(120, 4680, 1095, 375));
    connect(Neu, &QPushButton::clicked, this, &Wechselkurse::Neu_Click);
    Bearbeiten = knopf(this, "Bearbeiten", tr("&Bearbeiten"), tr("Währung bearbeiten"),
                       twipsRect(1320, 4680, 1095, 375));
    connect(Bearbeiten, &QPushButton::clicked, this, &Wechselkurse::Bearbeiten_Click);
    Loeschen = knopf(this, "Loeschen", tr("&Löschen"), tr("Markierte Währungen löschen"),
                     twipsRect(2520, 4680, 1095, 375));
    connect(Loeschen, &QPushButton::clicked, this, &Wechselkurse::Loeschen_Click);
    // Both the default button (Enter) and the cancel button (Esc).
    OK = knopf(this, "OK", tr("&Schließen"), tr("Schließen"), twipsRect(4200, 4680, 1095, 375));
    OK->setDefault(true);
    connect(OK, &QPushButton::clicked, this, &Wechselkurse::OK_Click);

    Form_Load();
    CurrList->setFocus();
}

void Wechselkurse::Form_Load() {
    liste_->laden();
    if (liste_->zeilen() > 0) CurrList->setCurrentIndex(liste_->index(0, Kursliste::SpalteISO));
}

std::size_t Wechselkurse::aktuelleZeile() const {
    const QModelIndex aktuell = CurrList->currentIndex();
    return aktuell.isValid() ? std::size_t(aktuell.row()) + 1 : 0;
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
    liste_->angehaengt();
    CurrList->setCurrentIndex(liste_->index(int(liste_->zeilen()) - 1, Kursliste::SpalteISO));
}

void Wechselkurse::Bearbeiten_Click() {
    const std::size_t zeile = aktuelleZeile();
    if (zeile < 1 || zeile > liste_->zeilen()) return;

    CurrencyEdit dialog(plattform_, windowTitle(), this);
    const auto zelle = [&](int s) { return liste_->index(int(zeile) - 1, s).data().toString(); };
    dialog.werteSetzen(zelle(Kursliste::SpalteISO), zelle(Kursliste::SpalteName),
                       zelle(Kursliste::SpalteKurs));
    if (plattform_.modalZeigen(dialog) != QDialog::Accepted) return;

    Waehrung& w = tabelle_[liste_->WaehrungVonZeile(zeile)];
    const double kurs = kursLesen(dialog.kurstext());
    w.ISO = dialog.iso();
    w.Name = dialog.name();
    // Confirming the rate as shown keeps it and takes back the hand-set mark.
    if (kurs == w.Kurs) {
        w.Manuell = false;
    } else {
        w.Manuell = true;
        w.Kurs = kurs;
    }
    liste_->geaendert(zeile);
}

std::vector<std::size_t> Wechselkurse::markierteZeilen() const {
    std::vector<std::size_t> zeilen;
    for (const QModelIndex& i : CurrList->selectionModel()->selectedRows())
        zeilen.push_back(std::size_t(i.row()) + 1);
    if (zeilen.empty() && aktuelleZeile() > 0) zeilen.push_back(aktuelleZeile());
    std::sort(zeilen.begin(), zeilen.end());
    return zeilen;
}

void Wechselkurse::Loeschen_Click() {
    const std::vector<std::size_t> zeilen = markierteZeilen();
    if (zeilen.empty()) return;
    const QString frage = zeilen.size() == 1 ? tr("Wollen Sie diese Währung löschen?")
                                             : tr("Wollen Sie die markierten Währungen löschen?");
    if (!plattform_.frage(this, frage, QStringLiteral("Zirvanto"))) return;
    liste_->entfernen(zeilen);
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
