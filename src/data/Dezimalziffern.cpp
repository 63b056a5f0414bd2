#include "data/Dezimalziffern.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QLocale>

#include <cmath>

namespace zirvanto {

namespace {

// Splits Qt's exponent form, "d.ddde±xx" or "de±xx".
Ziffern zerlegen(const QByteArray& text) {
    Ziffern z;
    qsizetype i = 0;
    for (; i < text.size() && text[i] != 'e'; ++i)
        if (text[i] != '.') z.ziffern.push_back(text[i]);
    const bool negativ = i + 1 < text.size() && text[i + 1] == '-';
    for (i += 2; i < text.size(); ++i)
        z.exponent = z.exponent * 10 + (text[i] - '0');
    if (negativ) z.exponent = -z.exponent;
    return z;
}

} // namespace

Ziffern gerundeteZiffern(double betrag, int stellen) {
    return zerlegen(QByteArray::number(betrag, 'e', stellen - 1));
}

Ziffern kuerzesteZiffern(double betrag) {
    return zerlegen(QByteArray::number(betrag, 'e', QLocale::FloatingPointShortest));
}

std::optional<double> dezimalLesen(std::string_view text) {
    bool ok = false;
    const double wert = QByteArrayView(text.data(), qsizetype(text.size())).toDouble(&ok);
    if (!ok || !std::isfinite(wert)) return std::nullopt;
    return wert;
}

} // namespace zirvanto
