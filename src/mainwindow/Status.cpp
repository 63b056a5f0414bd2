#include "mainwindow/Status.h"

#include "mainwindow/Masse.h"

#include <QLabel>

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
                   QStringLiteral("Die Wechselkurse werden geladen..."));
    QFont fett = Label1->font();
    fett.setBold(true);
    Label1->setFont(fett);
    Label2 =
        zeile(this, "Label2", twipsRect(240, 480, 3855, 255), QStringLiteral("Bitte um Geduld."));
}

} // namespace zirvanto
