// The online services of the main window: registration with the server,
// the logo, the rate update and the options dialog.
#include "mainwindow/Rechner.h"

#include "data/Einstellungsdatei.h"
#include "data/Zahlentext.h"
#include "mainwindow/Options.h"
#include "mainwindow/Status.h"
#include "online/Kursupdate.h"
#include "plattform/Plattform.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTextDocument>

#include <algorithm>
#include <cmath>
#include <memory>

namespace zirvanto {

namespace {

const char* const Fehlermeldung = QT_TRANSLATE_NOOP(
    "zirvanto::Rechner", "Fehler: die Wechselkurse konnten nicht geladen werden!");
constexpr int GroessterPort = 65535;

// The port as typed: its leading number, rounded half to even; a number
// outside 0..65535 gives 0, no proxy.
int portLesen(const QString& text) {
    const double port = ganzGerundet(zahlLesen(text));
    return port >= 0 && port <= GroessterPort ? int(port) : 0;
}

// x^2.4 for x in (0, 1], without libm's pow, whose code and tables would
// otherwise be paged in at every start with old rates (about 180 KB): x^2
// times y = x^0.4, the root of y^5 = x^2, which Newton's method approaches
// from above, monotonically, until rounding stops it.
double hoch24(double x) {
    const double quadrat = x * x;
    double y = 1;
    for (;;) {
        const double y4 = y * y * y * y;
        const double naechstes = y - (y4 * y - quadrat) / (5 * y4);
        if (!(naechstes < y)) break;
        y = naechstes;
    }
    return quadrat * y;
}

// WCAG's relative luminance of a colour.
double luminanz(const QColor& farbe) {
    const auto kanal = [](double c) {
        return c <= 0.04045 ? c / 12.92 : hoch24((c + 0.055) / 1.055);
    };
    return 0.2126 * kanal(farbe.redF()) + 0.7152 * kanal(farbe.greenF()) +
           0.0722 * kanal(farbe.blueF());
}

double kontrast(const QColor& a, const QColor& b) {
    const double la = luminanz(a), lb = luminanz(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Orange for stale rates (red marks a hand-set rate): as light as it can
// be on a light background, as dark as it can be on a dark one, while
// keeping a contrast of 4.5:1.
QColor warnfarbe(const QColor& hintergrund) {
    const bool hell = luminanz(hintergrund) > 0.18;
    QColor farbe;
    for (int l = 128; l >= 0 && l <= 255; l += hell ? -4 : 4) {
        farbe = QColor::fromHsl(30, 255, l);
        if (kontrast(farbe, hintergrund) >= 4.5) break;
    }
    return farbe;
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
    connect(eintrag("Internetupdate", tr("&Internet Kurs-Update")), &QAction::triggered, this,
            &Rechner::Internetupdate_Click);
    connect(eintrag("Einstellungen", tr("&Einstellungen...")), &QAction::triggered, this,
            &Rechner::Einstellungen_Click);
    connect(Update, &QPushButton::clicked, this, &Rechner::Update_Click);
}

void Rechner::ServerAnmelden() {
    if (!serverAnmelden(globals_, webretreiver_)) return;
    IniSpeichern();
    globals_.ServerAngemeldet = true;
}

void Rechner::LogoHerunterladen() {
    logoHerunterladen(globals_, programmordner_, webretreiver_);
}

int16_t Rechner::KurseHerunterladen(bool showMessages) {
    Einstellungen& e = globals_.einstellungen;
    auto status = std::make_unique<Status>(e.Texte[1], this);
    const bool aktiv = isActiveWindow();
    status->show();
    const Kursupdateergebnis ergebnis =
        kurseAktualisieren(globals_, programmordner_, webretreiver_, werk_.locale());
    // Closes the notice and gives the activation back, where a desktop
    // handed it to the notice.
    status.reset();
    if (aktiv) activateWindow();
    if (ergebnis.code != 0) {
        if (showMessages) plattform_.meldung(this, tr(Fehlermeldung));
        return ergebnis.code;
    }

    lastUpdate->setText(allgemeinesDatum(e.UpdateDatum, werk_.locale()));
    kursstandZeigen();
    for (const Speicherfehler& f : ergebnis.speicherfehler)
        speicherfehlerMelden(f.datei, f.fehler);
    WaehrungslistenFuellen();
    FlaggenLaden(); // a flag fetched just now shows at once
    updateVermerken(ergebnis);
    if (showMessages) plattform_.meldung(this, tr("Die Wechselkurse wurden erfolgreich geladen."));
    return 0;
}

void Rechner::kursstandZeigen() {
    const QDate heute = globals_.jetzt().date();
    const Kursstand stand = kursstand(globals_.einstellungen);
    const QString text = kursstandText(stand, heute, werk_.locale());
    lastUpdate->setToolTip(klartext(text));
    lastUpdate->setAccessibleDescription(text);
    QPalette farben = lastUpdate->parentWidget()->palette();
    if (kurseVeraltet(stand.datum, heute))
        farben.setColor(QPalette::WindowText, warnfarbe(farben.color(QPalette::Window)));
    lastUpdate->setPalette(farben);
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
    dialog.datum->setText(tr("Das letzte Update erfolgte am %1.")
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
