// The real program on the terminal, linked into a temporary program folder
// and run without any display variable.
#include "historie/Kurshistorie.h"
#include "online/Webretreiver.h"
#include "support/Programmordner.h"
#include "support/Terminallauf.h"

namespace zirvanto {
namespace {

using test::Lauf;

class TerminalTest : public Programmordner {
protected:
    void SetUp() override {
        ASSERT_TRUE(test::programmAnlegen(programm));
        Webretreiver::modulpfad = QStringLiteral(ZIRVANTO_NETZMODUL);
    }
    Lauf starten(const QStringList& argumente, const QString& umgebung = "de_DE") const {
        return test::terminalStarten(programm, argumente, umgebung, pfad("daten"));
    }
    const QString programm = pfad("bin/zirvanto");
};

// One table for all rows: USD twice (the second in lower case), a hand-set
// CHF, a code without a rate, ATS as the main currency.
TEST_F(TerminalTest, OptionenBetraegeCodesUndExitStatus) {
    schreiben("bin/currency.ini", "ATS:\xD6sterreichischer Schilling: 13.7603:: 0\r\n"
                                  "USD:US-Dollar: 1.1415:: 0\r\nusd:Zweiter Dollar: 2:: 0\r\n"
                                  "CHF:Schweizer Franken: .9412:: 1\r\nXXX:Ohne Kurs: 0:: 0\r\n");
    schreiben("bin/zirvanto.ini", "Main = ATS\r\n");
    const QString liste =
        "ATS\t\u00D6sterreichischer Schilling\t13,7603\t\nUSD\tUS-Dollar\t1,1415\t\n"
        "usd\tZweiter Dollar\t2\t\nCHF\tSchweizer Franken\t0,9412\tmanuell\n";
    const struct {
        QStringList argumente;
        QString umgebung;
        int status;
        QString text; // stdout on success, else part of stderr
    } faelle[] = {
        {{"--convert", "1250", "USD", "EUR", "ATS"}, "de_DE", 0, "EUR\t1.095,05\nATS\t15.068,22\n"},
        {{"-c", "1250.5", "usd"}, "POSIX", 0, "EUR\t1095.49\nATS\t15074.25\n"},
        {{"-c", "1 250,5", "usd"}, "de_AT", 0, "EUR\t1\u00A0095,49\nATS\t15\u00A0074,25\n"},
        {{"-c", "1'250.5", "EUR", "EUR"}, "de_CH", 0, "EUR\t1\u2019250.50\n"},
        {{"-c", "1.250", "EUR", "EUR"}, "de_DE", 0, "EUR\t1.250,00\n"},
        {{"-c", "1250.5", "EUR", "eur"}, "de_DE", 0, "EUR\t1.250,50\n"},
        {{"-5", "EUR", "CHF", "Usd", "-c"}, "de_DE", 0, "CHF\t-4,71\nUSD\t-5,71\n"},
        {{"--list"}, "de_DE", 0, liste},
        {{"--help"}, "de_DE", 0, "Aufruf: zirvanto\n"},
        {{"--version"}, "de_DE", 0, "zirvanto (Zirvanto) "},
        // Nothing of the GUI is created, so a display that cannot be reached does not matter.
        {{"-c", "2", "EUR", "EUR"}, "C QT_QPA_PLATFORM=xcb DISPLAY=:4711", 0, "EUR\t2.00\n"},
        // Qt's own options still start the window, here on a platform that does not exist.
        {{"-platform", "keine", "-reverse"}, "de_DE", -1, "platform plugin \"keine\""},
        {{"--frob"}, "de_DE", 2, "unbekannte Option „--frob“"},
        {{"--frob"}, "en_GB", 2, "unknown option \"--frob\""},
        {{"--convert=5", "EUR"}, "de_DE", 2, "Option „--convert“ nimmt keinen Wert"},
        {{"5", "EUR"}, "de_DE", 2, "unerwartetes Argument „5“"},
        {{"--list", "-c", "5", "EUR"}, "de_DE", 2, "schließen einander aus"},
        {{"-c", "5"}, "de_DE", 2, "braucht einen Betrag und eine Währung"},
        {{"-c", "1.25,5", "EUR"}, "de_DE", 2, "ungültiger Betrag „1.25,5“"},
        {{"-c", "1e3", "EUR"}, "de_DE", 2, "ungültiger Betrag"},
        {{"-c", "100000000000000000000", "EUR"}, "C", 2, "mehr Stellen, als die Anzeige"},
        {{"-c", "5", "EUR", "ATS", "XYZ"}, "de_DE", 3, "unbekannte Währung „XYZ“"},
        {{"-c", "5", "xxx", "EUR"}, "de_DE", 3, "Währung „XXX“ hat keinen Kurs"},
    };
    for (const auto& f : faelle) {
        const Lauf lauf = starten(f.argumente, f.umgebung);
        const std::string name = (f.argumente.join(' ') + " unter " + f.umgebung).toStdString();
        EXPECT_EQ(lauf.status, f.status) << name;
        // Help and version texts are checked by their start only.
        const bool ganz = !QStringList{"--help", "--version"}.contains(f.argumente[0]);
        if (f.status == 0)
            EXPECT_TRUE((ganz ? lauf.aus == f.text : lauf.aus.startsWith(f.text)) &&
                        lauf.fehler.isEmpty())
                << name << ": " << lauf.aus.toStdString();
        else
            EXPECT_TRUE(lauf.aus.isEmpty() && lauf.fehler.contains(f.text))
                << name << ": " << lauf.fehler.toStdString();
    }
}

// Installed, it reads the shipped table until the user's data folder has
// one, and creates nothing there.
TEST_F(TerminalTest, InstalliertLiestOhneZuSchreiben) {
    ASSERT_TRUE(QDir(ordner.path()).mkpath("share/zirvanto"));
    schreiben("share/zirvanto/currency.ini", "ATS:Schilling: 13.7603:: 0\r\n");
    EXPECT_EQ(starten({"-c", "1", "EUR", "ATS"}).aus, "ATS\t13,76\n");
    EXPECT_FALSE(QFileInfo::exists(pfad("daten")));
    ASSERT_TRUE(QDir(ordner.path()).mkpath("daten/Zirvanto"));
    schreiben("daten/Zirvanto/currency.ini", "ATS:Schilling: 10:: 0\r\n");
    EXPECT_EQ(starten({"-c", "1", "EUR", "ATS"}).aus, "ATS\t10,00\n");
    EXPECT_EQ(QDir(pfad("daten/Zirvanto")).entryList(QDir::Files), QStringList{"currency.ini"});
}

// Rates of a past day from a small history: a Thursday and a Friday that
// does not quote CHF; ATS has its fixed rate, XAU is never quoted. Any
// request goes to a proxy that refuses: nothing leaves the machine.
TEST_F(TerminalTest, DatumAusDerKursgeschichte) {
    schreiben("bin/currency.ini", "ATS:Schilling: 13.7603:: 0\r\nUSD:US-Dollar: 1.1415:: 1\r\n"
                                  "CHF:Franken: .9412:: 0\r\nXAU:Gold: .0005:: 0\r\n");
    schreiben("bin/zirvanto.ini", "Main = ATS\r\nProxy = 127.0.0.1\r\nPort = 9\r\n");
    // Without a history it is fetched first; that fails, and nothing is written.
    const Lauf ohne = starten({"-c", "1", "EUR", "USD", "--date", "2015-01-15"});
    EXPECT_TRUE(ohne.status == 1 && ohne.aus.isEmpty() && ohne.fehler.contains("wird geladen...") &&
                ohne.fehler.contains("konnte nicht geladen werden"))
        << ohne.fehler.toStdString();
    EXPECT_FALSE(QFile::exists(pfad("bin/kurshistorie.sqlite")));
    Kurshistorie historie(pfad("bin/kurshistorie.sqlite"));
    ASSERT_TRUE(historie.ersetzen({{QDate(2015, 1, 15), {{"USD", 1.1633}, {"CHF", 1.028}}},
                                   {QDate(2015, 1, 16), {{"USD", 1.1535}}}}));
    const struct {
        QStringList argumente;
        int status;
        QString aus, fehler; // stdout, and part of stderr (empty: none at all)
    } faelle[] = {
        // clang-format off
        {{"-c", "100", "EUR", "USD", "ATS", "--date", "2015-01-16"}, 0,
         "USD\t115,35\nATS\t1.376,03\n", ""},
        {{"--date=2015-01-17", "-c", "100", "EUR", "USD", "CHF"}, 0, "USD\t115,35\nCHF\t94,12\n",
         "Für den 2015-01-17 gelten die Kurse vom 2015-01-16."},
        {{"-c", "1", "xau", "--date", "2015-01-16"}, 0, "EUR\t2.000,00\nATS\t27.520,60\n",
         "Für „XAU“ gibt es am 2015-01-16 keinen Referenzkurs der EZB"},
        {{"--list", "--date", "2015-01-15"}, 0, "ATS\tSchilling\t13,7603\t\nUSD\tUS-Dollar\t1,1633\t\n"
         "CHF\tFranken\t1,028\t\nXAU\tGold\t0,0005\tohne Referenzkurs\n", ""},
        // Past the history's last day: the newest rates cannot be fetched, its last day holds.
        {{"-c", "1", "EUR", "USD", "--date", "2015-01-20"}, 0, "USD\t1,15\n",
         "Für den 2015-01-20 gelten die Kurse vom 2015-01-16."},
        {{"--list", "--date", "1999-01-01"}, 2, "", "ungültiges Datum „1999-01-01“"},
        {{"--list", "--date", "2999-01-01"}, 2, "", "ungültiges Datum"},
        {{"--list", "--date", "2015-1-15"}, 2, "", "ungültiges Datum"},
        {{"--list", "--date"}, 2, "", "Option „--date“ braucht einen Wert"},
        {{"--date", "2015-01-15"}, 2, "", "--date gilt nur mit --convert oder --list"},
        // clang-format on
    };
    for (const auto& f : faelle) {
        const Lauf lauf = starten(f.argumente);
        const std::string name = f.argumente.join(' ').toStdString();
        EXPECT_EQ(lauf.status, f.status) << name;
        EXPECT_EQ(lauf.aus, f.aus) << name;
        EXPECT_TRUE(f.fehler.isEmpty() ? lauf.fehler.isEmpty() : lauf.fehler.contains(f.fehler))
            << name << ": " << lauf.fehler.toStdString();
    }
}

} // namespace
} // namespace zirvanto
