// The real program on the terminal, linked into a temporary program folder
// and run without any display variable.
#include "support/Programmordner.h"

#include <QProcess>

#include <unistd.h>

namespace zirvanto {
namespace {

struct Lauf {
    int status;
    QByteArray aus, fehler;
};

class TerminalTest : public Programmordner {
protected:
    void SetUp() override {
        programm = pfad(QStringLiteral("bin/zirvanto"));
        ASSERT_TRUE(QDir(ordner.path()).mkpath(QStringLiteral("bin")));
        // The program folder is the folder of the executable, so a link
        // (or else a copy) of the program lives in the temporary folder.
        ASSERT_TRUE(::link(ZIRVANTO_PROGRAMM, qPrintable(programm)) == 0 ||
                    QFile::copy(QStringLiteral(ZIRVANTO_PROGRAMM), programm));
    }

    Lauf starten(const QStringList& argumente, const QString& locale = "de_DE.UTF-8",
                 const QStringList& setzen = {}) const {
        QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
        for (const QString& name : umgebung.keys())
            if (name.startsWith("LC_") || name == "LANG" || name == "LANGUAGE" ||
                name == "DISPLAY" || name == "WAYLAND_DISPLAY" || name.startsWith("QT_"))
                umgebung.remove(name);
        umgebung.insert("LC_ALL", locale);
        umgebung.insert("XDG_DATA_HOME", pfad("daten"));
        for (const QString& paar : setzen)
            umgebung.insert(paar.section('=', 0, 0), paar.section('=', 1));
        QProcess p;
        p.setProcessEnvironment(umgebung);
        p.start(programm, argumente);
        EXPECT_TRUE(p.waitForFinished(30000));
        return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
                p.readAllStandardOutput(), p.readAllStandardError()};
    }

    QString programm;
};

// Every row runs with the same table: USD twice (the second in lower case),
// a hand-set CHF, a code without a rate, ATS as the main currency.
TEST_F(TerminalTest, OptionenBetraegeCodesUndExitStatus) {
    schreiben("bin/currency.ini", "ATS:\xD6sterreichischer Schilling: 13.7603:: 0\r\n"
                                  "USD:US-Dollar: 1.1415:: 0\r\nusd:Zweiter Dollar: 2:: 0\r\n"
                                  "CHF:Schweizer Franken: .9412:: 1\r\nXXX:Ohne Kurs: 0:: 0\r\n");
    schreiben("bin/zirvanto.ini", "Main = ATS\r\n");
    const QString nbsp = QString(QChar(0xA0));
    const struct {
        QStringList argumente;
        QString locale;
        int status;
        QString text; // stdout on success, else part of stderr
    } faelle[] = {
        {{"--convert", "1250", "USD", "EUR", "ATS"}, "de_DE", 0, "EUR\t1.095,05\nATS\t15.068,22\n"},
        {{"-c", "1250.5", "usd"}, "C", 0, "EUR\t1095.49\nATS\t15074.25\n"},
        {{"1.250,5", "Usd", "-c"}, "de_DE", 0, "EUR\t1.095,49\nATS\t15.074,25\n"},
        {{"-c", "1 250,5", "usd"},
         "de_AT",
         0,
         "EUR\t1" + nbsp + "095,49\nATS\t15" + nbsp + "074,25\n"},
        {{"-c", "1'250.5", "EUR", "EUR"}, "de_CH", 0, "EUR\t1\u2019250.50\n"},
        {{"-c", "1.250", "EUR", "EUR"}, "de_DE", 0, "EUR\t1.250,00\n"},
        {{"-c", "1250.5", "EUR", "eur"}, "de_DE", 0, "EUR\t1.250,50\n"},
        {{"-c", "-5", "EUR", "CHF", "usd"}, "de_DE", 0, "CHF\t-4,71\nUSD\t-5,71\n"},
        {{"-c", "-0,5", "ATS"}, "de_DE", 0, "EUR\t-0,04\nATS\t-0,50\n"},
        {{"--list"},
         "de_DE",
         0,
         "ATS\t\u00D6sterreichischer Schilling\t13,7603\t\nUSD\tUS-Dollar\t1,1415\t\n"
         "usd\tZweiter Dollar\t2\t\nCHF\tSchweizer Franken\t0,9412\tmanuell\n"},
        {{"--list"}, "POSIX", 0, "ATS\t\u00D6sterreichischer Schilling\t13.7603\t\n"},
        // Qt's own options still start the window, here on a platform that does not exist.
        {{"-platform", "keine", "-reverse"}, "de_DE", -1, "platform plugin \"keine\""},
        {{"--frob"}, "de_DE", 2, "unbekannte Option „--frob“"},
        {{"-c", "-x"}, "de_DE", 2, "unbekannte Option „-x“"},
        {{"--convert=5", "EUR"}, "de_DE", 2, "Option „--convert“ nimmt keinen Wert"},
        {{"5", "EUR"}, "de_DE", 2, "unerwartetes Argument „5“"},
        {{"--list", "-c", "5", "EUR"}, "de_DE", 2, "schließen einander aus"},
        {{"-c", "5"}, "de_DE", 2, "braucht einen Betrag und eine Währung"},
        {{"-c", "1.25,5", "EUR"}, "de_DE", 2, "ungültiger Betrag „1.25,5“"},
        {{"-c", "1.250,5", "EUR"}, "C", 2, "ungültiger Betrag"},
        {{"-c", "1e3", "EUR"}, "de_DE", 2, "ungültiger Betrag"},
        {{"-c", "+5", "EUR"}, "de_DE", 2, "ungültiger Betrag"},
        {{"-c", "5,", "EUR"}, "de_DE", 2, "ungültiger Betrag"},
        {{"-c", "100000000000000000000", "EUR"}, "C", 2, "mehr Stellen, als die Anzeige"},
        {{"-c", "5", "EUR", "ATS", "XYZ"}, "de_DE", 3, "unbekannte Währung „XYZ“"},
        {{"-c", "5", "xxx", "EUR"}, "de_DE", 3, "Währung „XXX“ hat keinen Kurs"},
    };
    for (const auto& f : faelle) {
        const Lauf lauf = starten(f.argumente, f.locale);
        const QString name = f.argumente.join(' ') + " unter " + f.locale;
        EXPECT_EQ(lauf.status, f.status) << name.toStdString();
        const QString aus = QString::fromUtf8(lauf.aus), fehler = QString::fromUtf8(lauf.fehler);
        if (f.status != 0)
            EXPECT_TRUE(aus.isEmpty() && fehler.contains(f.text))
                << name.toStdString() << ": " << fehler.toStdString();
        else if (f.locale == "POSIX")
            EXPECT_TRUE(aus.startsWith(f.text) && fehler.isEmpty()) << name.toStdString();
        else
            EXPECT_TRUE(aus == f.text && fehler.isEmpty())
                << name.toStdString() << ": " << aus.toStdString() << fehler.toStdString();
    }
}

// Help and version go to stdout; a broken X display does not matter, as
// nothing of the GUI is created.
TEST_F(TerminalTest, HilfeVersionUndKeinBildschirm) {
    EXPECT_TRUE(starten({"--help"}).aus.contains("-c, --convert BETRAG VON [NACH...]"));
    EXPECT_TRUE(starten({"--version"}).aus.startsWith("zirvanto (Zirvanto) "));
    const Lauf lauf =
        starten({"-c", "2", "EUR", "EUR"}, "C", {"QT_QPA_PLATFORM=xcb", "DISPLAY=:4711"});
    EXPECT_EQ(lauf.status, 0) << lauf.fehler.toStdString();
    EXPECT_EQ(lauf.aus, "EUR\t2.00\n");
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

} // namespace
} // namespace zirvanto
