// The history module: the SQLite file through QtSql, the zip through
// minizip.

#include "historie/Historienmodul.h"
#include "historie/Tageskurs.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <unzip.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <utility>

namespace zirvanto {

namespace {

// PRAGMA application_id ("Zirv") and user_version of this program's file.
constexpr int Kennung = 0x5A697276;
constexpr int Formatversion = 1;

const QString Treiber = QStringLiteral("QSQLITE");

// Builds a complete history in the fresh file `pfad`.
QString neuAufbauen(const QString& verbindung, const QString& pfad,
                    const std::vector<Kurstag>& tage) {
    QSqlDatabase db = QSqlDatabase::addDatabase(Treiber, verbindung);
    db.setDatabaseName(pfad);
    if (!db.open()) return db.lastError().text();
    QSqlQuery q(db);
    // A file that takes its place only when complete needs no journal.
    const bool angelegt =
        q.exec(QStringLiteral("PRAGMA journal_mode = OFF")) &&
        q.exec(QStringLiteral("PRAGMA application_id = %1").arg(Kennung)) &&
        q.exec(QStringLiteral("PRAGMA user_version = %1").arg(Formatversion)) &&
        q.exec(QStringLiteral("CREATE TABLE kurs (tag INTEGER NOT NULL, code TEXT NOT "
                              "NULL, kurs REAL NOT NULL, PRIMARY KEY (tag, code)) "
                              "WITHOUT ROWID"));
    if (!angelegt || !db.transaction()) return q.lastError().text();
    if (!q.prepare(QStringLiteral("INSERT OR REPLACE INTO kurs VALUES (?, ?, ?)")))
        return q.lastError().text();
    // In key order, so that every page is filled before the next one starts:
    // the CSV lists the newest day first, and a table built backwards leaves
    // its pages half empty (twice the file).
    std::vector<const Kurstag*> reihe;
    reihe.reserve(tage.size());
    for (const Kurstag& tag : tage)
        reihe.push_back(&tag);
    std::sort(reihe.begin(), reihe.end(),
              [](const Kurstag* a, const Kurstag* b) { return a->tag < b->tag; });
    std::vector<std::pair<QString, double>> kurse;
    for (const Kurstag* tag : reihe) {
        q.bindValue(0, tageszahl(tag->tag));
        kurse = tag->kurse;
        std::sort(kurse.begin(), kurse.end());
        for (const auto& [code, kurs] : kurse) {
            q.bindValue(1, code);
            q.bindValue(2, kurs);
            if (!q.exec()) return q.lastError().text();
        }
    }
    if (!db.commit()) return db.lastError().text();
    return {};
}

class Sqlhistorie final : public Historienspeicher {
public:
    explicit Sqlhistorie(QString datei);
    ~Sqlhistorie() override;

    Kurshistorie::Zustand oeffnen() override;
    const QString& fehler() const override { return fehler_; }
    bool ersetzen(const std::vector<Kurstag>& tage) override;
    bool ergaenzen(const std::vector<Kurstag>& tage) override;
    std::optional<QDate> letzterTag() override;
    std::optional<QDate> genutzterTag(QDate tag) override;
    QHash<QString, double> kurseAm(QDate tag) override;

private:
    using Zustand = Kurshistorie::Zustand;
    void schliessen();
    bool defekt(const QString& text);
    // The day the query gives; a query that fails marks the file damaged.
    std::optional<QDate> tagAus(QSqlQuery& q);

    QString datei_;
    QString verbindung_; // the connection's name
    QSqlDatabase db_;
    std::optional<Zustand> zustand_;
    QString fehler_;
};

Sqlhistorie::Sqlhistorie(QString datei)
    : datei_(std::move(datei)),
      verbindung_(QStringLiteral("kurshistorie-%1").arg(quintptr(this), 0, 16)) {}

Sqlhistorie::~Sqlhistorie() {
    schliessen();
}

void Sqlhistorie::schliessen() {
    db_ = QSqlDatabase();
    if (QSqlDatabase::contains(verbindung_)) QSqlDatabase::removeDatabase(verbindung_);
}

bool Sqlhistorie::defekt(const QString& text) {
    zustand_ = Zustand::Defekt;
    fehler_ = text;
    return false;
}

Kurshistorie::Zustand Sqlhistorie::oeffnen() {
    if (zustand_) return *zustand_;
    fehler_.clear();
    if (!QFileInfo::exists(datei_)) return *(zustand_ = Zustand::Fehlt);
    db_ = QSqlDatabase::addDatabase(Treiber, verbindung_);
    if (!db_.isValid()) {
        defekt(QCoreApplication::translate(
            "Kurshistorie", "Qt findet keinen SQLite-Treiber (Paket libqt6sql6-sqlite)."));
        return *zustand_;
    }
    db_.setDatabaseName(datei_);
    if (!db_.open()) {
        defekt(db_.lastError().text());
        return *zustand_;
    }
    QSqlQuery q(db_);
    const auto pragma = [&](const char* name) {
        return q.exec(QStringLiteral("PRAGMA %1").arg(QLatin1String(name))) && q.next()
                   ? q.value(0).toInt()
                   : -1;
    };
    // Another program's database, or none at all ("file is not a database").
    if (pragma("application_id") != Kennung || pragma("user_version") != Formatversion ||
        !q.exec(QStringLiteral("SELECT tag, code, kurs FROM kurs LIMIT 1"))) {
        defekt(q.lastError().type() != QSqlError::NoError
                   ? q.lastError().text()
                   : QCoreApplication::translate(
                         "Kurshistorie", "Die Datei ist keine Kursgeschichte dieses Programms."));
        return *zustand_;
    }
    return *(zustand_ = Zustand::Bereit);
}

bool Sqlhistorie::ersetzen(const std::vector<Kurstag>& tage) {
    const QString neu = datei_ + QStringLiteral(".neu");
    const QString neuVerbindung = verbindung_ + QStringLiteral("-neu");
    QFile::remove(neu);
    const QString fehler = neuAufbauen(neuVerbindung, neu, tage);
    QSqlDatabase::removeDatabase(neuVerbindung);
    if (!fehler.isEmpty()) {
        QFile::remove(neu);
        fehler_ = fehler;
        return false;
    }
    schliessen();
    // A journal left by the old file would be applied to the new one.
    QFile::remove(datei_ + QStringLiteral("-journal"));
    if (std::rename(QFile::encodeName(neu).constData(), QFile::encodeName(datei_).constData()) !=
        0) {
        QFile::remove(neu);
        zustand_.reset();
        fehler_ =
            QCoreApplication::translate("Kurshistorie", "Die Datei konnte nicht ersetzt werden.");
        return false;
    }
    zustand_.reset();
    return oeffnen() == Zustand::Bereit;
}

bool Sqlhistorie::ergaenzen(const std::vector<Kurstag>& tage) {
    if (oeffnen() != Zustand::Bereit) return false;
    if (!db_.transaction()) return defekt(db_.lastError().text());
    QSqlQuery q(db_);
    bool ok = q.prepare(QStringLiteral("INSERT OR REPLACE INTO kurs VALUES (?, ?, ?)"));
    for (auto tag = tage.begin(); ok && tag != tage.end(); ++tag) {
        q.bindValue(0, tageszahl(tag->tag));
        for (auto k = tag->kurse.begin(); ok && k != tag->kurse.end(); ++k) {
            q.bindValue(1, k->first);
            q.bindValue(2, k->second);
            ok = q.exec();
        }
    }
    if (ok && db_.commit()) return true;
    fehler_ = q.lastError().text();
    db_.rollback();
    return false;
}

std::optional<QDate> Sqlhistorie::tagAus(QSqlQuery& q) {
    if (!q.exec()) {
        defekt(q.lastError().text());
        return std::nullopt;
    }
    if (!q.next()) return std::nullopt;
    return ausTageszahl(q.value(0).toInt());
}

std::optional<QDate> Sqlhistorie::letzterTag() {
    if (oeffnen() != Zustand::Bereit) return std::nullopt;
    QSqlQuery q(db_);
    q.prepare(QStringLiteral("SELECT tag FROM kurs ORDER BY tag DESC LIMIT 1"));
    return tagAus(q);
}

std::optional<QDate> Sqlhistorie::genutzterTag(QDate tag) {
    if (oeffnen() != Zustand::Bereit) return std::nullopt;
    QSqlQuery q(db_);
    q.prepare(QStringLiteral("SELECT tag FROM kurs WHERE tag <= ? ORDER BY tag DESC LIMIT 1"));
    q.addBindValue(tageszahl(tag));
    if (const auto davor = tagAus(q)) return davor;
    if (oeffnen() != Zustand::Bereit) return std::nullopt;
    q.prepare(QStringLiteral("SELECT tag FROM kurs ORDER BY tag LIMIT 1"));
    return tagAus(q);
}

QHash<QString, double> Sqlhistorie::kurseAm(QDate tag) {
    QHash<QString, double> kurse;
    if (oeffnen() != Zustand::Bereit) return kurse;
    QSqlQuery q(db_);
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT code, kurs FROM kurs WHERE tag = ?"));
    q.addBindValue(tageszahl(tag));
    if (!q.exec()) {
        defekt(q.lastError().text());
        return kurse;
    }
    while (q.next())
        kurse.insert(q.value(0).toString(), q.value(1).toDouble());
    return kurse;
}

// minizip reads the archive through these functions from memory.
struct Speicher {
    const QByteArray& daten;
    ZPOS64_T stelle = 0;
};

voidpf ZCALLBACK speicherOeffnen(voidpf speicher, const void*, int) {
    return speicher;
}
uLong ZCALLBACK speicherLesen(voidpf, voidpf strom, void* puffer, uLong anzahl) {
    auto* s = static_cast<Speicher*>(strom);
    const auto n = std::min<ZPOS64_T>(anzahl, ZPOS64_T(s->daten.size()) - s->stelle);
    std::memcpy(puffer, s->daten.constData() + s->stelle, n);
    s->stelle += n;
    return uLong(n);
}
uLong ZCALLBACK speicherSchreiben(voidpf, voidpf, const void*, uLong) {
    return 0;
}
ZPOS64_T ZCALLBACK speicherStelle(voidpf, voidpf strom) {
    return static_cast<Speicher*>(strom)->stelle;
}
long ZCALLBACK speicherSuchen(voidpf, voidpf strom, ZPOS64_T abstand, int herkunft) {
    auto* s = static_cast<Speicher*>(strom);
    const auto groesse = ZPOS64_T(s->daten.size());
    const ZPOS64_T basis = herkunft == ZLIB_FILEFUNC_SEEK_CUR   ? s->stelle
                           : herkunft == ZLIB_FILEFUNC_SEEK_END ? groesse
                                                                : 0;
    if (abstand > groesse || basis + abstand > groesse) return -1;
    s->stelle = basis + abstand;
    return 0;
}
int ZCALLBACK speicherSchliessen(voidpf, voidpf) {
    return 0;
}

struct ZipSchliessen {
    void operator()(unzFile zip) const { unzClose(zip); }
};

Entpackt entpacktFehler(const QString& text) {
    return {{}, text};
}

Entpackt csvAusZip(const QByteArray& zip, qint64 hoechstens) {
    const QString kaputt =
        QCoreApplication::translate("Verlaufsleser", "Das Zip-Archiv ist beschädigt.");
    Speicher speicher{zip};
    zlib_filefunc64_def zugriff{speicherOeffnen,    speicherLesen,  speicherSchreiben,
                                speicherStelle,     speicherSuchen, speicherSchliessen,
                                speicherSchliessen, &speicher};
    const std::unique_ptr<void, ZipSchliessen> archiv(unzOpen2_64("", &zugriff));
    if (!archiv)
        return entpacktFehler(
            QCoreApplication::translate("Verlaufsleser", "Die Datei ist kein Zip-Archiv."));
    for (int r = unzGoToFirstFile(archiv.get()); r != UNZ_END_OF_LIST_OF_FILE;
         r = unzGoToNextFile(archiv.get())) {
        unz_file_info64 info{};
        char name[256] = {};
        if (r != UNZ_OK || unzGetCurrentFileInfo64(archiv.get(), &info, name, sizeof name - 1,
                                                   nullptr, 0, nullptr, 0) != UNZ_OK)
            return entpacktFehler(kaputt);
        if (!QByteArray(name).toLower().endsWith(".csv")) continue;
        if (info.uncompressed_size > ZPOS64_T(hoechstens))
            return entpacktFehler(QCoreApplication::translate(
                "Verlaufsleser", "Die Datei im Zip-Archiv ist zu groß."));
        if (unzOpenCurrentFile(archiv.get()) != UNZ_OK) return entpacktFehler(kaputt);
        QByteArray csv(qsizetype(info.uncompressed_size), Qt::Uninitialized);
        const int gelesen = unzReadCurrentFile(archiv.get(), csv.data(), unsigned(csv.size()));
        char rest = 0;
        // The whole file, no byte more, and its checksum right.
        const bool ganz = gelesen == csv.size() && unzReadCurrentFile(archiv.get(), &rest, 1) == 0;
        if (unzCloseCurrentFile(archiv.get()) != UNZ_OK || !ganz) return entpacktFehler(kaputt);
        return {csv, {}};
    }
    return entpacktFehler(
        QCoreApplication::translate("Verlaufsleser", "Das Zip-Archiv enthält keine CSV-Datei."));
}

class Modul final : public Historienmodul {
public:
    std::unique_ptr<Historienspeicher> speicher(const QString& datei) override {
        return std::make_unique<Sqlhistorie>(datei);
    }
    Entpackt csvEntpacken(const QByteArray& zip, qint64 hoechstens) override {
        return csvAusZip(zip, hoechstens);
    }
};

} // namespace
} // namespace zirvanto

extern "C" Q_DECL_EXPORT zirvanto::Historienmodul* zirvanto_historienmodul() {
    static zirvanto::Modul modul;
    return &modul;
}
