// The menu bar and its commands: clipboard, main currency, info window.
#include "mainwindow/Rechner.h"

#include "data/Zahlentext.h"
#include "mainwindow/Hauptwaehrung.h"
#include "mainwindow/Infoform.h"
#include "online/Kursupdate.h"
#include "plattform/Plattform.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QUrl>

namespace zirvanto {

namespace {
QAction* eintrag(QMenu* menue, const char* name, const QString& text,
                 const QKeySequence& kurz = {}) {
    QAction* a = menue->addAction(text);
    a->setObjectName(QLatin1String(name));
    a->setShortcut(kurz);
    return a;
}
} // namespace

void Rechner::menuesAufbauen() {
    QMenu* bearbeiten = menuBar()->addMenu(tr("&Bearbeiten"));
    bearbeiten->setObjectName(QStringLiteral("Bearbeiten"));
    connect(eintrag(bearbeiten, "Kopieren", tr("&Kopieren"), QKeySequence(Qt::CTRL | Qt::Key_C)),
            &QAction::triggered, this, &Rechner::Kopieren_Click);
    connect(eintrag(bearbeiten, "Einfuegen", tr("&Einfügen"), QKeySequence(Qt::CTRL | Qt::Key_V)),
            &QAction::triggered, this, &Rechner::Einfuegen_Click);

    Optionen = menuBar()->addMenu(tr("&Optionen"));
    Optionen->setObjectName(QStringLiteral("Optionen"));
    Kurstabelle = eintrag(Optionen, "Kurstabelle", tr("&Kurstabelle zeigen"));
    Kurstabelle->setCheckable(true);
    connect(Kurstabelle, &QAction::triggered, this, [this] {
        // The action has already toggled its mark; the handler toggles it itself.
        Kurstabelle->setChecked(!Kurstabelle->isChecked());
        Kurstabelle_Click();
    });
    connect(eintrag(Optionen, "Wechselkurs", tr("&Wechselkurse bearbeiten...")),
            &QAction::triggered, this, &Rechner::Wechselkurs_Click);
    connect(eintrag(Optionen, "waehrungsetzen", tr("&Hauptwährung setzen")), &QAction::triggered,
            this, &Rechner::waehrungsetzen_Click);

    QMenu* hilfe = menuBar()->addMenu(QStringLiteral("&?"));
    hilfe->setObjectName(tr("Hilfe"));
    connect(eintrag(hilfe, "Info", tr("&Info"), QKeySequence(Qt::Key_F1)), &QAction::triggered,
            this, &Rechner::Info_Click);
}

void Rechner::Kopieren_Click() {
    QClipboard* ablage = QGuiApplication::clipboard();
    ablage->clear();
    ablage->setText(werk_.Eingabewaehrung == HauptwaehrungEingabe ? DispSchilling->text()
                                                                  : DispEuro->text());
}

void Rechner::Einfuegen_Click() {
    werk_.einfuegen(zahlLesen(QGuiApplication::clipboard()->text()));
    anzeigeUebernehmen();
}

void Rechner::waehrungsetzen_Click() {
    heuteZeigen();
    Waehrungstabelle& tabelle = globals_.Waehrungen;
    Hauptwaehrung dialog(tabelle, globals_.einstellungen.Texte[1], this);
    if (plattform_.modalZeigen(dialog) != QDialog::Accepted) return;
    if (const auto code = dialog.gewaehlterCode()) {
        // With two entries of one code, the later one wins.
        for (std::size_t i = 0; i < tabelle.size(); ++i)
            if (tabelle[i].ISO == *code) tabelle.HauptwaehrungIndex = qsizetype(i);
    }
    beideWaehrungenAuffrischen();
    C_Click();
    IniSpeichern();
}

void Rechner::Info_Click() {
    const auto& t = globals_.einstellungen.Texte;
    Infoform info({t[2], t[3], t[4], t[5], t[6], t[7]}, this);
    plattform_.modalZeigen(info);
}

void Rechner::WerbeLogo_Click() {
    const QString& adresse = globals_.einstellungen.WerbeURL;
    // Without a program server there is no advertisement page.
    if (!adresse.isEmpty())
        plattform_.browserOeffnen(QUrl(mitKennung(adresse, globals_.Programmserver)));
}

} // namespace zirvanto
