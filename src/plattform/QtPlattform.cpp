#include "plattform/Plattform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QMessageBox>

namespace zirvanto {

namespace {
QString titelOderStandard(const QString& titel) {
    return titel.isEmpty() ? QStringLiteral("Zirvanto") : titel;
}
} // namespace

void QtPlattform::meldung(QWidget* eltern, const QString& text, const QString& titel) {
    QMessageBox box(QMessageBox::NoIcon, titelOderStandard(titel), text, QMessageBox::Ok, eltern);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool QtPlattform::frage(QWidget* eltern, const QString& text, const QString& titel) {
    QMessageBox box(QMessageBox::NoIcon, titelOderStandard(titel), text,
                    QMessageBox::Yes | QMessageBox::No, eltern);
    box.setTextFormat(Qt::PlainText);
    box.button(QMessageBox::Yes)->setText(QCoreApplication::translate("QtPlattform", "&Ja"));
    box.button(QMessageBox::No)->setText(QCoreApplication::translate("QtPlattform", "&Nein"));
    return box.exec() == QMessageBox::Yes;
}

void QtPlattform::piep() {
    QApplication::beep();
}

bool QtPlattform::browserOeffnen(const QUrl& adresse) {
    const QString schema = adresse.scheme().toLower();
    if (!adresse.isValid() || (schema != QLatin1String("http") && schema != QLatin1String("https")))
        return false;
    return QDesktopServices::openUrl(adresse);
}

int QtPlattform::modalZeigen(QDialog& dialog) {
    return dialog.exec();
}

} // namespace zirvanto
