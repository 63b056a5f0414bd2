#pragma once

#include "plattform/Plattform.h"

#include <QDialog>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <deque>
#include <functional>
#include <vector>

namespace zirvanto::test {

// A desktop that records every message and answers questions from a script,
// so no test ever blocks on a modal window.
class SkriptPlattform : public Plattform {
public:
    struct Meldung {
        QString text;
        QString titel;
    };

    void meldung(QWidget*, const QString& text, const QString& titel = {}) override {
        meldungen.push_back({text, titel});
    }
    bool frage(QWidget*, const QString& text, const QString& titel = {}) override {
        fragen.push_back({text, titel});
        if (antworten.empty()) return false;
        const bool ja = antworten.front();
        antworten.pop_front();
        return ja;
    }
    void piep() override { ++piepse; }
    bool browserOeffnen(const QUrl& adresse) override {
        adressen.push_back(adresse);
        return true;
    }
    // Hands the dialog to the script, which fills it in and returns the
    // result; without a script the dialog counts as cancelled.
    int modalZeigen(QDialog& dialog) override {
        ++dialoge;
        if (!dialogSkript) return QDialog::Rejected;
        return dialogSkript(dialog);
    }

    std::vector<Meldung> meldungen;
    std::vector<Meldung> fragen;
    std::deque<bool> antworten;
    std::vector<QUrl> adressen;
    std::function<int(QDialog&)> dialogSkript;
    int piepse = 0;
    int dialoge = 0;
};

} // namespace zirvanto::test
