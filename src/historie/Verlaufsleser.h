#pragma once

// The ECB's history in its two formats, read by pure functions: the CSV
// inside eurofxref-hist.zip and the XML of eurofxref-hist-90d.xml.

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringView>

#include <utility>
#include <vector>

namespace zirvanto {

// One working day of the history: the currencies quoted that day, in units
// per 1 Euro. A currency without a rate that day ("N/A") is not listed.
struct Kurstag {
    QDate tag;
    std::vector<std::pair<QString, double>> kurse;
};

struct Verlauf {
    std::vector<Kurstag> tage;
    QString fehler; // why nothing could be read; empty when days were read
};

// Largest CSV file taken out of the zip (the whole history is about 2.5 MB).
inline constexpr qint64 GroessteCsv = 64 << 20;

// The first file whose name ends in ".csv" in a zip archive held in
// memory, unpacked; at most `hoechstens` bytes.
Verlauf csvAusZip(const QByteArray& zip, qint64 hoechstens = GroessteCsv);

// The history CSV: a header "Date,USD,JPY,..." that names the columns, then
// one line per working day. Columns may come and go over the years, a
// trailing comma ends each line. A cell that is "N/A", empty or not a
// number above 0 is no rate; a column whose name is no currency code and a
// line whose first cell is no date are left out.
Verlauf csvLesen(QByteArrayView csv);

// The dated days of the ECB's XML format.
Verlauf xmlLesen(QStringView xml);

} // namespace zirvanto
