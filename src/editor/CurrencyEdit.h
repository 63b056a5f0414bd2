#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;

namespace zirvanto {

class Plattform;

// The value of a rate text: a decimal comma counts as a decimal point, so
// "1,0850" and "1.0850" read alike; the leading number is taken and a text
// without one gives 0. A text with a thousands point stops at its second
// separator ("1.234,5" gives 1.234).
double kursLesen(QString text);

// The dialog that edits one currency: ISO code, name and rate as text.
// "&OK" accepts it, "&Abbruch" and the title bar reject it. It only refuses
// a colon in code or name, which would break the currency's record in the
// rate file; everything else is taken as typed, a pasted line break as a
// blank.
class CurrencyEdit : public QDialog {
    Q_OBJECT

public:
    CurrencyEdit(Plattform& plattform, const QString& titel, QWidget* parent = nullptr);

    void werteSetzen(const QString& iso, const QString& name, const QString& kurs);
    QString iso() const;
    QString name() const;
    QString kurstext() const;

    void OK_Click();
    void Abbruch_Click();

private:
    Plattform& plattform_;
    QLabel* Label4 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* ISOCode = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* Bezeichnung = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* Kurs = nullptr;
    QPushButton* OK = nullptr;
    QPushButton* Abbruch = nullptr;
};

} // namespace zirvanto
