#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>

namespace zirvanto {

// The language of the interface: the first of the user's interface
// languages (QLocale::uiLanguages(): LANGUAGE, then LC_ALL, LC_MESSAGES,
// LANG) that the program speaks, "de", "en" or "it"; German when none is.
QString spracheWaehlen(const QStringList& uiSprachen);

// Installs the program's translation for `sprache` and Qt's own (dialog
// buttons, context menus) into the running QCoreApplication, and removes
// them again when it goes. German is the source language and needs no
// translation of the program's texts; Qt's own English needs none either.
class Uebersetzung {
public:
    explicit Uebersetzung(const QString& sprache);
    ~Uebersetzung();
    Uebersetzung(const Uebersetzung&) = delete;
    Uebersetzung& operator=(const Uebersetzung&) = delete;

    const QString& sprache() const { return sprache_; }

private:
    QString sprache_;
    QTranslator programm_;
    QTranslator qt_;
};

} // namespace zirvanto
