// Rates on a past date: the ECB's history, fetched when a date is first
// chosen, and the window at that day's rates until "Heute" or a command
// that works on the table brings today's rates back. Nothing of it is
// written to the two files, and nothing of it outlasts the program.
#include "mainwindow/Rechner.h"

#include "data/Einstellungsdatei.h"
#include "historie/Historienabruf.h"
#include "historie/Tageskurs.h"
#include "mainwindow/Masse.h"
#include "mainwindow/Status.h"
#include "mainwindow/Stichtag.h"
#include "online/Kursupdate.h"
#include "plattform/Plattform.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QTimer>

#include <algorithm>

namespace zirvanto {

namespace {
constexpr uint32_t StichtagBlau = 0xC00000; // 0x00BBGGRR: #0000C0
constexpr uint32_t OhneKursGrau = 0x808080;
} // namespace

struct Stichtagsansicht {
    Stichtagsansicht(const QString& datei, Webretreiver& web) : historie(datei) {
        abruf.emplace(web, historie);
    }

    Kurshistorie historie;
    std::optional<Historienabruf> abruf;

    // While a past day is shown: the day chosen, the day whose rates hold,
    // today's rate and mark of each entry, which entries have no rate that
    // day, and the update caption as today's view shows it.
    bool aktiv = false;
    QDate gewaehlt, tag;
    std::vector<std::pair<double, bool>> heute;
    std::vector<bool> ohneKurs;
    QString datumText, updateText, updateTipp, updateBeschreibung;
    QPalette updateFarben;
};

void StichtagsansichtLoeschen::operator()(Stichtagsansicht* s) const {
    delete s;
}

void Rechner::stichtagEinrichten() {
    StichtagAktion = new QAction(tr("Kurse vom &Datum..."), Optionen);
    StichtagAktion->setObjectName(QStringLiteral("Stichtag"));
    StichtagAktion->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    // After "&Internet Kurs-Update".
    const QList<QAction*> eintraege = Optionen->actions();
    QAction* davor = nullptr;
    for (qsizetype i = 0; i + 1 < eintraege.size(); ++i)
        if (eintraege[i]->objectName() == QLatin1String("Internetupdate")) davor = eintraege[i + 1];
    Optionen->insertAction(davor, StichtagAktion);
    connect(StichtagAktion, &QAction::triggered, this, &Rechner::Stichtag_Click);
}

Stichtagsansicht& Rechner::stichtagsansicht() {
    if (!stichtag_)
        stichtag_.reset(new Stichtagsansicht(QDir(programmordner_).filePath(Historiendateiname),
                                             webretreiver_));
    return *stichtag_;
}

void Rechner::updateVermerken(const Kursupdateergebnis& ergebnis) {
    if (!ergebnis.geaendert || ergebnis.ezbSaetze.empty()) return;
    // A history the user never fetched is not begun by an update.
    if (!QFileInfo::exists(QDir(programmordner_).filePath(Historiendateiname))) return;
    // The start opens no database before the window is shown. A failure
    // leaves the gap to the next date chosen, which fills it.
    if (FormLaedt)
        QTimer::singleShot(0, this, [this, ergebnis] { updateVermerken(ergebnis); });
    else
        stichtagsansicht().abruf->updateVermerken(ergebnis);
}

bool Rechner::imStichtag() const {
    return stichtag_ && stichtag_->aktiv;
}

void Rechner::historienadressenSetzen(const QString& zip, const QString& neunzigTage) {
    Stichtagsansicht& s = stichtagsansicht();
    s.abruf.emplace(webretreiver_, s.historie, Historienadressen{zip, neunzigTage});
}

void Rechner::Stichtag_Click() {
    Stichtagsansicht& s = stichtagsansicht();
    std::function<std::optional<QDate>(QDate)> genutzt;
    if (s.historie.oeffnen() == Kurshistorie::Zustand::Bereit)
        genutzt = [&s](QDate tag) { return s.historie.genutzterTag(tag); };
    Stichtag dialog(globals_.einstellungen.Texte[1], s.aktiv ? s.gewaehlt : QDate::currentDate(),
                    werk_.locale(), genutzt, this);
    const int ergebnis = plattform_.modalZeigen(dialog);
    if (ergebnis == Stichtag::Heute) return heuteZeigen();
    if (ergebnis != QDialog::Accepted) return;
    const QDate gewaehlt = dialog.gewaehlterTag();
    if (historieBereitstellen(gewaehlt)) stichtagAnwenden(gewaehlt);
}

bool Rechner::historieBereitstellen(QDate gewaehlt) {
    Stichtagsansicht& s = *stichtag_;
    const std::optional<QDate> letzter = s.historie.letzterTag();
    // Up to the last day fetched, no network is needed.
    if (letzter && gewaehlt <= *letzter) return true;

    Einstellungen& e = globals_.einstellungen;
    auto status = std::make_unique<Status>(e.Texte[1], this);
    status->downloadZeigen(letzter ? tr("Die neuesten Kurse der EZB werden geladen...")
                                   : tr("Die Kursgeschichte der EZB wird geladen..."),
                           werk_.locale());
    const bool aktiv = isActiveWindow();
    status->show();
    const QMetaObject::Connection verbindung =
        connect(&webretreiver_, &Webretreiver::fortschritt, status.get(), &Status::fortschritt);
    webretreiver_.vorbereiten(e);
    Historienstand stand;
    {
        const Webretreiver::Runde runde(webretreiver_, Webretreiver::Runde::Manuell);
        stand = s.abruf->auffuellen(std::min(gewaehlt, QDate::currentDate()));
    }
    disconnect(verbindung);
    status.reset();
    if (aktiv) activateWindow();

    // A failed update of a history that is there goes unmentioned: its last
    // day's rates hold, and the window names that day.
    QStringList meldung;
    if (!stand.ersetzteDatei.isEmpty())
        meldung << tr("Die Kursgeschichte \"%1\" war beschädigt oder gehört einem "
                      "anderen Programm: %2")
                       .arg(QDir::toNativeSeparators(s.historie.datei()), stand.ersetzteDatei);
    if (!stand.ok)
        meldung << tr("Die Kursgeschichte der EZB konnte nicht geladen werden.") << stand.fehler;
    else if (!stand.ersetzteDatei.isEmpty())
        meldung << tr("Sie wurde neu von der EZB geladen.");
    if (!meldung.isEmpty()) plattform_.meldung(this, meldung.join(QStringLiteral("\n\n")));
    return stand.ok;
}

void Rechner::stichtagAnwenden(QDate gewaehlt) {
    Stichtagsansicht& s = *stichtag_;
    const std::optional<QDate> tag = s.historie.genutzterTag(gewaehlt);
    if (!tag) return;
    const QHash<QString, double> kurse = s.historie.kurseAm(*tag);
    Waehrungstabelle& tabelle = globals_.Waehrungen;
    if (!s.aktiv) {
        s.heute.clear();
        for (const Waehrung& w : tabelle)
            s.heute.emplace_back(w.Kurs, w.Manuell);
        s.datumText = datum->text();
        s.updateText = lastUpdate->text();
        s.updateTipp = lastUpdate->toolTip();
        s.updateBeschreibung = lastUpdate->accessibleDescription();
        s.updateFarben = lastUpdate->palette();
        s.aktiv = true;
    }
    s.ohneKurs =
        tageskurseEinsetzen(tabelle, *tag, kurse, [&s](std::size_t i) { return s.heute[i].first; });
    s.gewaehlt = gewaehlt;
    s.tag = *tag;

    const QString tagText = allgemeinesDatum(QDateTime(*tag, QTime(0, 0)), werk_.locale());
    datum->setText(tr("Umrechnung zum Stichtag:"));
    lastUpdate->setText(tr("Kurse vom %1").arg(tagText));
    // Named in the title too, where the rate table is closed.
    setWindowTitle(tr("%1 – Kurse vom %2").arg(globals_.einstellungen.Texte[1], tagText));
    const QString erklaerung = tr("Euro-Referenzkurse der EZB vom %1. Mit „Heute“ "
                                  "unter „Kurse vom Datum...“ (Strg+D) gelten wieder "
                                  "die aktuellen Kurse.")
                                   .arg(tagText);
    lastUpdate->setToolTip(erklaerung);
    lastUpdate->setAccessibleDescription(erklaerung);
    QPalette blau = s.updateFarben;
    blau.setColor(QPalette::WindowText, bgrFarbe(StichtagBlau));
    lastUpdate->setPalette(blau);
    TextfarbenSetzen();
    beideWaehrungenAuffrischen();
}

void Rechner::heuteZeigen() {
    if (!imStichtag()) return;
    Stichtagsansicht& s = *stichtag_;
    Waehrungstabelle& tabelle = globals_.Waehrungen;
    for (std::size_t i = 0; i < std::min(tabelle.size(), s.heute.size()); ++i)
        std::tie(tabelle[i].Kurs, tabelle[i].Manuell) = s.heute[i];
    s.aktiv = false;
    datum->setText(s.datumText);
    lastUpdate->setText(s.updateText);
    lastUpdate->setToolTip(s.updateTipp);
    lastUpdate->setAccessibleDescription(s.updateBeschreibung);
    lastUpdate->setPalette(s.updateFarben);
    setWindowTitle(globals_.einstellungen.Texte[1]);
    TextfarbenSetzen();
    beideWaehrungenAuffrischen();
}

void Rechner::stichtagMarkieren() {
    if (!stichtag_) return;
    const Stichtagsansicht& s = *stichtag_;
    const Waehrungstabelle& tabelle = globals_.Waehrungen;
    const QString tagText = allgemeinesDatum(QDateTime(s.tag, QTime(0, 0)), werk_.locale());
    // The hint of an entry without a rate that day; empty for the others.
    const auto hinweis = [&](std::size_t i) {
        if (!s.aktiv || i >= s.ohneKurs.size() || !s.ohneKurs[i]) return QString();
        return tr("Für %1 gibt es am %2 keinen Referenzkurs der EZB; gerechnet "
                  "wird mit dem aktuellen Kurs.")
            .arg(tabelle[i].ISO, tagText);
    };
    const auto markieren = [](QWidget* feld, QPalette::ColorRole rolle, const QString& text) {
        feld->setToolTip(text);
        feld->setAccessibleDescription(text);
        if (text.isEmpty()) return;
        QPalette p = feld->palette();
        p.setColor(rolle, bgrFarbe(OhneKursGrau));
        feld->setPalette(p);
    };
    // The rate label and the main display have no colours of their own.
    const std::size_t haupt =
        tabelle.gueltigerIndex(tabelle.HauptwaehrungIndex) ? tabelle.HauptwaehrungIndex : 0;
    for (QLabel* feld : {static_cast<QLabel*>(Kurs), static_cast<QLabel*>(DispSchilling)}) {
        feld->setPalette(QPalette());
        markieren(feld, feld == Kurs ? QPalette::WindowText : QPalette::Text, hinweis(haupt));
    }
    // The side rows' colours TextfarbenSetzen has just set; rows not built
    // yet are marked when they are.
    if (!seitenleiste_) return;
    for (std::size_t k = 1; k < zeilen_.size(); ++k)
        markieren(zeilen_[k].SideBox, QPalette::Text, {});
    for (std::size_t i = 0; i < tabelle.size(); ++i)
        if (tabelle[i].Aktiv && tabelle[i].Platz >= 1 && tabelle[i].Platz <= Seitenzeilen)
            markieren(zeilen_[std::size_t(tabelle[i].Platz)].SideBox, QPalette::Text, hinweis(i));
}

} // namespace zirvanto
