#pragma once

// The history's SQLite file and the ECB's zip archive are read by a module
// of their own. QtSql and minizip are loaded with it at the first use of the
// history: a start or a terminal run that needs none does not load them.

#include "historie/Kurshistorie.h"

#include <QByteArray>
#include <QDate>
#include <QHash>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

namespace zirvanto {

// One history file, as Kurshistorie describes it.
class Historienspeicher {
public:
    virtual ~Historienspeicher() = default;
    virtual Kurshistorie::Zustand oeffnen() = 0;
    virtual const QString& fehler() const = 0;
    virtual bool ersetzen(const std::vector<Kurstag>& tage) = 0;
    virtual bool ergaenzen(const std::vector<Kurstag>& tage) = 0;
    virtual std::optional<QDate> letzterTag() = 0;
    virtual std::optional<QDate> genutzterTag(QDate tag) = 0;
    virtual QHash<QString, double> kurseAm(QDate tag) = 0;
};

struct Entpackt {
    QByteArray csv;
    QString fehler; // why nothing was unpacked; empty on success
};

class Historienmodul {
public:
    virtual ~Historienmodul() = default;
    virtual std::unique_ptr<Historienspeicher> speicher(const QString& datei) = 0;
    // The first file whose name ends in ".csv" in a zip archive held in
    // memory, unpacked; at most `hoechstens` bytes.
    virtual Entpackt csvEntpacken(const QByteArray& zip, qint64 hoechstens) = 0;
};

// The one symbol the module exports: its single instance.
using HistorienmodulHolen = Historienmodul* (*)();
inline constexpr char HistorienmodulName[] = "zirvanto_historienmodul";

// The module, loaded at the first call; nullptr when it is missing, and
// `fehler` says so.
Historienmodul* historienmodul(QString& fehler);

} // namespace zirvanto
