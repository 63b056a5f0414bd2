#pragma once

#include <QString>
#include <QUrl>

class QDialog;
class QWidget;

namespace zirvanto {

// The few things the program asks of the desktop. Tests use a scripted
// implementation, so no test ever waits on a modal window.
class Plattform {
public:
    virtual ~Plattform() = default;

    // A message box with an OK button; an empty title means "Zirvanto".
    virtual void meldung(QWidget* eltern, const QString& text, const QString& titel = {}) = 0;
    // A question with the buttons "Ja" and "Nein" and no icon; true for "Ja".
    virtual bool frage(QWidget* eltern, const QString& text, const QString& titel = {}) = 0;
    virtual void piep() = 0;
    // Hands an http or https address to the web browser; others are refused.
    virtual bool browserOeffnen(const QUrl& adresse) = 0;
    // Shows a dialog modally and returns its result code.
    virtual int modalZeigen(QDialog& dialog) = 0;
};

// The real desktop, through Qt.
class QtPlattform : public Plattform {
public:
    void meldung(QWidget* eltern, const QString& text, const QString& titel = {}) override;
    bool frage(QWidget* eltern, const QString& text, const QString& titel = {}) override;
    void piep() override;
    bool browserOeffnen(const QUrl& adresse) override;
    int modalZeigen(QDialog& dialog) override;
};

} // namespace zirvanto
