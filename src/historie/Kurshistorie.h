#pragma once

#include "historie/Verlaufsleser.h"

#include <QDate>
#include <QHash>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

namespace zirvanto {

class Historienspeicher;

// The history's file, beside the rate file.
inline const QString Historiendateiname = QStringLiteral("kurshistorie.sqlite");

// The ECB's reference rates of every working day, kept in an SQLite file:
// one table of (day, code, rate), its primary key (day, code). A currency
// without a rate on a day has no row for it. Nothing is opened before the
// first call that needs the file, and the history module (Historienmodul.h)
// is loaded only then.
class Kurshistorie {
public:
    enum class Zustand {
        Fehlt,  // no file yet
        Bereit, // opened, a history of this program
        Defekt, // unreadable, damaged, or another program's file: fehler() says why
    };

    explicit Kurshistorie(QString datei);
    ~Kurshistorie();
    Kurshistorie(const Kurshistorie&) = delete;
    Kurshistorie& operator=(const Kurshistorie&) = delete;

    // Opens the file when that has not been done yet.
    Zustand oeffnen();
    const QString& datei() const { return datei_; }
    const QString& fehler() const;

    // Replaces the whole history by `tage`: a new file is built beside the
    // old one in one transaction and then takes its place. When anything
    // fails, the old file stays as it was. A damaged file is replaced too.
    bool ersetzen(const std::vector<Kurstag>& tage);
    // Adds the days to an open history in one transaction; a day already
    // there takes the new rates. On failure nothing changes.
    bool ergaenzen(const std::vector<Kurstag>& tage);

    std::optional<QDate> letzterTag();
    // The working day whose rates hold on `tag`: the last day of the
    // history on or before it, the first day for a day before the history.
    std::optional<QDate> genutzterTag(QDate tag);
    // The rates of exactly that day, by currency code.
    QHash<QString, double> kurseAm(QDate tag);

private:
    // The file's reader from the history module; nullptr when the module
    // is missing, and fehler_ says so.
    Historienspeicher* speicher();

    QString datei_;
    std::unique_ptr<Historienspeicher> speicher_;
    QString fehler_;
};

} // namespace zirvanto
