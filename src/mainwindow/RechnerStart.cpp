// Start-up of the main window and the writing of the two files.
#include "mainwindow/Rechner.h"

#include "data/Einstellungsdatei.h"
#include "data/Kursdatei.h"
#include "data/Starttexte.h"
#include "plattform/Plattform.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

namespace zirvanto {

void Rechner::Form_Load() {
    globals_.Waehrungen = Waehrungstabelle();
    globals_.einstellungen = Einstellungen(globals_.Programmserver);
    globals_.ListenFuellung = false;

    FormLaedt = true;
    werk_.Akkumulator = 0;
    werk_.Operand = 0;
    werk_.Operation = 0;
    werk_.Zustand = ErgebnisAnzeige;
    werk_.Fehlercode = 0;
    werk_.Speicher = 0;
    werk_.Nachkommastelle = 0;
    werk_.Eingabewaehrung = HauptwaehrungEingabe;

    // Temporary copies that a save cut short (power loss, kill) left behind.
    liegengebliebeneKopienEntfernen(programmordner_, {Kursdateiname, Einstellungsdateiname});

    const Dateistand kurse = kurseLesen(programmordner_, globals_.Waehrungen);
    if (!kurse.fehler.isEmpty()) lesefehlerMelden(Kursdateiname, kurse.fehler);

    // Starts with the mark set, so the one toggle hides the rate table.
    Kurstabelle->setChecked(true);
    Kurstabelle_Click();

    Einstellungen& e = globals_.einstellungen;
    const Einstellungslesung gelesen =
        einstellungenLesen(programmordner_, globals_, werk_.locale());
    // Only a missing file means a first start. One that cannot be read is
    // reported and left alone until the user changes a setting.
    if (!gelesen.fehler.isEmpty()) {
        lesefehlerMelden(Einstellungsdateiname, gelesen.fehler);
    } else if (!gelesen.gefunden) {
        const bool automatisch = plattform_.frage(
            this,
            tr("Wollen Sie die Wechselkurse bei jedem Programmstart automatisch aktualisieren?"),
            e.Texte[1]);
        e.FreshInstalled = true;
        e.AutoUpdateAktiv = automatisch;
        IniSpeichern();
    } else if (gelesen.lastUpdate) {
        lastUpdate->setText(*gelesen.lastUpdate);
    }
    globals_.ServerAngemeldet = false;
    kursstandZeigen();

    // An unreachable server delays the start by one deadline at most.
    const Webretreiver::Runde startrunde(webretreiver_, Webretreiver::Runde::Start);
    if (e.AutoUpdateAktiv) ServerAnmelden();
    TextfarbenSetzen();
    FlaggenLaden();
    setWindowTitle(e.Texte[1]);
    WerbeLogo->setToolTip(klartext(anzeigetext(e.Texte[8])));
    // Recoloured after an update, which may have replaced hand-set rates.
    if (e.AutoUpdateAktiv && KurseHerunterladen(false) == 0) TextfarbenSetzen();
    WaehrungslistenFuellen();
    if (e.AutoUpdateAktiv) LogoHerunterladen();
    if (!bildLaden(WerbeLogo, QStringLiteral("logo.bmp")))
        WerbeLogo->setPixmap(eingebautesBild(
            tr(":/bilder/werbelogo.bmp", "the built-in logo, whose slogan each language has")));

    werk_.AnzeigeAktualisieren(0, false, true, true);
    werk_.Memory_Change();
    beideWaehrungenAuffrischen();
    FormLaedt = false;
    Equals->setFocus();
}

std::optional<QString> Rechner::programmdatei(const QString& n) const {
    // Taken as stored: "at.bmp " with a blank names another file than at.bmp.
    if (n.isEmpty() || n == QLatin1String(".") || n == QLatin1String("..") ||
        n.contains(QLatin1Char('/')) || n.contains(QLatin1Char('\\')) ||
        n.contains(QLatin1Char(':')))
        return std::nullopt;
    for (const QString& ordner : bildordner_) {
        const QString pfad = QDir(ordner).filePath(n);
        if (QFileInfo(pfad).isFile()) return pfad;
    }
    return std::nullopt;
}

bool Rechner::bildLaden(QLabel* ziel, const QString& name) const {
    const auto datei = programmdatei(name);
    if (!datei) return false;
    const QPixmap bild(*datei);
    if (bild.isNull()) return false;
    ziel->setPixmap(bild);
    return true;
}

void Rechner::dateifehlerMelden(const QString& satz, const QString& datei, const QString& fehler) {
    QString text = satz.arg(QDir::toNativeSeparators(QDir(programmordner_).filePath(datei)));
    if (!fehler.isEmpty()) text += QStringLiteral("\n\n") + fehler;
    plattform_.meldung(this, text);
}

void Rechner::speicherfehlerMelden(const QString& datei, const QString& fehler) {
    dateifehlerMelden(tr("Die Datei \"%1\" konnte nicht gespeichert werden."), datei, fehler);
}

void Rechner::lesefehlerMelden(const QString& datei, const QString& fehler) {
    dateifehlerMelden(tr("Die Datei \"%1\" konnte nicht gelesen werden."), datei, fehler);
}

bool Rechner::KurseSpeichern() {
    const Speicherergebnis ergebnis = kurseSpeichern(programmordner_, globals_.Waehrungen);
    if (!ergebnis) speicherfehlerMelden(Kursdateiname, ergebnis.fehler);
    return ergebnis.ok;
}

bool Rechner::IniSpeichern() {
    const Speicherergebnis ergebnis =
        einstellungenSpeichern(programmordner_, globals_, werk_.locale());
    if (!ergebnis) speicherfehlerMelden(Einstellungsdateiname, ergebnis.fehler);
    return ergebnis.ok;
}

} // namespace zirvanto
