#include "Testzip.h"
#include "historie/Historienabruf.h"
#include "historie/Tageskurs.h"
#include "online/Webretreiver.h"
#include "support/Programmordner.h"
#include "support/QtDrucken.h"
#include "support/Testserver.h"

#include <QSqlDatabase>
#include <QSqlQuery>

#include <gtest/gtest.h>

namespace zirvanto {
namespace {

using namespace std::chrono_literals;
using test::Antwort;

// The ECB's layout: newest day first, a column per currency ever quoted,
// "N/A", a trailing comma. "Foo" is no currency; ROL gives way to RON.
const QByteArray Csv = "\xEF\xBB\xBF"
                       "Date,USD,HRK,BGN,ROL,RON,Foo,\r\n"
                       "2023-01-03,N/A,N/A,1.9558,N/A,4.9,7,\r\n"
                       "2023-01-02,1.0683,N/A,1.9558,N/A,4.91,7,\n"
                       "Kein Datum,1,1,1,1,1,1,\n"
                       "2022-12-30,1.0666,7.5365,1.9558,N/A,4.9495,7,\n"
                       "2005-06-30,1.2092,7.313,1.9559,36030,N/A,7,\n";

// Three later days and one known (RON again); JPY is new.
const QByteArray Xml = "<gesmes:Envelope xmlns:gesmes='g' xmlns='e'><Cube>"
                       "<Cube time='2023-01-06'><Cube currency='USD' rate='1.06'/>"
                       "<Cube currency='JPY' rate='140.5'/></Cube>"
                       "<Cube time='2023-01-05'><Cube currency='USD' rate='1.05'/></Cube>"
                       "<Cube time='2023-01-03'><Cube currency='RON' rate='4.9'/></Cube>"
                       "</Cube></gesmes:Envelope>";

struct HistorieTest : Programmordner {
    HistorieTest() {
        server.antworten = [this](const QByteArray& ziel) -> Antwort {
            if (ziel == "/hist.zip") return zipAntwort;
            if (ziel == "/90d.xml") return {200, Xml};
            return {404};
        };
    }
    QString datei() const { return pfad(Historiendateiname); }
    Historienstand auffuellen(QDate bis) {
        Historienabruf abruf(web, historie,
                             {server.adresse("/hist.zip"), server.adresse("/90d.xml")});
        return abruf.auffuellen(bis);
    }

    test::Testserver server;
    Antwort zipAntwort{200, test::zipMit("eurofxref-hist.csv", Csv)};
    Webretreiver web{Fristen{1000ms, 3000ms}};
    Kurshistorie historie{datei()};
};

TEST_F(HistorieTest, ZipMitFortschrittDann90TageFuerDieLuecke) {
    std::vector<std::pair<qint64, qint64>> fortschritt;
    QObject::connect(&web, &Webretreiver::fortschritt,
                     [&](qint64 n, qint64 gesamt) { fortschritt.emplace_back(n, gesamt); });
    const Historienstand geladen = auffuellen(QDate(2023, 1, 3));
    ASSERT_TRUE(geladen.ok && geladen.abgerufen) << geladen.fehler.toStdString();
    const qint64 groesse = zipAntwort.body.size();
    ASSERT_FALSE(fortschritt.empty());
    EXPECT_EQ(fortschritt.back(), std::make_pair(groesse, groesse));
    EXPECT_EQ(
        historie.kurseAm(QDate(2005, 6, 30)),
        (QHash<QString, double>{{"USD", 1.2092}, {"HRK", 7.313}, {"BGN", 1.9559}, {"ROL", 36030}}));
    EXPECT_EQ(historie.kurseAm(QDate(2023, 1, 3)),
              (QHash<QString, double>{{"BGN", 1.9558}, {"RON", 4.9}}));

    // Tuesday to Sunday: the 90-day file fills the gap. Nothing is fetched
    // for a weekend, nor twice in a run for a day not yet published.
    Historienabruf abruf(web, historie, {server.adresse("/hist.zip"), server.adresse("/90d.xml")});
    EXPECT_TRUE(abruf.auffuellen(QDate(2023, 1, 8)).fehler.isEmpty());
    EXPECT_FALSE(auffuellen(QDate(2023, 1, 8)).abgerufen);
    EXPECT_TRUE(abruf.auffuellen(QDate(2023, 1, 9)).abgerufen);
    EXPECT_FALSE(abruf.auffuellen(QDate(2023, 1, 9)).abgerufen);
    EXPECT_EQ(historie.letzterTag(), QDate(2023, 1, 6));
    EXPECT_EQ(historie.kurseAm(QDate(2023, 1, 6)),
              (QHash<QString, double>{{"USD", 1.06}, {"JPY", 140.5}}));
    EXPECT_EQ(server.ziele(), QList<QByteArray>({"/hist.zip", "/90d.xml", "/90d.xml"}));

    // More than 90 days later the whole zip comes again; a broken one, or
    // one cut short, changes nothing.
    const QByteArray vorher = lesen(Historiendateiname);
    QByteArray verfaelscht = zipAntwort.body;
    verfaelscht[verfaelscht.size() / 2] = char(verfaelscht[verfaelscht.size() / 2] ^ 1);
    for (const Antwort& kaputt :
         {Antwort{200, "PK\x03\x04 kein Zip"},
          Antwort{200, zipAntwort.body.left(99), "Content-Length: 999\r\n"},
          Antwort{200, test::zipMit("liesmich.txt", Csv)}, Antwort{200, verfaelscht}}) {
        zipAntwort = kaputt;
        const Historienstand stand = auffuellen(QDate(2023, 4, 7)); // 91 days
        EXPECT_TRUE(stand.ok && !stand.fehler.isEmpty() && stand.abgerufen);
        EXPECT_EQ(server.ziele().back(), "/hist.zip");
        EXPECT_EQ(lesen(Historiendateiname), vorher);
    }
}

TEST_F(HistorieTest, BeschaedigteOderFremdeDateiWirdErsetzt) {
    {
        QSqlDatabase fremd = QSqlDatabase::addDatabase("QSQLITE", "fremd");
        fremd.setDatabaseName(pfad("fremd.sqlite"));
        ASSERT_TRUE(fremd.open());
        QSqlQuery q(fremd); // only the application id tells it from ours
        ASSERT_TRUE(q.exec("PRAGMA user_version = 1") &&
                    q.exec("CREATE TABLE kurs (tag, code, kurs)"));
    }
    QSqlDatabase::removeDatabase("fremd");
    for (const QByteArray& alt : {QByteArray("kein SQLite"), QByteArray(), lesen("fremd.sqlite")}) {
        schreiben(Historiendateiname, alt);
        Kurshistorie h(datei());
        Historienabruf abruf(web, h, {server.adresse("/hist.zip"), {}});
        const Historienstand stand = abruf.auffuellen(QDate(2023, 1, 3));
        EXPECT_TRUE(stand.ok && !stand.ersetzteDatei.isEmpty()) << alt.size();
        EXPECT_EQ(h.letzterTag(), QDate(2023, 1, 3));
    }
}

TEST_F(HistorieTest, KursEinerWaehrungAmTag) {
    ASSERT_TRUE(auffuellen(QDate(2023, 1, 3)).ok);
    const struct {
        QDate gewaehlt;
        const char* code;
        double kurs;
        Kursherkunft herkunft;
    } faelle[] = {
        {{2022, 12, 31}, "USD", 1.0666, Kursherkunft::Historie}, // Saturday: Friday's rate
        {{2023, 1, 1}, "HRK", 7.5365, Kursherkunft::Historie},   // the day used decides
        {{2023, 1, 2}, "hrk", 7.5345, Kursherkunft::Festkurs},
        {{2023, 1, 3}, "USD", 2.5, Kursherkunft::KeinKurs},    // N/A, though quoted the day before
        {{2030, 1, 1}, "bgn", 1.9558, Kursherkunft::Historie}, // after the last day
        {{1999, 1, 1}, "ROL", 36030, Kursherkunft::Historie},  // before the first day
        {{2023, 1, 3}, "XAU", 2.5, Kursherkunft::KeinKurs},    // never quoted
        {{2023, 1, 3}, "ATS", 13.7603, Kursherkunft::Festkurs},
        {{2023, 1, 3}, "EUR", 1, Kursherkunft::Euro},
    };
    for (const auto& f : faelle) {
        const QDate tag = *historie.genutzterTag(f.gewaehlt);
        const Tageskurs k = tageskurs(QString::fromLatin1(f.code), tag, historie.kurseAm(tag), 2.5);
        EXPECT_EQ(k.kurs, f.kurs) << f.code << " " << f.gewaehlt.toString().toStdString();
        EXPECT_EQ(k.herkunft, f.herkunft) << f.code;
    }
}

} // namespace
} // namespace zirvanto
