#include "historie/Verlaufsleser.h"

#include "data/Zahlentext.h"
#include "historie/Historienmodul.h"
#include "online/Antwortleser.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace zirvanto {

namespace {

// Translated when used: the translation is installed after static start-up.
const char* const KeineKurse =
    QT_TRANSLATE_NOOP("Verlaufsleser", "Die Datei enthält keine Wechselkurse.");

Verlauf fehlschlag(const QString& text) {
    return {{}, text};
}

// A currency code: three capital letters.
bool waehrungscode(QStringView s) {
    if (s.size() != 3) return false;
    for (QChar c : s)
        if (c < u'A' || c > u'Z') return false;
    return true;
}

// "yyyy-MM-dd"; anything else is no date.
QDate isoDatum(QStringView s) {
    if (s.size() != 10 || s[4] != u'-' || s[7] != u'-') return {};
    int teile[3] = {0, 0, 0};
    const qsizetype anfang[3] = {0, 5, 8};
    const qsizetype laenge[3] = {4, 2, 2};
    for (int k = 0; k < 3; ++k)
        for (QChar c : s.sliced(anfang[k], laenge[k])) {
            if (!c.isDigit() || c.unicode() > 127) return {};
            teile[k] = teile[k] * 10 + (c.unicode() - u'0');
        }
    return QDate(teile[0], teile[1], teile[2]);
}

} // namespace

Verlauf csvAusZip(const QByteArray& zip, qint64 hoechstens) {
    QString fehlt;
    Historienmodul* modul = historienmodul(fehlt);
    if (!modul) return fehlschlag(fehlt);
    const Entpackt entpackt = modul->csvEntpacken(zip, hoechstens);
    if (!entpackt.fehler.isEmpty()) return fehlschlag(entpackt.fehler);
    return csvLesen(entpackt.csv);
}

Verlauf csvLesen(QByteArrayView csv) {
    if (csv.startsWith("\xEF\xBB\xBF")) csv = csv.sliced(3);
    const QString text = QString::fromLatin1(csv);
    Verlauf verlauf;
    std::vector<QString> spalten; // the code of each column; empty: not a currency
    bool kopf = true;
    for (QStringView zeile : QStringView(text).split(u'\n')) {
        if (zeile.endsWith(u'\r')) zeile.chop(1);
        if (zeile.trimmed().isEmpty()) continue;
        const QList<QStringView> zellen = zeile.split(u',');
        if (kopf) {
            if (zellen.front().trimmed().compare(u"Date", Qt::CaseInsensitive) != 0)
                return fehlschlag(QCoreApplication::translate(
                    "Verlaufsleser", "Die Datei ist keine Kursgeschichte der EZB."));
            for (QStringView zelle : zellen) {
                zelle = zelle.trimmed();
                spalten.push_back(waehrungscode(zelle) ? zelle.toString() : QString());
            }
            kopf = false;
            continue;
        }
        Kurstag tag{isoDatum(zellen.front().trimmed()), {}};
        if (!tag.tag.isValid()) continue;
        const std::size_t bis = std::min(spalten.size(), std::size_t(zellen.size()));
        for (std::size_t k = 1; k < bis; ++k) {
            if (spalten[k].isEmpty()) continue;
            const double kurs = zahlLesen(zellen[qsizetype(k)]);
            if (std::isfinite(kurs) && kurs > 0) tag.kurse.emplace_back(spalten[k], kurs);
        }
        verlauf.tage.push_back(std::move(tag));
    }
    if (verlauf.tage.empty())
        verlauf.fehler = QCoreApplication::translate("Verlaufsleser", KeineKurse);
    return verlauf;
}

Verlauf xmlLesen(QStringView xml) {
    Verlauf verlauf;
    for (const Ezbtag& e : ezbTageLesen(xml)) {
        if (!e.tag.isValid()) continue;
        Kurstag tag{e.tag, {}};
        for (const Kurssatz& s : e.saetze)
            if (waehrungscode(s.ISO)) tag.kurse.emplace_back(s.ISO, s.Kurs);
        verlauf.tage.push_back(std::move(tag));
    }
    if (verlauf.tage.empty())
        verlauf.fehler = QCoreApplication::translate("Verlaufsleser", KeineKurse);
    return verlauf;
}

} // namespace zirvanto
