#include "data/Textdatei.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace zirvanto {

namespace {

constexpr char Bom[] = "\xEF\xBB\xBF";
constexpr qsizetype BomLaenge = 3;

bool randzeichen(QChar c) {
    const char16_t u = c.unicode();
    return u == u' ' || u == u'\t' || u == u'\r' || u == u'\n';
}

} // namespace

QStringList textzeilen(QByteArrayView bytes) {
    QString text;
    if (bytes.startsWith(QByteArrayView(Bom, BomLaenge))) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        text = utf8.decode(bytes.sliced(BomLaenge));
    } else {
        QStringDecoder ansi("windows-1252", QStringDecoder::Flag::Stateless);
        text = ansi.decode(bytes);
    }

    QStringList zeilen;
    qsizetype anfang = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c != u'\n' && c != u'\r') continue;
        zeilen.append(text.sliced(anfang, i - anfang));
        if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n') ++i;
        anfang = i + 1;
    }
    if (anfang < n) zeilen.append(text.sliced(anfang));
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

std::optional<QStringList> textdateiLesen(const QString& pfad) {
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly)) return std::nullopt;
    return textzeilen(datei.readAll());
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
