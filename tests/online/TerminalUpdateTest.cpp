// "zirvanto --update" writes both files as the window's "Update!" does: one
// reply applied to the same files by the real program and by the window.
#include "Fenstertest.h"
#include "historie/Kurshistorie.h"
#include "support/Terminallauf.h"
#include "support/Testserver.h"

namespace zirvanto {
namespace {

using TerminalUpdateTest = test::Fenstertest;

TEST_F(TerminalUpdateTest, SchreibtBeideDateienWieDasFenster) {
    test::Testserver server;
    server.antworten = [](const QByteArray& ziel) {
        return test::Antwort{ziel == "/k" ? 200 : 404,
                             "<Cube time='2026-12-04'><Cube currency='USD' rate='1.1702'/>"
                             "<Cube currency='NZD' rate='1.9'/></Cube>"};
    };
    QTemporaryDir t;
    const auto dort = [&](const char* datei, const QByteArray& neu = {}) {
        QFile f(t.filePath(datei));
        if (!neu.isEmpty())
            return f.open(QIODevice::WriteOnly) && f.write(neu) ? neu : QByteArray();
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    const QByteArray kurse0 = "ATS:Schilling: 13.7603:: 0\r\nUSD:US-Dollar: 1.5:: 1\r\n";
    const QByteArray ini0 = "Main = ATS\r\nActive = USD;1\r\nText09 = Text\r\nCurrencyURL = " +
                            server.adresse("/k").toLatin1() + "\r\n";
    schreiben("currency.ini", kurse0);
    schreiben("zirvanto.ini", ini0);
    ASSERT_FALSE(dort("currency.ini", kurse0).isEmpty() || dort("zirvanto.ini", ini0).isEmpty());
    ASSERT_TRUE(test::programmAnlegen(t.filePath("zirvanto")));
    // A history fetched before takes the feed's day.
    Kurshistorie(t.filePath("kurshistorie.sqlite"))
        .ersetzen({{QDate(2026, 12, 3), {{"USD", 1.2}}}});
    const auto update = [&] {
        return test::terminalStarten(t.filePath("zirvanto"), {"--update"}, "de_DE",
                                     t.filePath("d"));
    };
    test::Lauf lauf = update();
    EXPECT_EQ(lauf.status, 0);
    EXPECT_EQ(lauf.aus, "");
    EXPECT_TRUE(
        lauf.fehler.contains("erfolgreich geladen. Kurse vom 04.12.2026 (Quelle: 127.0.0.1)"))
        << lauf.fehler.toStdString();
    EXPECT_EQ(Kurshistorie(t.filePath("kurshistorie.sqlite")).letzterTag(), QDate(2026, 12, 4));

    globals.Programmserver.clear();
    oeffnen();
    klicken("Update");
    ASSERT_EQ(plattform.meldungen.size(), 1u);
    EXPECT_EQ(plattform.meldungen[0].text, "Die Wechselkurse wurden erfolgreich geladen.");
    const QByteArray kurse = dort("currency.ini"), ini = dort("zirvanto.ini");
    EXPECT_EQ(kurse, lesen("currency.ini"));
    EXPECT_TRUE(kurse.endsWith("USD:US-Dollar: 1.1702:: 0\r\nNZD:NZD: 1.9:(none): 0\r\n"));
    // The two runs may differ in the update time alone.
    static const QRegularExpression zeit(
        "\r\nUpdate = \\d\\d\\.\\d\\d\\.\\d{4} \\d\\d:\\d\\d:\\d\\d\r\n");
    EXPECT_EQ(QString(ini).replace(zeit, "#"), QString(lesen("zirvanto.ini")).replace(zeit, "#"));
    EXPECT_TRUE(zeit.match(QString(ini)).hasMatch());

    // A reply without rates changes nothing, and the exit status says so.
    server.antworten = [](const QByteArray&) { return test::Antwort{404}; };
    lauf = update();
    EXPECT_EQ(lauf.status, 1);
    EXPECT_TRUE(lauf.fehler.contains("Die Wechselkurse konnten nicht geladen werden."));
    EXPECT_EQ(dort("currency.ini") + dort("zirvanto.ini"), kurse + ini);
}

} // namespace
} // namespace zirvanto
