#include "data/Textdatei.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <array>

namespace zirvanto {

namespace {

constexpr char Bom[] = "\xEF\xBB\xBF";
constexpr qsizetype BomLaenge = 3;

// Windows-1252 is one character per byte: the whole file is decoded
// through a table of the 256 characters. It is Latin-1 but for 0x80..0x9F;
// there the five bytes Windows leaves free stand for the control characters
// of their codes, as Qt's decoder reads them. Written out, the table spares
// the start-up the loading of Qt's converter (ICU, about 1 MB).
QString windows1252(QByteArrayView bytes) {
    static constexpr std::array<char16_t, 32> Obere = {
        u'\u20AC', u'\u0081', u'\u201A', u'\u0192', u'\u201E', u'\u2026', u'\u2020', u'\u2021',
        u'\u02C6', u'\u2030', u'\u0160', u'\u2039', u'\u0152', u'\u008D', u'\u017D', u'\u008F',
        u'\u0090', u'\u2018', u'\u2019', u'\u201C', u'\u201D', u'\u2022', u'\u2013', u'\u2014',
        u'\u02DC', u'\u2122', u'\u0161', u'\u203A', u'\u0153', u'\u009D', u'\u017E', u'\u0178'};
    static constexpr std::array<char16_t, 256> zeichen = [] {
        std::array<char16_t, 256> t{};
        for (std::size_t b = 0; b < t.size(); ++b)
            t[b] = b >= 0x80 && b < 0xA0 ? Obere[b - 0x80] : char16_t(b);
        return t;
    }();
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t* ziel = reinterpret_cast<char16_t*>(text.data());
    for (const char byte : bytes)
        *ziel++ = zeichen[uchar(byte)];
    return text;
}

bool randzeichen(QChar c) {
    const char16_t u = c.unicode();
    return u == u' ' || u == u'\t' || u == u'\r' || u == u'\n';
}

} // namespace

QString textDekodieren(QByteArrayView bytes) {
    if (!bytes.startsWith(QByteArrayView(Bom, BomLaenge))) return windows1252(bytes);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    return utf8.decode(bytes.sliced(BomLaenge));
}

std::vector<QStringView> zeilenTeilen(QStringView text) {
    std::vector<QStringView> zeilen;
    qsizetype anfang = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c != u'\n' && c != u'\r') continue;
        zeilen.push_back(text.sliced(anfang, i - anfang));
        if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n') ++i;
        anfang = i + 1;
    }
    if (anfang < n) zeilen.push_back(text.sliced(anfang));
    return zeilen;
}

QStringList textzeilen(QByteArrayView bytes) {
    const QString text = textDekodieren(bytes);
    QStringList zeilen;
    for (const QStringView zeile : zeilenTeilen(text))
        zeilen.append(zeile.toString());
    return zeilen;
}

QByteArray textdateiBytes(const QStringList& zeilen) {
    QString text;
    for (const QString& zeile : zeilen) {
        text += zeile;
        text += QStringLiteral("\r\n");
    }
    QStringEncoder ansi("windows-1252", QStringEncoder::Flag::Stateless);
    QByteArray bytes = ansi.encode(text);
    // Text that starts with the characters "ï»¿" has the bytes of a byte-order
    // mark in Windows-1252 and would be read back as UTF-8.
    if (!ansi.hasError() && !bytes.startsWith(QByteArrayView(Bom, BomLaenge))) return bytes;

    bytes = QByteArray(Bom, BomLaenge);
    bytes += text.toUtf8();
    return bytes;
}

Textlesung textdateiLesen(const QString& pfad) {
    Textlesung lesung;
    const QFileInfo info(pfad);
    lesung.gefunden = info.exists() || info.isSymLink();
    if (!lesung.gefunden) return lesung;
    if (info.isDir()) {
        lesung.fehler =
            QCoreApplication::translate("Textdatei", "Unter diesem Namen liegt ein Ordner.");
        return lesung;
    }
    if (!info.isFile()) {
        lesung.fehler = info.exists()
                            ? QCoreApplication::translate(
                                  "Textdatei", "Unter diesem Namen liegt keine gewöhnliche Datei.")
                            : QCoreApplication::translate("Textdatei",
                                                          "Die Verknüpfung zeigt auf keine Datei.");
        return lesung;
    }
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly)) {
        lesung.fehler = datei.errorString();
        return lesung;
    }
    const QByteArray bytes = datei.readAll();
    if (datei.error() != QFileDevice::NoError) {
        lesung.fehler = datei.errorString();
        return lesung;
    }
    lesung.text = textDekodieren(bytes);
    lesung.zeilen = zeilenTeilen(lesung.text);
    return lesung;
}

void liegengebliebeneKopienEntfernen(const QString& ordner, const QStringList& dateinamen) {
    const auto kopie = [&](const QString& name) {
        const qsizetype punkt = name.size() - 7;
        if (punkt < 1 || name[punkt] != u'.' || !dateinamen.contains(name.left(punkt)))
            return false;
        return std::all_of(name.cbegin() + punkt + 1, name.cend(),
                           [](QChar c) { return c.unicode() < 0x80 && c.isLetterOrNumber(); });
    };
    // Names first: only a name that matches costs a look at the file.
    QDirIterator eintraege(ordner, QDir::AllEntries | QDir::Hidden | QDir::System);
    while (eintraege.hasNext()) {
        const QString pfad = eintraege.next();
        if (kopie(eintraege.fileName()) && eintraege.fileInfo().isFile() &&
            !eintraege.fileInfo().isSymLink())
            QFile::remove(pfad);
    }
}

Speicherergebnis textdateiSpeichern(const QString& pfad, const QStringList& zeilen) {
    QSaveFile datei(pfad);
    const QByteArray bytes = textdateiBytes(zeilen);
    if (!datei.open(QIODevice::WriteOnly) || datei.write(bytes) != bytes.size()) {
        Speicherergebnis ergebnis{false, datei.errorString()};
        datei.cancelWriting();
        return ergebnis;
    }
    if (!datei.commit()) return {false, datei.errorString()};
    return {true, {}};
}

QStringView ohneRaender(QStringView text) {
    qsizetype anfang = 0;
    qsizetype ende = text.size();
    while (anfang < ende && randzeichen(text[anfang]))
        ++anfang;
    while (ende > anfang && randzeichen(text[ende - 1]))
        --ende;
    return text.sliced(anfang, ende - anfang);
}

} // namespace zirvanto
