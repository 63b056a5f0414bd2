#include "app/Terminalbefehle.h"

#include "app/Ordnerwahl.h"
#include "app/Terminal.h"
#include "core/Anzeige.h"
#include "core/Zahlbild.h"
#include "data/Dezimalziffern.h"
#include "data/Einstellungsdatei.h"
#include "data/Globals.h"
#include "data/Kursdatei.h"
#include "historie/Historienabruf.h"
#include "historie/Tageskurs.h"
#include "online/Kursupdate.h"
#include "online/Webretreiver.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>
#include <QStandardPaths>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

namespace zirvanto {

namespace {

void schreiben(std::FILE* ziel, const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), ziel);
}

QString isoDatum(QDate tag) {
    return tag.toString(Qt::ISODate);
}

// An amount in the locale's form (grouping, when used, in threes: "1.250,5"
// under de_DE) or with a point and no grouping ("1250.5"); a text valid in
// both is read in the locale's form. Where the locale groups with a
// no-break space or a typographic apostrophe, the plain character that a
// keyboard has groups too.
std::optional<double> betragLesen(const QString& text, const QLocale& locale) {
    QString rest = text;
    bool negativ = false;
    for (const QString& minus : {locale.negativeSign(), QStringLiteral("-")})
        if (!negativ && rest.startsWith(minus)) {
            rest.remove(0, minus.size());
            negativ = true;
        }

    const QString gruppe = locale.groupSeparator();
    QStringList gruppen{QRegularExpression::escape(gruppe)};
    if (gruppe == QStringLiteral("\u00A0") || gruppe == QStringLiteral("\u202F"))
        gruppen << QStringLiteral(" ");
    if (gruppe == QStringLiteral("\u2019")) gruppen << QStringLiteral("'");
    const bool gruppiert = !(locale.numberOptions() & QLocale::OmitGroupSeparator);
    const QString ganz =
        gruppiert ? QStringLiteral("([0-9]+|[0-9]{1,3}(?:(?:%1)[0-9]{3})+)").arg(gruppen.join(u'|'))
                  : QStringLiteral("([0-9]+)");
    const QRegularExpression lokal(
        QStringLiteral("^%1(?:%2([0-9]+))?$")
            .arg(ganz, QRegularExpression::escape(locale.decimalPoint())));
    static const QRegularExpression punkt(QStringLiteral("^([0-9]+)(?:\\.([0-9]+))?$"));

    QRegularExpressionMatch form = lokal.match(rest);
    if (!form.hasMatch()) form = punkt.match(rest);
    if (!form.hasMatch()) return std::nullopt;

    QByteArray zahl = negativ ? "-" : "";
    for (const QChar c : form.capturedView(1))
        if (c.isDigit()) zahl += char(c.unicode());
    zahl += '.' + form.capturedView(2).toLatin1();
    return dezimalLesen(std::string_view(zahl.constData(), std::size_t(zahl.size())));
}

// The first entry of a code, without regard to case, as the window's lists
// take the first of several entries with one code.
std::optional<std::size_t> eintragSuchen(const Waehrungstabelle& tabelle, const QString& code) {
    if (code.isEmpty()) return std::nullopt;
    for (std::size_t k = 0; k < tabelle.size(); ++k)
        if (tabelle[k].ISO.compare(code, Qt::CaseInsensitive) == 0) return k;
    return std::nullopt;
}

void lesefehler(const QString& ordner, const QString& datei, const QString& fehler) {
    melden(QCoreApplication::translate("Terminal", "Datei %1 konnte nicht gelesen werden: %2")
               .arg(zitiert(QDir::toNativeSeparators(QDir(ordner).filePath(datei))), fehler));
}

// The table and settings from the given folders, read as the window reads
// them. Returns whether there is a settings file.
bool dateienLesen(Globals& globals, const QString& kurse, const QString& einstellungen) {
    const Dateistand stand = kurseLesen(kurse, globals.Waehrungen);
    if (!stand.fehler.isEmpty()) lesefehler(kurse, Kursdateiname, stand.fehler);
    const Einstellungslesung gelesen = einstellungenLesen(einstellungen, globals, anzeigeLocale());
    if (!gelesen.fehler.isEmpty()) lesefehler(einstellungen, Einstellungsdateiname, gelesen.fehler);
    return gelesen.gefunden;
}

struct Daten {
    Globals globals;
    QString ordner; // where the program writes: the settings' folder
    // While a day is chosen: the day whose rates hold, and which entries
    // have no reference rate that day and keep their current rate.
    QDate tag;
    std::vector<bool> ohneKurs;
};

// The table and settings the window starts with, read from the same folder
// without writing anything.
Daten datenLesen() {
    const Leseordner ordner =
        leseordnerBestimmen(QCoreApplication::applicationDirPath(),
                            QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    Daten daten;
    dateienLesen(daten.globals, ordner.kurse, ordner.einstellungen);
    daten.ordner = ordner.einstellungen;
    return daten;
}

// Brings the history up to `gewaehlt` where it does not reach that day, as
// choosing a date in the window does. Returns the exit status.
int historieBereitstellen(Kurshistorie& historie, const Daten& daten, QDate gewaehlt) {
    const std::optional<QDate> letzter = historie.letzterTag();
    // Up to the last day fetched, no network is needed.
    if (letzter && gewaehlt <= *letzter) return Ausgang::Erfolg;

    melden(letzter ? QCoreApplication::translate("Terminal",
                                                 "Die neuesten Kurse der EZB werden geladen...")
                   : QCoreApplication::translate("Terminal",
                                                 "Die Kursgeschichte der EZB wird geladen..."));
    if (!QDir().mkpath(daten.ordner)) {
        melden(QCoreApplication::translate("Terminal", "Ordner %1 konnte nicht angelegt werden")
                   .arg(zitiert(QDir::toNativeSeparators(daten.ordner))));
        return Ausgang::Fehlschlag;
    }
    Webretreiver web;
    web.vorbereiten(daten.globals.einstellungen);
    Historienabruf abruf(web, historie);
    const Webretreiver::Runde runde(web, Webretreiver::Runde::Manuell);
    const Historienstand stand = abruf.auffuellen(std::min(gewaehlt, QDate::currentDate()));
    if (!stand.ersetzteDatei.isEmpty())
        melden(QCoreApplication::translate("Terminal", "Die Kursgeschichte %1 war beschädigt oder "
                                                       "gehört einem anderen Programm: %2")
                   .arg(zitiert(QDir::toNativeSeparators(historie.datei())), stand.ersetzteDatei));
    if (stand.ok) {
        // The history there still holds; its last day's rates apply.
        if (!stand.fehler.isEmpty()) melden(stand.fehler);
        return Ausgang::Erfolg;
    }
    melden(QCoreApplication::translate("Terminal",
                                       "Die Kursgeschichte der EZB konnte nicht geladen werden. %1")
               .arg(stand.fehler));
    return Ausgang::Fehlschlag;
}

// The table at the rates of `gewaehlt`, by the history's rule: the last
// working day on or before it; the Euro 1, a former euro-area currency its
// fixed rate, the others the day's rate or, without one, their current
// rate. Returns the exit status.
int tagAnwenden(Daten& daten, QDate gewaehlt) {
    Kurshistorie historie(QDir(daten.ordner).filePath(Historiendateiname));
    if (const int status = historieBereitstellen(historie, daten, gewaehlt)) return status;
    const std::optional<QDate> tag = historie.genutzterTag(gewaehlt);
    if (!tag) {
        melden(
            QCoreApplication::translate("Terminal", "Die Kursgeschichte der EZB hat keinen Tag: %1")
                .arg(historie.fehler()));
        return Ausgang::Fehlschlag;
    }
    const QHash<QString, double> kurse = historie.kurseAm(*tag);
    Waehrungstabelle& tabelle = daten.globals.Waehrungen;
    daten.tag = *tag;
    daten.ohneKurs =
        tageskurseEinsetzen(tabelle, *tag, kurse, [&](std::size_t i) { return tabelle[i].Kurs; });
    if (*tag != gewaehlt)
        melden(QCoreApplication::translate("Terminal", "Für den %1 gelten die Kurse vom %2.")
                   .arg(isoDatum(gewaehlt), isoDatum(*tag)));
    return Ausgang::Erfolg;
}

QString ohneKursText(const Daten& daten, std::size_t i) {
    return QCoreApplication::translate("Terminal", "Für %1 gibt es am %2 keinen Referenzkurs der "
                                                   "EZB; gerechnet wird mit dem aktuellen Kurs.")
        .arg(zitiert(daten.globals.Waehrungen[i].ISO), isoDatum(daten.tag));
}

// Why a request failed, in words.
QString abruffehlerText(const Kursupdateergebnis& e) {
    if (e.code == -1)
        return QCoreApplication::translate("Terminal", "Die Antwort enthält keinen Kurs.");
    switch (e.abruffehler) {
    case Abruffehler::Adresse:
        return QCoreApplication::translate("Terminal", "Die Adresse ist keine %1- oder %2-Adresse.")
            .arg(QStringLiteral("http"), QStringLiteral("https"));
    case Abruffehler::Verbindung:
        return QCoreApplication::translate("Terminal", "Der Server ist nicht erreichbar.");
    case Abruffehler::Proxy:
        return QCoreApplication::translate("Terminal", "Der Proxy ist nicht erreichbar.");
    case Abruffehler::Frist:
        return QCoreApplication::translate("Terminal",
                                           "Der Server hat nicht rechtzeitig geantwortet.");
    case Abruffehler::Status:
        return QCoreApplication::translate("Terminal",
                                           "Der Server hat mit einem Fehler geantwortet.");
    case Abruffehler::Groesse:
        return QCoreApplication::translate("Terminal", "Die Antwort ist zu groß.");
    case Abruffehler::Umleitung:
        return QCoreApplication::translate("Terminal",
                                           "Die Umleitung des Servers wurde abgelehnt.");
    default: return QString();
    }
}

} // namespace

void melden(const QString& text) {
    schreiben(stderr, QStringLiteral("zirvanto: ") + text + u'\n');
}

int aufruffehler(const QString& text) {
    melden(text);
    schreiben(stderr, QCoreApplication::translate("Terminal", "%1 liefert weitere Informationen.")
                              .arg(zitiert(QStringLiteral("zirvanto --help"))) +
                          u'\n');
    return Ausgang::Aufruffehler;
}

QString zitiert(const QString& text) {
    return QCoreApplication::translate("Terminal", "„%1“").arg(text);
}

int ausgeben(const QString& text) {
    schreiben(stdout, text);
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        melden(QCoreApplication::translate("Terminal", "Ausgabe ließ sich nicht schreiben: %1")
                   .arg(QString::fromLocal8Bit(std::strerror(errno))));
        return Ausgang::Fehlschlag;
    }
    return Ausgang::Erfolg;
}

std::optional<QDate> datumLesen(const QString& text) {
    static const QRegularExpression form(QStringLiteral("^[0-9]{4}-[0-9]{2}-[0-9]{2}$"));
    const QDate tag = QDate::fromString(text, QStringLiteral("yyyy-MM-dd"));
    if (!form.match(text).hasMatch() || !tag.isValid() || tag < QDate(1999, 1, 4) ||
        tag > QDate::currentDate())
        return std::nullopt;
    return tag;
}

int umrechnen(const QStringList& argumente, const QLocale& locale, std::optional<QDate> datum) {
    if (argumente.size() < 2)
        return aufruffehler(
            QCoreApplication::translate("Terminal", "%1 braucht einen Betrag und eine Währung")
                .arg(QStringLiteral("--convert")));
    const std::optional<double> betrag = betragLesen(argumente[0], locale);
    if (!betrag)
        return aufruffehler(QCoreApplication::translate("Terminal", "ungültiger Betrag %1")
                                .arg(zitiert(argumente[0])));

    Daten daten = datenLesen();
    const Waehrungstabelle& tabelle = daten.globals.Waehrungen;
    std::vector<std::size_t> eintraege;
    bool unbekannt = false;
    for (const QString& code : argumente.sliced(1)) {
        const auto k = eintragSuchen(tabelle, code);
        if (!k) {
            melden(QCoreApplication::translate("Terminal", "unbekannte Währung %1")
                       .arg(zitiert(code)));
            unbekannt = true;
        } else if (!(tabelle[*k].Kurs > 0 && std::isfinite(tabelle[*k].Kurs))) {
            melden(QCoreApplication::translate("Terminal", "Währung %1 hat keinen Kurs")
                       .arg(zitiert(tabelle[*k].ISO)));
            unbekannt = true;
        } else {
            eintraege.push_back(*k);
        }
    }
    if (unbekannt) return Ausgang::UnbekannteWaehrung;

    // Without a target: the Euro and the main currency.
    if (eintraege.size() == 1) {
        eintraege.push_back(0);
        const qsizetype haupt = tabelle.HauptwaehrungIndex;
        if (tabelle.gueltigerIndex(haupt) && haupt != 0 &&
            tabelle[std::size_t(haupt)].ISO.compare(tabelle[0].ISO, Qt::CaseInsensitive) != 0)
            eintraege.push_back(std::size_t(haupt));
    }
    if (datum) {
        if (const int status = tagAnwenden(daten, *datum)) return status;
        std::vector<std::size_t> genannt = eintraege;
        std::sort(genannt.begin(), genannt.end());
        genannt.erase(std::unique(genannt.begin(), genannt.end()), genannt.end());
        for (const std::size_t i : genannt)
            if (daten.ohneKurs[i]) melden(ohneKursText(daten, i));
    }

    const double euro = *betrag / tabelle[eintraege[0]].Kurs;
    QString text;
    for (std::size_t i = 1; i < eintraege.size(); ++i) {
        const Waehrung& ziel = tabelle[eintraege[i]];
        const std::optional<QString> wert = seitentext(euro, ziel.Kurs, locale);
        if (!wert) {
            melden(QCoreApplication::translate("Terminal",
                                               "der Betrag in %1 hat mehr Stellen, als die "
                                               "Anzeige fasst")
                       .arg(zitiert(ziel.ISO)));
            return Ausgang::Aufruffehler;
        }
        text += ziel.ISO + u'\t' + *wert + u'\n';
    }
    return ausgeben(text);
}

int auflisten(const QLocale& locale, std::optional<QDate> datum) {
    Daten daten = datenLesen();
    const Waehrungstabelle heute = daten.globals.Waehrungen;
    if (datum)
        if (const int status = tagAnwenden(daten, *datum)) return status;
    QString text;
    for (std::size_t k = 1; k < heute.size(); ++k) {
        if (!gelistet(heute[k])) continue;
        const Waehrung& w = daten.globals.Waehrungen[k];
        const QString vermerk = datum && daten.ohneKurs[k]
                                    ? QCoreApplication::translate("Terminal", "ohne Referenzkurs")
                                : w.Manuell ? QCoreApplication::translate("Terminal", "manuell")
                                            : QString();
        text += w.ISO + u'\t' + w.Name + u'\t' + kurslistentext(w.Kurs, locale) + u'\t' + vermerk +
                u'\n';
    }
    return ausgeben(text);
}

int aktualisieren() {
    const Ordnerwahl ordner =
        ordnerBestimmen(QCoreApplication::applicationDirPath(),
                        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    if (!ordner.fehler.isEmpty()) {
        melden(ordner.fehler);
        return Ausgang::Fehlschlag;
    }
    Globals globals;
    // Without a settings file the window's first start would write one that
    // still owes the install request; the terminal asks no question, so the
    // automatic update stays off, as after the answer "No".
    if (!dateienLesen(globals, ordner.programmordner, ordner.programmordner))
        globals.einstellungen.FreshInstalled = true;
    // The locale the window writes the update time in.
    const QLocale locale = anzeigeLocale();
    const auto speicherfehler = [&](const QString& datei, const QString& fehler) {
        melden(
            QCoreApplication::translate("Terminal", "Datei %1 konnte nicht gespeichert werden: %2")
                .arg(zitiert(QDir::toNativeSeparators(QDir(ordner.programmordner).filePath(datei))),
                     fehler));
    };

    Webretreiver web;
    const Webretreiver::Runde runde(web, Webretreiver::Runde::Manuell);
    if (serverAnmelden(globals, web)) {
        const Speicherergebnis gespeichert =
            einstellungenSpeichern(ordner.programmordner, globals, locale);
        if (!gespeichert) speicherfehler(Einstellungsdateiname, gespeichert.fehler);
    }
    logoHerunterladen(globals, ordner.programmordner, web);
    const Kursupdateergebnis ergebnis =
        kurseAktualisieren(globals, ordner.programmordner, web, locale);
    if (ergebnis.code != 0) {
        melden(QCoreApplication::translate("Terminal",
                                           "Die Wechselkurse konnten nicht geladen werden. %1")
                   .arg(abruffehlerText(ergebnis)));
        return Ausgang::Fehlschlag;
    }
    for (const Speicherfehler& f : ergebnis.speicherfehler)
        speicherfehler(f.datei, f.fehler);
    if (!ergebnis.speicherfehler.empty()) return Ausgang::Fehlschlag;

    // The day joins a history the user has fetched; a failure leaves the gap
    // to the next date chosen, which fills it.
    Kurshistorie historie(QDir(ordner.programmordner).filePath(Historiendateiname));
    Historienabruf(web, historie).updateVermerken(ergebnis);
    melden((ergebnis.geaendert ? QCoreApplication::translate(
                                     "Terminal", "Die Wechselkurse wurden erfolgreich geladen. %1")
                               : QCoreApplication::translate(
                                     "Terminal", "Die Wechselkurse sind schon aktuell. %1"))
               .arg(kursstandText(kursstand(globals.einstellungen), globals.jetzt().date(), locale)
                        .replace(u'\n', u' ')));
    return Ausgang::Erfolg;
}

} // namespace zirvanto
