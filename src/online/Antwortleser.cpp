#include "online/Antwortleser.h"

#include "data/Einstellungen.h"
#include "data/Zahlentext.h"

#include <QXmlStreamReader>

#include <cmath>

namespace zirvanto {

namespace {

constexpr qsizetype LaengsterFlaggenname = 64;
// A flag field longer than this gives no flag without being copied: every
// "[" inside a long flag field starts a record whose flag field runs to the
// same "]", and copying each would make a large reply take quadratic time.
constexpr qsizetype LaengstesFlaggenfeld = 256;

bool steuerzeichen(QChar c) {
    return c.unicode() < 32 || c.unicode() == 127;
}

QStringView ohneLeerzeichen(QStringView text) {
    while (text.startsWith(u' '))
        text = text.sliced(1);
    while (text.endsWith(u' '))
        text.chop(1);
    return text;
}

bool gueltigerKurs(double kurs) {
    return std::isfinite(kurs) && kurs > 0;
}

// The bracketed records; `vollstaendig` counts every complete record, also
// those left out for their rate.
std::vector<Kurssatz> klammersaetze(QStringView antwort, int& vollstaendig) {
    std::vector<Kurssatz> saetze;
    vollstaendig = 0;
    qsizetype anfang = antwort.indexOf(u'[');
    // The "]" last found is also the next one after any later third ":"
    // before it, so records nested in a flag field do not search again.
    qsizetype ende = -1;
    while (anfang >= 0) {
        const qsizetype d1 = antwort.indexOf(u':', anfang + 1);
        const qsizetype d2 = d1 < 0 ? -1 : antwort.indexOf(u':', d1 + 1);
        const qsizetype d3 = d2 < 0 ? -1 : antwort.indexOf(u':', d2 + 1);
        if (d3 >= 0 && ende <= d3) ende = antwort.indexOf(u']', d3 + 1);
        if (d3 < 0 || ende < 0) break; // an incomplete record ends the scan
        ++vollstaendig;
        const auto feld = [&](qsizetype von, qsizetype bis) {
            return antwort.sliced(von + 1, bis - von - 1);
        };
        Kurssatz satz;
        satz.ISO = ohneSteuerzeichen(feld(anfang, d1));
        satz.Name = entitaetenErsetzen(ohneSteuerzeichen(feld(d1, d2)));
        satz.Kurs = zahlLesen(feld(d2, d3));
        if (ende - d3 - 1 <= LaengstesFlaggenfeld)
            satz.Flagge = flaggenname(ohneSteuerzeichen(feld(d3, ende)));
        if (gueltigerKurs(satz.Kurs)) saetze.push_back(std::move(satz));
        anfang = antwort.indexOf(u'[', d3 + 1);
    }
    return saetze;
}

// The ECB's daily feed: one day of the ECB's XML, read by ezbTageLesen.
Kursantwort ezbSaetze(QStringView antwort) {
    Kursantwort ergebnis;
    for (Ezbtag& tag : ezbTageLesen(antwort)) {
        ergebnis.stichtag = tag.tag;
        for (Kurssatz& satz : tag.saetze)
            ergebnis.saetze.push_back(std::move(satz));
    }
    ergebnis.ezb = !ergebnis.saetze.empty();
    if (!ergebnis.ezb) ergebnis.stichtag = {};
    return ergebnis;
}

} // namespace

std::optional<QString> anmeldewert(QStringView antwort, QStringView schluessel) {
    const qsizetype stelle = antwort.indexOf(schluessel);
    if (stelle < 0) return std::nullopt;
    const qsizetype gleich = antwort.indexOf(u'=', stelle);
    qsizetype zeilenende = antwort.indexOf(u'\n', stelle);
    if (zeilenende < 0) zeilenende = antwort.size();
    // Without an "=" on the key's own line the value is not taken from a
    // later line.
    if (gleich < 0 || gleich > zeilenende) return std::nullopt;
    return ohneLeerzeichen(antwort.sliced(gleich + 1, zeilenende - gleich - 1)).toString();
}

Anmeldeantwort anmeldeantwortLesen(QStringView antwort) {
    const auto wert = [&](QStringView schluessel) -> std::optional<QString> {
        const auto w = anmeldewert(antwort, schluessel);
        if (!w) return std::nullopt;
        return ohneSteuerzeichen(*w);
    };
    Anmeldeantwort a;
    a.WerbeURL = wert(u"WerbeURL");
    a.LogoURL = wert(u"LogoURL");
    a.CurrencyURL = wert(u"CurrencyURL");
    a.FlagURL = wert(u"FlagURL");
    for (std::size_t k = 1; k < a.Texte.size(); ++k)
        a.Texte[k] = wert(QStringLiteral("Text%1").arg(k, 2, 10, QLatin1Char('0')));
    return a;
}

Kursantwort kursantwortLesen(QStringView antwort) {
    Kursantwort ergebnis;
    int vollstaendig = 0;
    ergebnis.saetze = klammersaetze(antwort, vollstaendig);
    if (vollstaendig > 0) return ergebnis;
    return ezbSaetze(antwort);
}

std::vector<Ezbtag> ezbTageLesen(QStringView antwort) {
    std::vector<Ezbtag> tage;
    QXmlStreamReader xml(antwort.toString());
    while (!xml.atEnd() && !xml.hasError()) {
        if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != u"Cube") continue;
        const QXmlStreamAttributes a = xml.attributes();
        if (a.hasAttribute(QStringLiteral("time")))
            tage.push_back({QDate::fromString(a.value(QStringLiteral("time")), Qt::ISODate), {}});
        if (!a.hasAttribute(QStringLiteral("currency")) || !a.hasAttribute(QStringLiteral("rate")))
            continue;
        Kurssatz satz;
        satz.ISO = ohneSteuerzeichen(a.value(QStringLiteral("currency")));
        satz.Kurs = zahlLesen(a.value(QStringLiteral("rate")));
        satz.Flagge = KeineFlagge;
        satz.ohneNameUndFlagge = true;
        if (!gueltigerKurs(satz.Kurs)) continue;
        // A rate before any day belongs to a day without a date.
        if (tage.empty()) tage.push_back({});
        tage.back().saetze.push_back(std::move(satz));
    }
    return tage;
}

QString entitaetenErsetzen(QString name) {
    for (const Entity& e : Entities)
        name.replace(QLatin1String(e.name), QString::fromUtf8(e.zeichen));
    return name;
}

QString ohneSteuerzeichen(QStringView text) {
    QString ergebnis;
    ergebnis.reserve(text.size());
    for (QChar c : text)
        if (!steuerzeichen(c)) ergebnis += c;
    return ohneLeerzeichen(ergebnis).toString();
}

QString flaggenname(const QString& name) {
    if (name == KeineFlagge) return name;
    static const QString Endungen[] = {QStringLiteral(".bmp"), QStringLiteral(".gif"),
                                       QStringLiteral(".jpg"), QStringLiteral(".jpeg"),
                                       QStringLiteral(".png"), QStringLiteral(".ico")};
    if (name.isEmpty() || name.size() > LaengsterFlaggenname || name.startsWith(u'.') ||
        name.startsWith(u'-'))
        return {};
    for (QChar c : name) {
        const char16_t u = c.unicode();
        const bool erlaubt = (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') ||
                             (u >= u'0' && u <= u'9') || u == u'.' || u == u'_' || u == u'-';
        if (!erlaubt) return {};
    }
    for (const QString& endung : Endungen)
        if (name.endsWith(endung, Qt::CaseInsensitive)) return name;
    return {};
}

} // namespace zirvanto
