#include "mainwindow/Infoform.h"

#include "data/Starttexte.h"
#include "mainwindow/Masse.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace zirvanto {

namespace {

constexpr int Links = 120;
constexpr int Breite = 3255;
constexpr int Zeilenhoehe = 240;

QLabel* zeile(QWidget* eltern, const char* name, int oben, const QString& text) {
    auto* label = new QLabel(eltern);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText); // texts may come from the server
    label->setText(anzeigetext(text));
    label->setAccessibleName(label->text());
    // A line never gets cut: it grows to its text, the window with it.
    QRect rahmen = twipsRect(Links, oben, Breite, Zeilenhoehe);
    rahmen.setWidth(std::max(rahmen.width(), label->sizeHint().width()));
    label->setGeometry(rahmen);
    return label;
}

} // namespace

Infoform::Infoform(const std::array<QString, 6>& texte, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Infoform"));
    setWindowTitle(QStringLiteral("Zirvanto"));
    setFixedSize(px(3435), px(4440));
    QPalette grau = palette();
    grau.setColor(QPalette::Window, bgrFarbe(0xC0C0C0));
    setPalette(grau);
    setAutoFillBackground(true);
    QFont schrift = font();
    schrift.setPixelSize(11);
    setFont(schrift);

    QLabel* titel = zeile(this, "Label1", 120, texte[0]);
    titel->setGeometry(twipsRect(Links, 120, 3240, 375));
    QFont gross = titel->font();
    gross.setPixelSize(18);
    gross.setBold(true);
    titel->setFont(gross);

    const char* namen[] = {"Label2", "Label3", "Label4", "Label5", "Label6"};
    const int oben[] = {480, 720, 1200, 1560, 1800};
    for (int i = 0; i < 5; ++i)
        zeile(this, namen[i], oben[i], texte[std::size_t(i) + 1]);

    auto* linie = new QFrame(this);
    linie->setObjectName(QStringLiteral("Linie"));
    linie->setFrameShape(QFrame::HLine);
    linie->setFrameShadow(QFrame::Sunken);
    linie->setGeometry(twipsRect(240, 2130, 3225 - 240, 60));

    zeile(this, "Label40", 2400, tr("Alle Werte auf 2 Stellen gerundet "));
    zeile(this, "Label7", 2760, tr("Alle Angaben ohne Gewähr."));
    zeile(this, "Label8", 3000, QStringLiteral("Info: http://www.zirvanto.example/info"));
    zeile(this, "Label9", 3360, tr("Programmiert vom Zirvanto-Team"));
    zeile(this, "Label10", 3720, QStringLiteral("Version 3.0-1010-01"));

    auto* ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setObjectName(QStringLiteral("OK"));
    ok->setAccessibleName(tr("Schließen"));
    ok->setGeometry(twipsRect(1080, 3960, 1335, 375));
    ok->setDefault(true); // Enter closes; Esc closes as every dialog does
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    int rechts = 0;
    for (const QLabel* l : findChildren<QLabel*>())
        rechts = std::max(rechts, l->geometry().right() + 1);
    const int mehr = std::max(0, rechts + px(3435 - Links - Breite) - width());
    if (mehr == 0) return;
    setFixedSize(width() + mehr, height());
    linie->resize(linie->width() + mehr, linie->height());
    ok->move(ok->x() + mehr / 2, ok->y());
}

} // namespace zirvanto
