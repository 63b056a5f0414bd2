// The rate update as a terminal run has it: a QCoreApplication, no widget
// and no cursor.
#include "online/Kursupdate.h"
#include "data/Einstellungsdatei.h"
#include "data/Kursdatei.h"
#include "support/Programmordner.h"
#include "support/QtDrucken.h"
#include "support/Testserver.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace zirvanto {
namespace {

using Kursupdate = Programmordner;

TEST_F(Kursupdate, GleicherStichtagAendertNichtsJederAndereWirdUebernommen) {
    test::Testserver server;
    server.antworten = [](const QByteArray&) {
        return test::Antwort{200,
                             "<Cube time='2026-12-04'><Cube currency='USD' rate='1.2'/></Cube>"};
    };
    const QLocale deutsch(QLocale::German, QLocale::Germany);
    const QByteArray kurse = "USD:US-Dollar: 1.1:: 0\r\nGBP:Pfund: .9:: 1\r\n";
    const QDateTime alt(QDate(2026, 1, 1), QTime(0, 0)), jetzt(QDate(2026, 12, 7), QTime(16, 30));
    const struct {
        const char* zeile;
        bool geaendert;
    } faelle[] = {
        {"Kursstand = 2026-12-04 127.0.0.1", false}, // the rates in use
        {"Kursstand = 2026-12-05 127.0.0.1", true},  // an older date is applied too
        {"Kursstand = 2026-12-04", true},            // the same date, but the shipped table
        {"Update = 04.12.2026 09:00:00", false},     // an earlier build's update
    };
    for (const auto& f : faelle) {
        schreiben("currency.ini", kurse);
        schreiben("zirvanto.ini", "CurrencyURL = " + server.adresse("/k").toLatin1() +
                                      "\r\nUpdate = 01.12.2026 08:00:00\r\n" + f.zeile + "\r\n");
        for (const char* datei : {"currency.ini", "zirvanto.ini"}) {
            QFile d(pfad(datei));
            ASSERT_TRUE(d.open(QIODevice::Append) &&
                        d.setFileTime(alt, QFile::FileModificationTime));
        }
        Globals g;
        g.Programmserver.clear();
        g.jetzt = [&] { return jetzt; };
        kurseLesen(ordner.path(), g.Waehrungen);
        einstellungenLesen(ordner.path(), g, deutsch);
        const QDateTime vorher = g.einstellungen.UpdateDatum;
        Webretreiver w;
        const Kursupdateergebnis e = kurseAktualisieren(g, ordner.path(), w, deutsch);
        EXPECT_EQ(e.code, 0);
        EXPECT_EQ(e.geaendert, f.geaendert) << f.zeile;
        EXPECT_EQ(e.stichtag, QDate(2026, 12, 4));
        EXPECT_EQ(e.quelle, QStringLiteral("127.0.0.1"));
        for (const char* datei : {"currency.ini", "zirvanto.ini"})
            EXPECT_EQ(QFileInfo(pfad(datei)).lastModified() == alt, !f.geaendert) << datei;
        // A currency the feed does not list keeps its rate and its mark.
        EXPECT_EQ(lesen("currency.ini"),
                  f.geaendert ? "USD:US-Dollar: 1.2:: 0\r\nGBP:Pfund: .9:: 1\r\n" : kurse);
        EXPECT_EQ(g.einstellungen.UpdateDatum, f.geaendert ? jetzt : vorher);
    }
    EXPECT_EQ(server.ziele(), QList<QByteArray>(4, "/k")); // without the program's identifier
}

} // namespace
} // namespace zirvanto

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    zirvanto::Webretreiver::modulpfad = QStringLiteral(ZIRVANTO_NETZMODUL);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
