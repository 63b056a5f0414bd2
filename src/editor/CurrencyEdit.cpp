#include "editor/CurrencyEdit.h"

#include "data/Zahlentext.h"
#include "editor/Knopf.h"
#include "plattform/Plattform.h"
#include "plattform/Twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace zirvanto {

using editor::knopf;

double kursLesen(QString text) {
    return zahlLesen(text.replace(QLatin1Char(','), QLatin1Char('.')));
}

namespace {

// A pasted line break would split the currency's record in the rate file;
// in a one-line box it becomes a blank.
QString einzeilig(QString text) {
    return text.replace(QLatin1Char('\r'), QLatin1Char(' '))
        .replace(QLatin1Char('\n'), QLatin1Char(' '));
}

QLabel* beschriftung(QWidget* eltern, const char* name, const QString& text, QRect rahmen) {
    auto* l = new QLabel(text, eltern);
    l->setObjectName(QLatin1String(name));
    QFont fett = l->font();
    fett.setBold(true);
    l->setFont(fett);
    // A caption never gets cut: it may grow to its text's size.
    rahmen.setSize(rahmen.size().expandedTo(l->sizeHint()));
    l->setGeometry(rahmen);
    return l;
}

QLineEdit* textfeld(QWidget* eltern, const char* name, const QString& zugangsname, QRect rahmen,
                    QLabel* beschriftung) {
    auto* t = new QLineEdit(eltern);
    t->setObjectName(QLatin1String(name));
    t->setAccessibleName(zugangsname);
    t->setGeometry(rahmen);
    beschriftung->setBuddy(t);
    return t;
}

} // namespace

CurrencyEdit::CurrencyEdit(Plattform& plattform, const QString& titel, QWidget* parent)
    : QDialog(parent), plattform_(plattform) {
    setObjectName(QStringLiteral("CurrencyEdit"));
    setWindowTitle(titel);
    QFont schrift = font();
    schrift.setPointSizeF(8);
    setFont(schrift);
    setFixedSize(px(4680), px(2640));

    Label4 =
        beschriftung(this, "Label4", tr("Wechselkurs bearbeiten"), twipsRect(120, 240, 2535, 240));
    Label2 = beschriftung(this, "Label2", tr("ISO-Code:"), twipsRect(120, 720, 885, 195));
    Label1 = beschriftung(this, "Label1", tr("Bezeichnung:"), twipsRect(120, 1080, 1170, 195));
    Label3 = beschriftung(this, "Label3", tr("Kurs:"), twipsRect(120, 1440, 450, 195));
    // The text boxes move right when a bold caption needs more room than
    // its place; the name box keeps its right edge.
    int rechts = 0;
    for (const QLabel* l : {Label2, Label1, Label3})
        rechts = std::max(rechts, l->geometry().right() + 1 + px(90));
    const int versatz = std::max(0, rechts - px(1320));
    const auto feld = [versatz](int oben, int breite, bool bisRand) {
        return twipsRect(1320, oben, breite, 285)
            .translated(versatz, 0)
            .adjusted(0, 0, bisRand ? -versatz : 0, 0);
    };
    ISOCode = textfeld(this, "ISOCode", tr("ISO-Code"), feld(720, 1095, false), Label2);
    Bezeichnung = textfeld(this, "Bezeichnung", tr("Bezeichnung"), feld(1080, 3135, true), Label1);
    Kurs = textfeld(this, "Kurs", tr("Kurs in Einheiten je Euro"), feld(1440, 1130, false), Label3);

    OK = knopf(this, "OK", QStringLiteral("&OK"), tr("Übernehmen"),
               twipsRect(1080, 2040, 1095, 375));
    OK->setDefault(true);
    connect(OK, &QPushButton::clicked, this, &CurrencyEdit::OK_Click);
    Abbruch =
        knopf(this, "Abbruch", tr("&Abbruch"), tr("Abbrechen"), twipsRect(2280, 2040, 1095, 375));
    connect(Abbruch, &QPushButton::clicked, this, &CurrencyEdit::Abbruch_Click);
    ISOCode->setFocus();
}

void CurrencyEdit::werteSetzen(const QString& iso, const QString& name, const QString& kurs) {
    ISOCode->setText(iso);
    Bezeichnung->setText(name);
    Kurs->setText(kurs);
    // Long texts show their beginning.
    for (QLineEdit* feld : {ISOCode, Bezeichnung, Kurs})
        feld->setCursorPosition(0);
}

QString CurrencyEdit::iso() const {
    return einzeilig(ISOCode->text());
}
QString CurrencyEdit::name() const {
    return einzeilig(Bezeichnung->text());
}
QString CurrencyEdit::kurstext() const {
    return Kurs->text();
}

void CurrencyEdit::OK_Click() {
    // The rate file separates its fields with colons.
    for (QLineEdit* feld : {ISOCode, Bezeichnung}) {
        if (!feld->text().contains(QLatin1Char(':'))) continue;
        plattform_.meldung(this,
                           tr("Der Doppelpunkt ist in ISO-Code und Bezeichnung nicht erlaubt."));
        feld->setFocus();
        return;
    }
    accept();
}

void CurrencyEdit::Abbruch_Click() {
    reject();
}

} // namespace zirvanto
