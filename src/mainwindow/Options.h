#pragma once

#include <QDialog>

#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zirvanto {

class Plattform;

// The options dialog: proxy, port and the automatic update, with the date
// of the last update. The opener fills the controls, shows the dialog and
// takes the values back when `Tag` reads "OK".
class Options : public QDialog {
    Q_OBJECT

public:
    Options(const QString& titel, Plattform& plattform, QWidget* parent = nullptr);

    void Neu_Click(int index);
    void Hilfe_Click();

    QString Tag;
    QLineEdit* Proxy = nullptr;
    QLineEdit* Port = nullptr;
    QCheckBox* autoUpdate = nullptr;
    QLabel* datum = nullptr;

private:
    QString titel_;
    Plattform& plattform_;
    std::array<QPushButton*, 2> Neu{};
    QPushButton* Hilfe = nullptr;
};

// The help dialog of the options: three fixed texts and "Schließen".
class HilfeDialog : public QDialog {
    Q_OBJECT

public:
    explicit HilfeDialog(const QString& titel, QWidget* parent = nullptr);

    void Neu_Click();

    QString Tag;
};

} // namespace zirvanto
