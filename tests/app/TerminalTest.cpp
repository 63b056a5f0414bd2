// The real program on the terminal, linked into a temporary program folder
// and run without any display variable.
#include "support/Programmordner.h"

#include <QProcess>
#include <QRegularExpression>

#include <unistd.h>

namespace zirvanto {
namespace {

struct Lauf {
    int status;
    QString aus, fehler;
};

class TerminalTest : public Programmordner {
protected:
    // The program folder is the folder of the executable.
    void SetUp() override {
        ASSERT_TRUE(QDir(ordner.path()).mkpath("bin"));
        ASSERT_TRUE(::link(ZIRVANTO_PROGRAMM, qPrintable(programm)) == 0 ||
                    QFile::copy(ZIRVANTO_PROGRAMM, programm));
    }

    // `umgebung`: the locale, then further variables as NAME=VALUE.
    Lauf starten(const QStringList& argumente, const QString& umgebung = "de_DE") const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        static const QRegularExpression weg("^(LC_.*|LANG.*|DISPLAY|WAYLAND_DISPLAY|QT_.*)$");
        for (const QString& name : env.keys())
            if (weg.match(name).hasMatch()) env.remove(name);
        QStringList setzen = umgebung.split(' ');
        setzen[0].prepend("LC_ALL=");
        for (const QString& paar : setzen << "XDG_DATA_HOME=" + pfad("daten"))
            env.insert(paar.section('=', 0, 0), paar.section('=', 1));
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(programm, argumente);
        EXPECT_TRUE(p.waitForFinished(30000));
        return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
                QString::fromUtf8(p.readAllStandardOutput()),
                QString::fromUtf8(p.readAllStandardError())};
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

} // namespace
} // namespace zirvanto
