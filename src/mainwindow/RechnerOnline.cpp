// The online services of the main window: registration with the server,
// the logo, the rate update and the options dialog.
#include "mainwindow/Rechner.h"

#include "data/Einstellungsdatei.h"
#include "data/Zahlentext.h"
#include "mainwindow/Options.h"
#include "mainwindow/Status.h"
#include "online/Antwortleser.h"
#include "online/Bilddatei.h"
#include "online/Kursabgleich.h"
#include "plattform/Plattform.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTextDocument>

#include <cmath>
#include <memory>

namespace zirvanto {

namespace {

// The program's identifier towards the server, appended to every request
// to the script and to the addresses it hands out.
const QString Programmkennung = QStringLiteral("&rechner=1010");
const QString Fehlermeldung =
    QStringLiteral("Fehler: die Wechselkurse konnten nicht geladen werden!");
constexpr int GroessterPort = 65535;

// The port as typed: its leading number, rounded half to even; a number
// outside 0..65535 gives 0, no proxy.
int portLesen(const QString& text) {
    const double port = std::nearbyint(zahlLesen(text));
    return port >= 0 && port <= GroessterPort ? int(port) : 0;
}

QString herkunft(const Abruf& abruf, const Kursantwort& antwort, const QLocale& locale) {
    QString text = QStringLiteral("Wechselkurse von %1").arg(abruf.adresse.host());
    if (antwort.ezb && antwort.stichtag.isValid())
        text += QStringLiteral(" (Referenzkurse vom %1)")
                    .arg(locale.toString(antwort.stichtag, QLocale::ShortFormat));
    return text;
}

} // namespace

QString Rechner::klartext(const QString& text) {
    if (!Qt::mightBeRichText(text)) return text;
    return QStringLiteral("<p style=\"white-space:pre-wrap\">%1</p>").arg(text.toHtmlEscaped());
}

void Rechner::onlineEinrichten() {
    const auto eintrag = [this](const char* name, const QString& text) {
        QAction* a = Optionen->addAction(text);
        a->setObjectName(QLatin1String(name));
        return a;
    };
    connect(eintrag("Internetupdate", QStringLiteral("&Internet Kurs-Update")), &QAction::triggered,
            this, &Rechner::Internetupdate_Click);
    connect(eintrag("Einstellungen", QStringLiteral("&Einstellungen...")), &QAction::triggered,
            this, &Rechner::Einstellungen_Click);
    connect(Update, &QPushButton::clicked, this, &Rechner::Update_Click);
}

void Rechner::ServerAnmelden() {
    Einstellungen& e = globals_.einstellungen;
    webretreiver_.proxyUndProtokollSetzen(e);
    // A failed install request is not repeated: the next one announces a start.
    const QString aktion =
        e.FreshInstalled ? QStringLiteral("?action=install") : QStringLiteral("?action=startup");
    e.FreshInstalled = false;
    webretreiver_.zugangSetzen(e);
    const Abruf abruf = webretreiver_.textOeffnen(ServerSkript + aktion + Programmkennung);
    if (!abruf || abruf.text.isEmpty()) return;

    const Anmeldeantwort antwort = anmeldeantwortLesen(abruf.text);
    const auto uebernehmen = [](QString& ziel, const std::optional<QString>& wert) {
        if (wert) ziel = *wert;
    };
    uebernehmen(e.WerbeURL, antwort.WerbeURL);
    uebernehmen(e.LogoURL, antwort.LogoURL);
    uebernehmen(e.CurrencyURL, antwort.CurrencyURL);
    uebernehmen(e.FlagURL, antwort.FlagURL);
    for (std::size_t k = 1; k < e.Texte.size(); ++k)
        uebernehmen(e.Texte[k], antwort.Texte[k]);
    IniSpeichern();
    globals_.ServerAngemeldet = true;
}

void Rechner::LogoHerunterladen() {
    webretreiver_.vorbereiten(globals_.einstellungen);
    const Abruf abruf =
        webretreiver_.bytesOeffnen(globals_.einstellungen.LogoURL + Programmkennung);
    // Shown from the next start; an existing logo stays when this fails.
    if (abruf)
        bildSchreiben(QDir(programmordner_).filePath(QStringLiteral("logo.bmp")), abruf.bytes);
}

int16_t Rechner::KurseHerunterladen(bool showMessages) {
    Einstellungen& e = globals_.einstellungen;
    auto status = std::make_unique<Status>(e.Texte[1], this);
    const bool aktiv = isActiveWindow();
    status->show();
    // Closes the notice and gives the activation back, where a desktop
    // handed it to the notice.
    const auto statusSchliessen = [&] {
        status.reset();
        if (aktiv) activateWindow();
    };

    webretreiver_.vorbereiten(e);
    const Abruf abruf = webretreiver_.textOeffnen(e.CurrencyURL + Programmkennung);
    const Kursantwort antwort = abruf ? kursantwortLesen(abruf.text) : Kursantwort{};
    // A reply without a single usable record (an error page from a proxy,
    // say) is a failure like an empty one, and changes nothing.
    if (antwort.saetze.empty()) {
        statusSchliessen();
        if (showMessages) plattform_.meldung(this, Fehlermeldung);
        return abruf ? -1 : -2;
    }

    const QDir ordner(programmordner_);
    for (const QString& flagge : kurseAbgleichen(globals_.Waehrungen, antwort.saetze)) {
        const QString pfad = ordner.filePath(flagge);
        if (QFileInfo::exists(pfad)) continue;
        const Abruf bild = webretreiver_.bytesOeffnen(e.FlagURL + flagge);
        if (bild) bildSchreiben(pfad, bild.bytes);
    }
    statusSchliessen();

    const QDateTime jetzt = QDateTime::currentDateTime();
    e.UpdateDatum = QDateTime(
        jetzt.date(), QTime(jetzt.time().hour(), jetzt.time().minute(), jetzt.time().second()));
    lastUpdate->setText(allgemeinesDatum(e.UpdateDatum, werk_.locale()));
    lastUpdate->setToolTip(klartext(herkunft(abruf, antwort, werk_.locale())));
    IniSpeichern();
    KurseSpeichern();
    WaehrungslistenFuellen();
    FlaggenLaden(); // a flag fetched just now shows at once
    if (showMessages)
        plattform_.meldung(this, QStringLiteral("Die Wechselkurse wurden erfolgreich geladen."));
    return 0;
}

void Rechner::Internetupdate_Click() {
    heuteZeigen();
    const Webretreiver::Runde runde(webretreiver_, Webretreiver::Runde::Manuell);
    if (!globals_.ServerAngemeldet) {
        ServerAnmelden();
        LogoHerunterladen();
    }
    if (KurseHerunterladen(true) != 0) return;
    CE_Click();
    beideWaehrungenAuffrischen();
    TextfarbenSetzen();
}

void Rechner::Einstellungen_Click() {
    Einstellungen& e = globals_.einstellungen;
    Options dialog(e.Texte[1], plattform_, this);
    dialog.Proxy->setText(e.ProxyServer);
    dialog.Port->setText(QString::number(e.ProxyPort));
    dialog.autoUpdate->setChecked(e.AutoUpdateAktiv);
    dialog.datum->setText(QStringLiteral("Das letzte Update erfolgte am %1.")
                              .arg(allgemeinesDatum(e.UpdateDatum, werk_.locale())));
    plattform_.modalZeigen(dialog);
    if (dialog.Tag == QLatin1String("OK")) {
        e.ProxyServer = dialog.Proxy->text();
        e.ProxyPort = portLesen(dialog.Port->text());
        e.AutoUpdateAktiv = dialog.autoUpdate->isChecked();
    }
    IniSpeichern(); // also when cancelled
}

} // namespace zirvanto
