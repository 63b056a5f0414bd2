#include "core/Zahlbild.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace zirvanto {

namespace {

constexpr int Stellen = 15;

// |wert| as decimal digits d1 d2 ... dn (no leading or trailing zeros) with
// the value 0.d1d2...dn × 10^exponent, already rounded to 15 significant
// digits. Zero has no digits.
struct Dezimalzahl {
    std::string ziffern;
    int exponent = 0;
    bool negativ = false;
};

Dezimalzahl zerlegen(double wert) {
    Dezimalzahl z;
    z.negativ = std::signbit(wert);
    char puffer[64];
    auto [ende, fehler] = std::to_chars(puffer, puffer + sizeof puffer, std::fabs(wert),
                                        std::chars_format::scientific);
    (void)fehler; // 64 characters always hold a double
    std::string_view text(puffer, std::size_t(ende - puffer));
    const auto e = text.find('e');
    for (char c : text.substr(0, e))
        if (c != '.') z.ziffern.push_back(c);
    int exp10 = 0;
    std::from_chars(text.data() + e + 1 + (text[e + 1] == '+'), text.data() + text.size(), exp10);
    z.exponent = exp10 + 1;

    if (z.ziffern.size() > Stellen) {
        const bool aufrunden = z.ziffern[Stellen] >= '5';
        z.ziffern.resize(Stellen);
        if (aufrunden) {
            int i = Stellen - 1;
            while (i >= 0 && z.ziffern[std::size_t(i)] == '9')
                z.ziffern[std::size_t(i--)] = '0';
            if (i < 0) {
                z.ziffern.insert(z.ziffern.begin(), '1');
                ++z.exponent;
            } else {
                ++z.ziffern[std::size_t(i)];
            }
        }
    }
    while (!z.ziffern.empty() && z.ziffern.back() == '0')
        z.ziffern.pop_back();
    if (z.ziffern.empty()) z.exponent = 0;
    return z;
}

// Adds one to a string of decimal digits; returns true when it overflowed
// into a new leading digit (which the caller must add).
bool erhoehen(std::string& ziffern) {
    for (auto i = ziffern.size(); i-- > 0;) {
        if (ziffern[i] != '9') {
            ++ziffern[i];
            return false;
        }
        ziffern[i] = '0';
    }
    return true;
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
    std::string text = (z.negativ ? "-0." : "0.") + z.ziffern + "e" + std::to_string(z.exponent);
    double ergebnis = 0;
    std::from_chars(text.data(), text.data() + text.size(), ergebnis);
    return ergebnis;
}

std::optional<QString> Zahlbild::schreiben(double wert, const QLocale& locale) const {
    if (!std::isfinite(wert)) return std::nullopt;
    const Dezimalzahl z = zerlegen(wert);

    // Integer and fraction digits of the exact decimal value.
    std::string ganz, bruch;
    if (z.exponent > 0) {
        const auto n = std::size_t(z.exponent);
        ganz = z.ziffern.substr(0, std::min(n, z.ziffern.size()));
        ganz.append(n > z.ziffern.size() ? n - z.ziffern.size() : 0, '0');
        if (n < z.ziffern.size()) bruch = z.ziffern.substr(n);
    } else {
        bruch = std::string(std::size_t(-z.exponent), '0') + z.ziffern;
    }

    if (bruch.size() > std::size_t(maxNachkomma)) {
        const bool aufrunden = bruch[std::size_t(maxNachkomma)] >= '5';
        bruch.resize(std::size_t(maxNachkomma));
        if (aufrunden && erhoehen(bruch) && erhoehen(ganz)) ganz.insert(ganz.begin(), '1');
    }
    while (bruch.size() > std::size_t(minNachkomma) && bruch.back() == '0')
        bruch.pop_back();
    bruch.append(std::size_t(minNachkomma) - std::min(bruch.size(), std::size_t(minNachkomma)),
                 '0');
    if (ganz.empty()) ganz = "0";

    const bool null = ganz.find_first_not_of('0') == std::string::npos &&
                      bruch.find_first_not_of('0') == std::string::npos;

    QString text;
    text.reserve(int(ganz.size() + bruch.size()) + 8);
    if (z.negativ && !null) text += locale.negativeSign();
    const QString gruppe = locale.groupSeparator();
    for (std::size_t i = 0; i < ganz.size(); ++i) {
        if (gruppiert && i > 0 && (ganz.size() - i) % 3 == 0) text += gruppe;
        text += QLatin1Char(ganz[i]);
    }
    if (!bruch.empty() || mitTrennzeichen) text += locale.decimalPoint();
    text += QLatin1String(bruch.data(), qsizetype(bruch.size()));
    return text;
}

} // namespace zirvanto
