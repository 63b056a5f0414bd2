#pragma once

#include "plattform/Plattform.h"

#include <QDialog>

#include <deque>
#include <functional>
#include <vector>

namespace zirvanto::test {

// A desktop that records every message and answers questions from a script,
// so no test ever blocks on a modal window.
struct SkriptPlattform : Plattform {
    struct Meldung {
        QString text, titel;
    };
    void meldung(QWidget*, const QString& text, const QString& titel = {}) override {
        meldungen.push_back({text, titel});
    }
    // Answers from `antworten` in turn, then "Nein".
    bool frage(QWidget*, const QString& text, const QString& titel = {}) override {
        fragen.push_back({text, titel});
        const bool ja = !antworten.empty() && antworten.front();
        if (!antworten.empty()) antworten.pop_front();
        return ja;
    }
    void piep() override { ++piepse; }
    bool browserOeffnen(const QUrl& adresse) override { return adressen.push_back(adresse), true; }
    // Hands the dialog to the script, which fills it in and returns the
    // result; without a script the dialog counts as cancelled.
    int modalZeigen(QDialog& dialog) override {
        ++dialoge;
        return dialogSkript ? dialogSkript(dialog) : int(QDialog::Rejected);
    }

    std::vector<Meldung> meldungen, fragen;
    std::deque<bool> antworten;
    std::vector<QUrl> adressen;
    std::function<int(QDialog&)> dialogSkript;
    int piepse = 0, dialoge = 0;
};

} // namespace zirvanto::test
