#include "data/Einstellungsdatei.h"

#include "data/Zahlentext.h"

#include <QCoreApplication>
#include <QDir>
#include <QHash>
#include <QSet>
#include <QUrl>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace zirvanto {

namespace {

constexpr int SeitenZeilen = 14;
constexpr int AnzahlTexte = 20;
constexpr int MaxPort = 65535;
constexpr qint64 FrischeTage = 7;

// Rewrites the fields of a Qt date or time format outside its quoted
// literals: every run of one field letter is handed to `ersetzen`, which
// returns what takes its place.
template <typename Ersetzen>
QString formatUmschreiben(const QString& format, QChar feld, Ersetzen ersetzen) {
    QString ergebnis;
    bool zitat = false;
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format[i];
        if (c == u'\'') zitat = !zitat;
        if (zitat || c != feld) {
            ergebnis += c;
            ++i;
            continue;
        }
        qsizetype ende = i;
        while (ende < format.size() && format[ende] == feld)
            ++ende;
        ergebnis += ersetzen(ende - i);
        i = ende;
    }
    return ergebnis;
}

// The locale's short date with a four-digit year, so that no century is
// lost when the text is read back.
QString datumsformat(const QLocale& locale) {
    return formatUmschreiben(locale.dateFormat(QLocale::ShortFormat), u'y',
                             [](qsizetype) { return QStringLiteral("yyyy"); });
}

// The locale's long time (with seconds) without the time-zone name, which
// the date parser cannot take back reliably.
QString zeitformat(const QLocale& locale) {
    return formatUmschreiben(locale.timeFormat(QLocale::LongFormat), u't',
                             [](qsizetype) { return QString(); })
        .trimmed();
}

// Qt reads a two-digit year as 19yy; a date of the last update lies after
// 2000, so such a year is taken as 20yy.
int jahrhundertKorrektur(const QString& format) {
    bool zweistellig = false;
    formatUmschreiben(format, u'y', [&](qsizetype laenge) {
        zweistellig = zweistellig || laenge == 2;
        return QString();
    });
    return zweistellig ? 100 : 0;
}

// The nearest whole number, halves to even; nothing outside [von, bis].
std::optional<int> ganzzahl(double wert, int von, int bis) {
    const double gerundet = ganzGerundet(wert);
    if (!(gerundet >= von && gerundet <= bis)) return std::nullopt;
    return int(gerundet);
}

// A time the file can hold: its year has four digits. An ISO time with a
// zone offset can leave that range when it is turned into local time.
std::optional<QDateTime> schreibbar(const QDateTime& zeitpunkt) {
    const int jahr = zeitpunkt.date().year();
    if (!zeitpunkt.isValid() || jahr < 1 || jahr > 9999) return std::nullopt;
    return zeitpunkt;
}

// The entries of the codes that "Main" and "Active" lines name, upper-cased:
// one pass over the table for all such lines instead of one a line. Only
// the named codes are kept, so a large table costs no memory here.
class Codeverzeichnis {
public:
    Codeverzeichnis(const Waehrungstabelle& tabelle, const QSet<QString>& gesucht) {
        if (gesucht.isEmpty()) return;
        for (const QString& code : gesucht)
            eintraege_.insert(code, {});
        for (std::size_t k = 0; k < tabelle.size(); ++k) {
            const QString& iso = tabelle[k].ISO;
            // Most codes are upper-case already and need no copy.
            const auto it = eintraege_.find(iso.isUpper() ? iso : iso.toUpper());
            if (it != eintraege_.end()) it->push_back(k);
        }
    }
    const std::vector<std::size_t>& operator[](const QString& codeGross) const {
        static const std::vector<std::size_t> keine;
        const auto it = eintraege_.constFind(codeGross);
        return it == eintraege_.cend() ? keine : *it;
    }

private:
    QHash<QString, std::vector<std::size_t>> eintraege_;
};

// The code a "Main" or "Active" line names, upper-cased; "Active" without
// its row gives none.
std::optional<QString> zeilencode(bool haupt, const QString& wert) {
    const QString text = wert.toUpper();
    if (haupt) return text;
    const qsizetype semikolon = text.indexOf(u';');
    if (semikolon < 0) return std::nullopt;
    return ohneRaender(QStringView(text).first(semikolon)).toString();
}

// With several entries of the code the last one wins.
void hauptwaehrungLesen(Waehrungstabelle& tabelle, const Codeverzeichnis& codes,
                        const QString& wert) {
    const auto& eintraege = codes[*zeilencode(true, wert)];
    if (!eintraege.empty()) tabelle.HauptwaehrungIndex = qsizetype(eintraege.back());
}

// "Code;Row": every entry with that code is shown in that row.
void aktivLesen(Waehrungstabelle& tabelle, const Codeverzeichnis& codes, const QString& wert) {
    const auto code = zeilencode(false, wert);
    if (!code) return;
    const QString text = wert.toUpper();
    const auto platz =
        ganzzahl(zahlLesen(QStringView(text).sliced(text.indexOf(u';') + 1)), 1, SeitenZeilen);
    if (!platz) return;
    for (std::size_t k : codes[*code]) {
        tabelle[k].Aktiv = true;
        tabelle[k].Platz = int16_t(*platz);
    }
}

// "TEXT" and two characters that give the index 1..20.
void textLesen(Einstellungen& einstellungen, const QString& schluessel, const QString& wert) {
    if (schluessel.size() < 2 || wert.isEmpty()) return;
    if (schluessel.chopped(2) != u"TEXT") return;
    const auto index = ganzzahl(zahlLesen(QStringView(schluessel).last(2)), 1, AnzahlTexte);
    if (index) einstellungen.Texte[std::size_t(*index)] = wert;
}

// The start values of the addresses that earlier builds wrote: the script
// under the reserved example host, and the ECB feed with the empty query
// that the program's identifier needed. They read as this build's start
// values; an address that a user or a server set stays as it is.
QString adresseLesen(const QString& wert, const QString& aktion, const QString& startwert,
                     const QString& server) {
    const QString frueher = serverSkript(QStringLiteral("http://www.zirvanto.example"));
    if (wert == frueher + QStringLiteral("?action=") + aktion) return startwert;
    if (server.isEmpty() && aktion == QLatin1String("currency") && wert == EzbKurse + u'?')
        return startwert;
    return wert;
}

// "2026-12-04 www.ecb.europa.eu": the reference date, and the host unless
// the rates are the shipped table's.
std::optional<Kursstand> kursstandLesen(const QString& wert) {
    const qsizetype leer = wert.indexOf(u' ');
    const QDate datum = QDate::fromString(leer < 0 ? wert : wert.first(leer), Qt::ISODate);
    if (!datum.isValid()) return std::nullopt;
    return Kursstand{datum, leer < 0 ? QString() : ohneRaender(wert.sliced(leer)).toString()};
}

} // namespace

Kursstand kursstand(const Einstellungen& e) {
    if (e.Stand) return *e.Stand;
    if (e.UpdateDatum != Einstellungen().UpdateDatum)
        return {e.UpdateDatum.date(), QUrl(e.CurrencyURL).host()};
    return {MitgelieferterStichtag, {}};
}

bool kurseVeraltet(const QDate& stichtag, const QDate& heute) {
    return stichtag.daysTo(heute) > FrischeTage;
}

QString kursstandText(const Kursstand& stand, const QDate& heute, const QLocale& locale) {
    QString text =
        QCoreApplication::translate("Einstellungsdatei", "Kurse vom %1 (Quelle: %2)")
            .arg(allgemeinesDatum(QDateTime(stand.datum, QTime(0, 0)), locale),
                 stand.quelle.isEmpty()
                     ? QCoreApplication::translate("Einstellungsdatei", "mitgelieferte Tabelle")
                     : stand.quelle);
    if (kurseVeraltet(stand.datum, heute))
        text += QCoreApplication::translate("Einstellungsdatei",
                                            "\nDie Kurse sind älter als eine Woche.");
    return text;
}

QString updateText(const QDateTime& zeitpunkt, const QLocale& locale) {
    return locale.toString(zeitpunkt.date(), datumsformat(locale)) + u' ' +
           locale.toString(zeitpunkt.time(), zeitformat(locale));
}

std::optional<QDateTime> updateLesen(const QString& text, const QLocale& locale) {
    const QString datum = datumsformat(locale);
    const auto zeitpunktLesen = [&](const QLocale& l) -> std::optional<QDateTime> {
        const QString formate[] = {
            datumsformat(l) + u' ' + zeitformat(l),
            datumsformat(l) + u' ' + l.timeFormat(QLocale::ShortFormat),
            l.dateTimeFormat(QLocale::ShortFormat),
            l.dateTimeFormat(QLocale::LongFormat),
            l.dateTimeFormat(QLocale::NarrowFormat),
        };
        for (const QString& format : formate) {
            const QDateTime zeitpunkt = l.toDateTime(text, format);
            if (zeitpunkt.isValid())
                return schreibbar(zeitpunkt.addYears(jahrhundertKorrektur(format)));
        }
        return std::nullopt;
    };
    if (const auto zeitpunkt = zeitpunktLesen(locale)) return zeitpunkt;
    const QDateTime iso = QDateTime::fromString(text, Qt::ISODate);
    if (iso.isValid()) return schreibbar(iso.toLocalTime());
    // A file written under another interface language: its forms after the
    // locale's own. British English and Italian put the day first, as German
    // does; the American form tells itself apart by AM and PM.
    const QLocale sprachen[] = {QLocale(QLocale::German, QLocale::Austria),
                                QLocale(QLocale::English, QLocale::UnitedKingdom),
                                QLocale(QLocale::Italian, QLocale::Italy),
                                QLocale(QLocale::English, QLocale::UnitedStates)};
    for (const QLocale& andere : sprachen)
        if (const auto zeitpunkt = zeitpunktLesen(andere)) return zeitpunkt;

    const QString datumsformate[] = {datum, locale.dateFormat(QLocale::ShortFormat),
                                     locale.dateFormat(QLocale::LongFormat)};
    for (const QString& format : datumsformate) {
        const QDate tag = locale.toDate(text, format);
        if (tag.isValid())
            return schreibbar(QDateTime(tag.addYears(jahrhundertKorrektur(format)), QTime(0, 0)));
    }
    return std::nullopt;
}

QString allgemeinesDatum(const QDateTime& zeitpunkt, const QLocale& locale) {
    QString text = locale.toString(zeitpunkt.date(), datumsformat(locale));
    if (zeitpunkt.time() != QTime(0, 0))
        text += u' ' + locale.toString(zeitpunkt.time(), zeitformat(locale));
    return text;
}

std::optional<QString> einstellungenAnwenden(const QStringList& zeilen, Globals& globals,
                                             const QLocale& locale) {
    Einstellungen& e = globals.einstellungen;
    Waehrungstabelle& tabelle = globals.Waehrungen;
    const Einstellungen start(globals.Programmserver);
    const auto adresse = [&](const char* aktion, const QString& startwert, const QString& wert) {
        return adresseLesen(wert, QLatin1String(aktion), startwert, globals.Programmserver);
    };
    std::optional<QString> lastUpdate;
    // "Main" and "Active" lines touch nothing the other lines set: they are
    // applied after them, in their order, through one look-up of their codes.
    std::vector<std::pair<bool, QString>> waehrungszeilen;
    QSet<QString> gesucht;

    for (const QString& zeile : zeilen) {
        const QStringView z = ohneRaender(zeile);
        const qsizetype gleich = z.indexOf(u'=');
        if (gleich < 0) continue;
        const QString schluessel = ohneRaender(z.first(gleich)).toString().toUpper();
        const QString wert = ohneRaender(z.sliced(gleich + 1)).toString();

        if (schluessel == u"MAIN" || schluessel == u"ACTIVE") {
            const bool haupt = schluessel == u"MAIN";
            if (const auto code = zeilencode(haupt, wert)) gesucht.insert(*code);
            waehrungszeilen.emplace_back(haupt, wert);
        } else if (schluessel == u"CURRENCYURL") {
            e.CurrencyURL = adresse("currency", start.CurrencyURL, wert);
        } else if (schluessel == u"WERBEURL") {
            e.WerbeURL = adresse("ad", start.WerbeURL, wert);
        } else if (schluessel == u"LOGOURL") {
            e.LogoURL = adresse("logo", start.LogoURL, wert);
        } else if (schluessel == u"FLAGURL") {
            e.FlagURL = wert;
        } else if (schluessel == u"PROXY") {
            e.ProxyServer = wert;
        } else if (schluessel == u"PORT") {
            e.ProxyPort = ganzzahl(zahlLesen(wert), 0, MaxPort).value_or(0);
        } else if (schluessel == u"AUTOUPDATE") {
            e.AutoUpdateAktiv = zahlLesen(wert) == 1;
        } else if (schluessel == u"UPDATE") {
            if (const auto zeitpunkt = updateLesen(wert, locale)) {
                e.UpdateDatum = *zeitpunkt;
                lastUpdate = allgemeinesDatum(*zeitpunkt, locale);
            }
        } else if (schluessel == u"KURSSTAND") {
            if (const auto stand = kursstandLesen(wert)) e.Stand = stand;
        } else if (schluessel == u"FRESHINSTALLED") {
            e.FreshInstalled = true;
        } else {
            textLesen(e, schluessel, wert);
        }
    }

    const Codeverzeichnis codes(tabelle, gesucht);
    for (const auto& [haupt, wert] : waehrungszeilen) {
        if (haupt)
            hauptwaehrungLesen(tabelle, codes, wert);
        else
            aktivLesen(tabelle, codes, wert);
    }

    if (!tabelle.gueltigerIndex(tabelle.HauptwaehrungIndex)) tabelle.HauptwaehrungIndex = 0;
    return lastUpdate;
}

Einstellungslesung einstellungenLesen(const QString& programmordner, Globals& globals,
                                      const QLocale& locale) {
    const Textlesung lesung = textdateiLesen(QDir(programmordner).filePath(Einstellungsdateiname));
    if (!lesung.gefunden || !lesung.fehler.isEmpty()) return {lesung.gefunden, lesung.fehler, {}};
    globals.einstellungen.FreshInstalled = false;
    globals.einstellungen.Stand.reset(); // absent from the files of earlier builds
    QStringList zeilen;
    for (const QStringView zeile : lesung.zeilen)
        zeilen.append(zeile.toString());
    return {true, {}, einstellungenAnwenden(zeilen, globals, locale)};
}

QStringList einstellungszeilen(const Globals& globals, const QLocale& locale) {
    const Einstellungen& e = globals.einstellungen;
    const Waehrungstabelle& tabelle = globals.Waehrungen;
    const auto zeile = [](QStringView schluessel, QStringView wert) {
        QString text = schluessel.toString();
        text += u" = ";
        text += ohneRaender(wert);
        return text;
    };

    QStringList zeilen;
    zeilen << zeile(u"Main", tabelle.hauptwaehrung().ISO) << zeile(u"WerbeURL", e.WerbeURL)
           << zeile(u"LogoURL", e.LogoURL) << zeile(u"CurrencyURL", e.CurrencyURL)
           << zeile(u"FlagURL", e.FlagURL) << zeile(u"Proxy", e.ProxyServer)
           << zeile(u"Port", QString::number(e.ProxyPort))
           << zeile(u"Update", updateText(e.UpdateDatum, locale));
    if (e.Stand) {
        QString stand = e.Stand->datum.toString(Qt::ISODate);
        if (!e.Stand->quelle.isEmpty()) stand += u' ' + e.Stand->quelle;
        zeilen << zeile(u"Kursstand", stand);
    }
    zeilen << zeile(u"AutoUpdate", e.AutoUpdateAktiv ? u"1" : u"0");
    if (e.FreshInstalled) zeilen << QStringLiteral("FreshInstalled = 1");
    for (int i = 1; i <= AnzahlTexte; ++i)
        zeilen << QStringLiteral("Text%1 = ").arg(i, 2, 10, QLatin1Char('0')) +
                      e.Texte[std::size_t(i)];
    for (const Waehrung& w : tabelle)
        if (w.Aktiv)
            zeilen << QStringLiteral("Active = ") + ohneRaender(w.ISO).toString() + u';' +
                          QString::number(w.Platz);
    return zeilen;
}

Speicherergebnis einstellungenSpeichern(const QString& programmordner, const Globals& globals,
                                        const QLocale& locale) {
    return textdateiSpeichern(QDir(programmordner).filePath(Einstellungsdateiname),
                              einstellungszeilen(globals, locale));
}

} // namespace zirvanto
