#pragma once

// A server reply comes as bytes and is read as Windows-1252 or, when the
// server says so, as UTF-8; the reply targets read every input both ways.

#include "Fuzzhilfe.h"

#include <QStringDecoder>

#include <array>

namespace zirvanto::fuzz {

inline std::array<QString, 2> antworttexte(const std::uint8_t* daten, std::size_t groesse) {
    const QByteArray eingabe = bytes(daten, groesse);
    QStringDecoder ansi("windows-1252", QStringDecoder::Flag::Stateless);
    QStringDecoder utf8(QStringDecoder::Utf8);
    return {ansi.decode(eingabe), utf8.decode(eingabe)};
}

inline bool ohneSteuerzeichen(const QString& text) {
    for (QChar c : text)
        if (c.unicode() < 32 || c.unicode() == 127) return false;
    return true;
}

// What the reader leaves of a value: no control character, no blank at
// either end.
inline bool sauber(const QString& text) {
    return ohneSteuerzeichen(text) && !text.startsWith(u' ') && !text.endsWith(u' ');
}

} // namespace zirvanto::fuzz
