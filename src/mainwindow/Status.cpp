#include "mainwindow/Status.h"

#include "mainwindow/Masse.h"

#include <QLabel>
#include <QProgressBar>

#include <algorithm>

namespace zirvanto {

namespace {
QLabel* zeile(QWidget* eltern, const char* name, QRect rahmen, const QString& text) {
    auto* label = new QLabel(text, eltern);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(rahmen);
    return label;
}
} // namespace

Status::Status(const QString& titel, QWidget* parent) : QWidget(parent, Qt::Dialog) {
    setObjectName(QStringLiteral("Status"));
    setWindowTitle(titel);
    setFixedSize(px(4320), px(945));
    setAttribute(Qt::WA_ShowWithoutActivating); // the focus stays where it was
    Label1 = zeile(this, "Label1", twipsRect(240, 120, 3975, 375),
                   tr("Die Wechselkurse werden geladen..."));
    QFont fett = Label1->font();
    fett.setBold(true);
    Label1->setFont(fett);
    Label2 = zeile(this, "Label2", twipsRect(240, 480, 3855, 255), tr("Bitte um Geduld."));
}

void Status::downloadZeigen(const QString& was, const QLocale& locale) {
    locale_ = locale;
    Label1->setText(was);
    // As wide as the bold line needs.
    const int breite =
        std::max(Label1->width(), QFontMetrics(Label1->font()).horizontalAdvance(was) + px(60));
    Label1->resize(breite, Label1->height());
    Label2->resize(breite, Label2->height());
    Fortschritt = new QProgressBar(this);
    Fortschritt->setObjectName(QStringLiteral("Fortschritt"));
    Fortschritt->setAccessibleName(tr("Fortschritt des Downloads"));
    Fortschritt->setGeometry(QRect(Label1->x(), px(840), breite, px(255)));
    Fortschritt->setRange(0, 0); // busy until the size is known
    Fortschritt->show();
    setFixedSize(breite + 2 * Label1->x(), px(1305));
}

void Status::fortschritt(qint64 empfangen, qint64 gesamt) {
    if (!Fortschritt) return;
    // In KiB, so that any size fits an int.
    if (gesamt > 0) {
        Fortschritt->setRange(0, int(gesamt / 1024));
        Fortschritt->setValue(int(std::min(empfangen, gesamt) / 1024));
        Label2->setText(
            tr("%1 von %2 KB")
                .arg(locale_.toString(empfangen / 1024), locale_.toString(gesamt / 1024)));
    } else {
        Label2->setText(QStringLiteral("%1 KB").arg(locale_.toString(empfangen / 1024)));
    }
}

} // namespace zirvanto
