#include "core/Zahlbild.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

namespace zirvanto {

namespace {

constexpr int Stellen = 15;
// The exact decimal value of a double has at most 767 significant digits.
constexpr int ExakteStellen = 767;

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

// The first 1 + nachkomma significant digits of a positive, finite betrag,
// correctly rounded from its exact binary value (an exact half to even);
// returns the power of ten of the first digit.
int wissenschaftlich(double betrag, int nachkomma, char* ziffern) {
    char text[ExakteStellen + 16];
    const auto ergebnis =
        std::to_chars(text, text + sizeof text, betrag, std::chars_format::scientific, nachkomma);
    // "d.ddd…e±xx"
    ziffern[0] = text[0];
    std::memcpy(ziffern + 1, text + 2, std::size_t(nachkomma));
    const char* e = text + 2 + nachkomma;
    int exponent = 0;
    std::from_chars(e + 1 + (e[1] == '+'), ergebnis.ptr, exponent);
    return exponent;
}

Dezimalzahl zerlegen(double wert) {
    Dezimalzahl z;
    z.negativ = std::signbit(wert);
    const double betrag = std::fabs(wert);
    if (betrag == 0) return z;
    z.anzahl = Stellen;
    z.exponent = wissenschaftlich(betrag, Stellen - 1, z.ziffern) + 1;

    // An exact half is rounded to even above; it goes away from zero. Only
    // a sixteenth digit 5 can start one, and only the exact digits tell.
    char sechzehn[Stellen + 1];
    wissenschaftlich(betrag, Stellen, sechzehn);
    if (sechzehn[Stellen] == '5') {
        char exakt[ExakteStellen + 1];
        const int exponent = wissenschaftlich(betrag, ExakteStellen, exakt);
        const bool haelfte =
            exakt[Stellen] == '5' && std::all_of(exakt + Stellen + 1, exakt + ExakteStellen + 1,
                                                 [](char c) { return c == '0'; });
        if (haelfte) {
            std::memcpy(z.ziffern, exakt, Stellen);
            z.exponent = exponent + 1;
            z.aufrunden();
        }
    }
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
    double ergebnis = 0;
    // Beyond the range of a double (a value just below the largest one
    // rounds up past it) the value stays as it is.
    if (std::from_chars(text, p, ergebnis).ec != std::errc()) return wert;
    return ergebnis;
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
