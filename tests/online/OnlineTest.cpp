#include "Fenstertest.h"
#include "data/Kursdatei.h"
#include "support/Testserver.h"

#include <QBuffer>
#include <QCheckBox>
#include <QImage>
#include <QLineEdit>

namespace zirvanto {
namespace {

using namespace std::chrono_literals;
using test::Antwort;

const QByteArray Skript = "http://www.zirvanto.example/cgi-bin/rechner_parser.pl?action=";
const QByteArray Kurse = "http://kurse.example/k?a=1&rechner=1010";

QByteArray bild(int breite, int hoehe) {
    QImage b(breite, hoehe, QImage::Format_RGB32);
    b.fill(Qt::blue);
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    b.save(&puffer, "BMP");
    return puffer.data();
}

// A program server's protocol. Every request goes through the test server
// as the proxy, so the built-in script address is seen as it is, and
// nothing leaves the machine.
class OnlineTest : public test::Fenstertest {
protected:
    void SetUp() override {
        Fenstertest::SetUp();
        globals.Programmserver = QStringLiteral("http://www.zirvanto.example");
        schreiben("currency.ini", "ATS:Schilling: 13.7603:: 0\r\nUSD:US-Dollar: 1.5:: 1\r\n");
        einstellen("");
    }
    void einstellen(const QByteArray& mehr) {
        schreiben("zirvanto.ini", "Main = ATS\r\nActive = USD;1\r\nCurrencyURL = "
                                  "http://kurse.example/k?a=1\r\nProxy = 127.0.0.1\r\nPort = " +
                                      QByteArray::number(server.port()) + "\r\n" + mehr);
    }
    Rechner& starten() {
        rechner.reset();
        rechner = std::make_unique<Rechner>(globals, plattform, ordner.path(), test::Deutsch,
                                            QStringList{}, nullptr, Fristen{300ms, 1000ms});
        rechner->show();
        QApplication::setActiveWindow(rechner.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(rechner.get()));
        return *rechner;
    }
    Antwort antwort;

    test::Testserver server;
};

TEST_F(OnlineTest, StartMitUpdateUndDanachDerUpdateKnopf) {
    einstellen("AutoUpdate = 1\r\nFreshInstalled = 1\r\n");
    int nz = 0;
    server.antworten = [&](const QByteArray& ziel) -> Antwort {
        if (ziel == Skript + "install&rechner=1010")
            return {200, "FlagURL = http://flaggen.example/\nLogoURL = http://logo.example/l?x=1\n"
                         "Text01 = <b>Neu</b>\nText08 = <i>Werbung</i>\n"};
        if (ziel == Kurse)
            return {200, "[USD:US-Dollar:1.1415:us.bmp]<br>[NZD:Neuseeland-Dollar:1.9:nz.bmp]"};
        if (ziel == "http://flaggen.example/us.bmp") return {200, bild(31, 24)};
        // Pictures refused: too high, then one byte too short.
        if (ziel == "http://flaggen.example/nz.bmp")
            return {200, nz++ ? bild(2, 2).leftJustified(513, '\0') : bild(1, 1025)};
        if (ziel == "http://logo.example/l?x=1&rechner=1010") return {200, bild(266, 89)};
        return {404};
    };
    Rechner& r = starten();
    EXPECT_EQ(server.ziele(),
              (QList<QByteArray>{Skript + "install&rechner=1010", Kurse,
                                 "http://flaggen.example/us.bmp", "http://flaggen.example/nz.bmp",
                                 "http://logo.example/l?x=1&rechner=1010"}));
    EXPECT_TRUE(plattform.meldungen.empty());
    EXPECT_EQ(r.windowTitle(), QStringLiteral("<b>Neu</b>"));
    EXPECT_TRUE(kind("WerbeLogo")->toolTip().contains("&lt;i&gt;Werbung&lt;/i&gt;")); // as text
    EXPECT_EQ(kind<QLabel>("WerbeLogo")->pixmap().size(), QSize(266, 89));
    EXPECT_EQ(lesen("currency.ini"), "ATS:Schilling: 13.7603:: 0\r\nUSD:US-Dollar: 1.1415:us.bmp: "
                                     "0\r\nNZD:Neuseeland-Dollar: 1.9:nz.bmp: 0\r\n");
    const QByteArray ini = lesen("zirvanto.ini");
    EXPECT_FALSE(ini.contains("FreshInstalled"));
    EXPECT_TRUE(ini.contains("\r\nText01 = <b>Neu</b>\r\n"));
    EXPECT_LT(globals.einstellungen.UpdateDatum.secsTo(QDateTime::currentDateTime()), 60);

    // The rows, built when the table opens, show the flag fetched at the start.
    klicken("AufZu");
    EXPECT_FALSE(kind<QLabel>("SidePicture(1)")->pixmap().isNull());
    // Registered already: the button fetches the rates alone, then clears the entry.
    tippen(QStringLiteral("5"));
    klicken("Update");
    EXPECT_EQ(server.ziele().mid(5), (QList<QByteArray>{Kurse, "http://flaggen.example/nz.bmp"}));
    EXPECT_FALSE(QFile::exists(pfad("nz.bmp")));
    ASSERT_EQ(plattform.meldungen.size(), 1u);
    EXPECT_EQ(plattform.meldungen[0].text,
              QStringLiteral("Die Wechselkurse wurden erfolgreich geladen."));
    EXPECT_EQ(text("DispSchilling"), QStringLiteral("0,00 "));

    starten(); // the next start announces itself as a start
    EXPECT_EQ(server.ziele().value(7), Skript + "startup&rechner=1010");
}

TEST_F(OnlineTest, FehlgeschlagenesUpdateAendertNichts) {
    einstellen("AutoUpdate = 1\r\n");
    Antwort anmeldung{200, {}, {}, Antwort::Schweigen};
    server.antworten = [&](const QByteArray& ziel) { return ziel == Kurse ? antwort : anmeldung; };
    starten(); // at start, a request without answer ends the round, silently
    EXPECT_EQ(server.ziele(), QList<QByteArray>{Skript + "startup&rechner=1010"});
    EXPECT_TRUE(plattform.meldungen.empty());
    anmeldung = {200, "Text02 = angemeldet\n"}; // kept though the rates fail
    const QByteArray kurse = lesen("currency.ini");
    for (const Antwort& a : {Antwort{500, "Fehler"}, Antwort{200, "<html>Proxy-Fehler</html>"}}) {
        antwort = a;
        plattform.meldungen.clear();
        tippen(QStringLiteral("5"));
        aktion("Internetupdate")->trigger();
        EXPECT_TRUE(QTest::qWaitForWindowActive(rechner.get())); // back from the notice
        ASSERT_EQ(plattform.meldungen.size(), 1u);
        EXPECT_EQ(plattform.meldungen[0].text,
                  QStringLiteral("Fehler: die Wechselkurse konnten nicht geladen werden!"));
        EXPECT_EQ(lesen("currency.ini"), kurse);
        EXPECT_TRUE(lesen("zirvanto.ini").contains("\r\nText02 = angemeldet\r\n"));
        EXPECT_EQ(text("DispSchilling"), QStringLiteral("5, "));
        taste(Qt::Key_Escape);
    }
    // Unregistered, the update tries the registration and the logo first.
    EXPECT_EQ(server.ziele().mid(1, 3), (QList<QByteArray>{Skript + "startup&rechner=1010",
                                                           Skript + "logo&rechner=1010", Kurse}));
}

TEST_F(OnlineTest, JedesMisslungeneSpeichernWirdGemeldet) {
    server.antworten = [](const QByteArray& ziel) {
        return ziel == Kurse ? Antwort{200, "[USD:US-Dollar:1.2:(none)]"} : Antwort{404};
    };
    const QByteArray ini = lesen("zirvanto.ini"), kurse = lesen("currency.ini");
    for (const char* datei : {"zirvanto.ini", "currency.ini"}) {
        starten();
        plattform.meldungen.clear();
        ASSERT_TRUE(QFile::remove(pfad(datei)) && QDir(ordner.path()).mkdir(datei)); // in the way
        aktion("Internetupdate")->trigger();
        ASSERT_EQ(plattform.meldungen.size(), 2u) << datei;
        EXPECT_TRUE(plattform.meldungen[0].text.contains(pfad(datei)));
        EXPECT_TRUE(plattform.meldungen[1].text.contains("erfolgreich"));
        ASSERT_TRUE(QDir(ordner.path()).rmdir(datei));
        schreiben("zirvanto.ini", ini);
        schreiben("currency.ini", kurse);
    }
}

TEST_F(OnlineTest, EinstellungenBestaetigtUndAbgebrochen) {
    starten();
    EXPECT_TRUE(server.koepfe.empty()); // no registration without AutoUpdate
    for (const auto& [port, erwartet, knopf] : {std::tuple{"8080.5", 8080, "Neu(0)"},
                                                {"8081.5", 8082, "Neu(0)"},
                                                {"65535", 65535, "Neu(0)"},
                                                {"65536", 0, "Neu(0)"},
                                                {"3128", 0, "Neu(1)"}}) {
        QString hilfe;
        plattform.dialogSkript = [&](QDialog& d) {
            d.show();
            if (d.objectName() == u"HilfeDialog") return hilfe = d.windowTitle(), 0;
            d.findChild<QLineEdit*>("Proxy")->setText(QStringLiteral(" proxy "));
            d.findChild<QLineEdit*>("Port")->setText(QLatin1String(port));
            d.findChild<QCheckBox*>("autoUpdate")->setChecked(true);
            QTest::mouseClick(d.findChild<QPushButton*>("Hilfe"), Qt::LeftButton);
            QTest::mouseClick(d.findChild<QPushButton*>(knopf), Qt::LeftButton);
            return d.result();
        };
        QFile::remove(pfad("zirvanto.ini")); // written also when cancelled
        aktion("Einstellungen")->trigger();
        EXPECT_EQ(hilfe, QStringLiteral("Zirvanto"));
        EXPECT_EQ(globals.einstellungen.ProxyPort, erwartet) << port;
        EXPECT_EQ(globals.einstellungen.ProxyServer, QStringLiteral(" proxy "));
        EXPECT_TRUE(globals.einstellungen.AutoUpdateAktiv);
        EXPECT_TRUE(lesen("zirvanto.ini").contains("\r\nPort = " + QByteArray::number(erwartet)));
    }
}

} // namespace
} // namespace zirvanto
