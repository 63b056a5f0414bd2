#include "core/Zahlbild.h"

#include "data/Dezimalziffern.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <string_view>

namespace zirvanto {

namespace {

constexpr int Stellen = 15;

// |wert| rounded once to 15 significant digits: the value is
// 0.d1 d2 ... dn × 10^exponent with the digits d (trailing zeros dropped).
// Zero has no digits.
struct Dezimalzahl {
    char ziffern[Stellen] = {};
    int anzahl = 0;
    int exponent = 0;
    bool negativ = false;

    // Digit k (1 is the first significant one); '0' outside the digits.
    char ziffer(int k) const { return k >= 1 && k <= anzahl ? ziffern[k - 1] : '0'; }
    void nullenAbschneiden() {
        while (anzahl > 0 && ziffern[anzahl - 1] == '0')
            --anzahl;
        if (anzahl == 0) exponent = 0;
    }
    // Adds one unit in the last kept digit, carrying into a new leading
    // digit when all were nines.
    void aufrunden() {
        int i = anzahl - 1;
        while (i >= 0 && ziffern[i] == '9')
            ziffern[i--] = '0';
        if (i >= 0) {
            ++ziffern[i];
            return;
        }
        ziffern[0] = '1';
        anzahl = 1;
        ++exponent;
    }
};

Dezimalzahl zerlegen(double wert) {
    Dezimalzahl z;
    z.negativ = std::signbit(wert);
    const double betrag = std::fabs(wert);
    if (betrag == 0) return z;
    const Ziffern gerundet = gerundeteZiffern(betrag, Stellen);
    std::memcpy(z.ziffern, gerundet.ziffern.data(), Stellen);
    z.anzahl = Stellen;
    z.exponent = gerundet.exponent + 1;
    z.nullenAbschneiden();
    return z;
}

} // namespace

QLocale anzeigeLocale() {
    const QLocale system = QLocale::system();
    if (system.language() == QLocale::C) return QLocale(QLocale::German, QLocale::Austria);
    return system;
}

double rundeAuf15Stellen(double wert) {
    if (!std::isfinite(wert) || wert == 0) return wert;
    const Dezimalzahl z = zerlegen(wert);
    // "-d.dddde±xxx"
    char text[Stellen + 16];
    char* p = text;
    if (z.negativ) *p++ = '-';
    *p++ = z.ziffern[0];
    *p++ = '.';
    for (int k = 2; k <= z.anzahl; ++k)
        *p++ = z.ziffer(k);
    *p++ = 'e';
    p = std::to_chars(p, text + sizeof text, z.exponent - 1).ptr;
    // Beyond the range of a double (a value just below the largest one
    // rounds up past it) the value stays as it is.
    return dezimalLesen(std::string_view(text, std::size_t(p - text))).value_or(wert);
}

std::optional<QString> Zahlbild::schreiben(double wert, const QLocale& locale) const {
    if (!std::isfinite(wert)) return std::nullopt;
    Dezimalzahl z = zerlegen(wert);

    // Rounded to maxNachkomma decimals, halves away from zero.
    const int behalten = z.exponent + maxNachkomma;
    if (z.anzahl > behalten) {
        const bool auf = behalten >= 0 && z.ziffern[behalten] >= '5';
        z.anzahl = std::max(behalten, 0);
        if (auf) z.aufrunden();
        z.nullenAbschneiden();
    }

    const int ganz = std::max(z.exponent, 0);
    const int bruch = std::clamp(z.anzahl - z.exponent, minNachkomma, std::max(maxNachkomma, 0));

    QString text;
    text.reserve(ganz + ganz / 3 + bruch + 4);
    if (z.negativ && z.anzahl > 0) text += locale.negativeSign();
    const QString gruppe = locale.groupSeparator();
    if (ganz == 0) text += QLatin1Char('0');
    for (int i = 0; i < ganz; ++i) {
        if (gruppiert && i > 0 && (ganz - i) % 3 == 0) text += gruppe;
        text += QLatin1Char(z.ziffer(i + 1));
    }
    if (bruch > 0 || mitTrennzeichen) text += locale.decimalPoint();
    for (int j = 1; j <= bruch; ++j)
        text += QLatin1Char(z.ziffer(z.exponent + j));
    return text;
}

} // namespace zirvanto
