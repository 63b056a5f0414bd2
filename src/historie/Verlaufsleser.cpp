#include "historie/Verlaufsleser.h"

#include "data/Zahlentext.h"
#include "online/Antwortleser.h"

#include <QCoreApplication>

#include <unzip.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>

namespace zirvanto {

namespace {

// Translated when used: the translation is installed after static start-up.
const char* const KeineKurse =
    QT_TRANSLATE_NOOP("Verlaufsleser", "Die Datei enthält keine Wechselkurse.");

// minizip reads the archive through these functions from memory.
struct Speicher {
    const QByteArray& daten;
    ZPOS64_T stelle = 0;
};

voidpf ZCALLBACK speicherOeffnen(voidpf speicher, const void*, int) {
    return speicher;
}
uLong ZCALLBACK speicherLesen(voidpf, voidpf strom, void* puffer, uLong anzahl) {
    auto* s = static_cast<Speicher*>(strom);
    const auto n = std::min<ZPOS64_T>(anzahl, ZPOS64_T(s->daten.size()) - s->stelle);
    std::memcpy(puffer, s->daten.constData() + s->stelle, n);
    s->stelle += n;
    return uLong(n);
}
uLong ZCALLBACK speicherSchreiben(voidpf, voidpf, const void*, uLong) {
    return 0;
}
ZPOS64_T ZCALLBACK speicherStelle(voidpf, voidpf strom) {
    return static_cast<Speicher*>(strom)->stelle;
}
long ZCALLBACK speicherSuchen(voidpf, voidpf strom, ZPOS64_T abstand, int herkunft) {
    auto* s = static_cast<Speicher*>(strom);
    const auto groesse = ZPOS64_T(s->daten.size());
    const ZPOS64_T basis = herkunft == ZLIB_FILEFUNC_SEEK_CUR   ? s->stelle
                           : herkunft == ZLIB_FILEFUNC_SEEK_END ? groesse
                                                                : 0;
    if (abstand > groesse || basis + abstand > groesse) return -1;
    s->stelle = basis + abstand;
    return 0;
}
int ZCALLBACK speicherSchliessen(voidpf, voidpf) {
    return 0;
}

struct ZipSchliessen {
    void operator()(unzFile zip) const { unzClose(zip); }
};

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
    const QString kaputt =
        QCoreApplication::translate("Verlaufsleser", "Das Zip-Archiv ist beschädigt.");
    Speicher speicher{zip};
    zlib_filefunc64_def zugriff{speicherOeffnen,    speicherLesen,  speicherSchreiben,
                                speicherStelle,     speicherSuchen, speicherSchliessen,
                                speicherSchliessen, &speicher};
    const std::unique_ptr<void, ZipSchliessen> archiv(unzOpen2_64("", &zugriff));
    if (!archiv)
        return fehlschlag(
            QCoreApplication::translate("Verlaufsleser", "Die Datei ist kein Zip-Archiv."));
    for (int r = unzGoToFirstFile(archiv.get()); r != UNZ_END_OF_LIST_OF_FILE;
         r = unzGoToNextFile(archiv.get())) {
        unz_file_info64 info{};
        char name[256] = {};
        if (r != UNZ_OK || unzGetCurrentFileInfo64(archiv.get(), &info, name, sizeof name - 1,
                                                   nullptr, 0, nullptr, 0) != UNZ_OK)
            return fehlschlag(kaputt);
        if (!QByteArray(name).toLower().endsWith(".csv")) continue;
        if (info.uncompressed_size > ZPOS64_T(hoechstens))
            return fehlschlag(QCoreApplication::translate("Verlaufsleser",
                                                          "Die Datei im Zip-Archiv ist zu groß."));
        if (unzOpenCurrentFile(archiv.get()) != UNZ_OK) return fehlschlag(kaputt);
        QByteArray csv(qsizetype(info.uncompressed_size), Qt::Uninitialized);
        const int gelesen = unzReadCurrentFile(archiv.get(), csv.data(), unsigned(csv.size()));
        char rest = 0;
        // The whole file, no byte more, and its checksum right.
        const bool ganz = gelesen == csv.size() && unzReadCurrentFile(archiv.get(), &rest, 1) == 0;
        if (unzCloseCurrentFile(archiv.get()) != UNZ_OK || !ganz) return fehlschlag(kaputt);
        return csvLesen(csv);
    }
    return fehlschlag(
        QCoreApplication::translate("Verlaufsleser", "Das Zip-Archiv enthält keine CSV-Datei."));
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
