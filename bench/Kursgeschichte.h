// A history of the ECB's rates at full size for the benchmarks: 7,000
// working days back from 13 April 2026 by the 41 currencies the ECB has
// ever quoted, every rate quoted (more rows than the real file, which has
// "N/A" for a currency before and after its time).
#pragma once

#include "Testzip.h"
#include "online/Webretreiver.h"

#include <QByteArray>
#include <QDate>
#include <QRandomGenerator>
#include <QString>

#include <array>

namespace zirvanto::bench {

// The history module the build made lies beside its network module.
inline const bool modulGesetzt =
    (Webretreiver::modulpfad = QStringLiteral(ZIRVANTO_NETZMODUL), true);

inline const std::array<QString, 41> Codes = {
    "USD", "JPY", "BGN", "CYP", "CZK", "DKK", "EEK", "GBP", "HUF", "LTL", "LVL",
    "MTL", "PLN", "ROL", "RON", "SEK", "SIT", "SKK", "CHF", "ISK", "NOK", "HRK",
    "RUB", "TRL", "TRY", "AUD", "BRL", "CAD", "CNY", "HKD", "IDR", "ILS", "INR",
    "KRW", "MXN", "MYR", "NZD", "PHP", "SGD", "THB", "ZAR"};

// The history's CSV: newest day first, a trailing comma on every line.
inline QByteArray historienCsv(int tage = 7'000) {
    QByteArray text = "Date,";
    for (const QString& code : Codes)
        text += code.toLatin1() + ',';
    text += '\n';
    QRandomGenerator zufall(7);
    QDate tag(2026, 4, 13);
    for (int n = 0; n < tage; tag = tag.addDays(-1)) {
        if (tag.dayOfWeek() > 5) continue;
        text += tag.toString(Qt::ISODate).toLatin1() + ',';
        for (std::size_t k = 0; k < Codes.size(); ++k)
            text += QByteArray::number(0.5 + zufall.bounded(2000.0), 'g', 5) + ',';
        text += '\n';
        ++n;
    }
    return text;
}

inline QByteArray historienzip() {
    return test::zipMit("eurofxref-hist.csv", historienCsv());
}

} // namespace zirvanto::bench
