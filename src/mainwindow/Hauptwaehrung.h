#pragma once

#include "data/Waehrungstabelle.h"

#include <QDialog>

#include <optional>

class QListWidget;
class QPushButton;

namespace zirvanto {

// The dialog that picks the main currency: every currency of the table but
// the Euro, one line "code - name" each.
class Hauptwaehrung : public QDialog {
    Q_OBJECT

public:
    Hauptwaehrung(const Waehrungstabelle& tabelle, const QString& titel, QWidget* parent = nullptr);

    // The code of the chosen line: its text before " - ". Nothing when no
    // line is selected.
    std::optional<QString> gewaehlterCode() const;

private:
    QListWidget* Waehrungen = nullptr;
    QPushButton* OK = nullptr;
    QPushButton* Cancel = nullptr;
};

} // namespace zirvanto
