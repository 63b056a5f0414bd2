#include "mainwindow/Hauptwaehrung.h"

#include "mainwindow/Masse.h"

#include <QListWidget>
#include <QPushButton>

#include <algorithm>

namespace zirvanto {

namespace {
const QString Trenner = QStringLiteral(" - ");
}

Hauptwaehrung::Hauptwaehrung(const Waehrungstabelle& tabelle, const QString& titel, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("Hauptwaehrung"));
    setWindowTitle(titel);
    setFixedSize(px(3810), px(2970));

    Waehrungen = new QListWidget(this);
    Waehrungen->setObjectName(QStringLiteral("Waehrungen"));
    Waehrungen->setAccessibleName(tr("Währungen"));
    Waehrungen->setGeometry(twipsRect(240, 240, 3375, 1815));
    for (std::size_t i = 1; i < tabelle.size(); ++i)
        Waehrungen->addItem(tabelle[i].ISO + Trenner + tabelle[i].Name);
    connect(Waehrungen, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    // The current main currency is chosen (the first line while it is the
    // Euro), so Enter alone keeps it and the arrows move on from it.
    if (Waehrungen->count() > 0) {
        const qsizetype zeile =
            tabelle.HauptwaehrungIndex >= 1 ? tabelle.HauptwaehrungIndex - 1 : 0;
        Waehrungen->setCurrentRow(int(std::min<qsizetype>(zeile, Waehrungen->count() - 1)));
    }

    OK = new QPushButton(tr("&Ok"), this);
    OK->setObjectName(QStringLiteral("OK"));
    OK->setAccessibleName(tr("Hauptwährung übernehmen"));
    OK->setGeometry(twipsRect(720, 2400, 1095, 375));
    OK->setDefault(true);
    connect(OK, &QPushButton::clicked, this, &QDialog::accept);

    Cancel = new QPushButton(tr("&Abbrechen"), this);
    Cancel->setObjectName(QStringLiteral("Cancel"));
    Cancel->setAccessibleName(tr("Abbrechen"));
    Cancel->setGeometry(twipsRect(2040, 2400, 1095, 375));
    connect(Cancel, &QPushButton::clicked, this, &QDialog::reject);
}

std::optional<QString> Hauptwaehrung::gewaehlterCode() const {
    const QListWidgetItem* zeile = Waehrungen->currentItem();
    if (!zeile || !zeile->isSelected()) return std::nullopt;
    const QString text = zeile->text();
    return text.left(text.indexOf(Trenner));
}

} // namespace zirvanto
