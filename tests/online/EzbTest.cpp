// A fresh installation without a program server fetches the ECB's feed
// over HTTPS, through a proxy's CONNECT tunnel to the test server, which
// holds a certificate for the ECB's host from the test's own authority.
#include "Fenstertest.h"
#include "support/Testserver.h"
#include "support/Tinyproxy.h"

#include <QSslKey>

#include <cmath>

namespace zirvanto {
namespace {

using test::Antwort;

const QString Zertifikate = QStringLiteral(ZIRVANTO_QUELLORDNER "/tests/support/zertifikate/");
const QByteArray Kursblatt =
    "<gesmes:Envelope xmlns:gesmes='http://www.gesmes.org/xml/2002-08-01' "
    "xmlns='http://www.ecb.int/vocabulary/2002-08-01/eurofxref'><Cube><Cube time='2026-12-04'>"
    "<Cube currency='USD' rate='1.1702'/></Cube></Cube></gesmes:Envelope>";
const QString Alt = QStringLiteral("Kurse vom 06.07.2026 (Quelle: mitgelieferte Tabelle)\n"
                                   "Die Kurse sind älter als eine Woche.");
const QString Neu = QStringLiteral("Kurse vom 04.12.2026 (Quelle: www.ecb.europa.eu)");

QSslConfiguration tls(const QString& name) {
    QSslConfiguration c = QSslConfiguration::defaultConfiguration();
    c.setLocalCertificate(QSslCertificate::fromPath(Zertifikate + name + ".pem").value(0));
    QFile schluessel(Zertifikate + name + ".key");
    EXPECT_TRUE(schluessel.open(QIODevice::ReadOnly));
    c.setPrivateKey(QSslKey(&schluessel, QSsl::Ec));
    return c;
}

double kontrast(const QColor& a, const QColor& b) {
    const auto l = [](const QColor& c) {
        const auto k = [](double x) {
            return x <= 0.04045 ? x / 12.92 : std::pow((x + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * k(c.redF()) + 0.7152 * k(c.greenF()) + 0.0722 * k(c.blueF()) + 0.05;
    };
    return std::max(l(a), l(b)) / std::min(l(a), l(b));
}

struct EzbTest : test::Fenstertest {
    void SetUp() override {
        Fenstertest::SetUp();
        // The test's authority, trusted in this process only.
        QSslConfiguration c = QSslConfiguration::defaultConfiguration();
        c.addCaCertificates(Zertifikate + "ca.pem");
        QSslConfiguration::setDefaultConfiguration(c);
        globals.Programmserver.clear();
        globals.jetzt = [] { return QDateTime(QDate(2026, 12, 7), QTime(16, 30)); };
        server.antworten = [](const QByteArray& ziel) {
            return ziel == "/stats/eurofxref/eurofxref-daily.xml" ? Antwort{200, Kursblatt}
                                                                  : Antwort{404};
        };
    }
    // What lastUpdate shows: its caption, tooltip, description and colour.
    void anzeigePruefen(const QString& datum, const QString& tooltip, bool warnung) {
        QLabel* l = kind<QLabel>("lastUpdate");
        EXPECT_EQ(l->text(), datum);
        EXPECT_EQ(l->toolTip(), tooltip);
        EXPECT_EQ(l->accessibleDescription(), tooltip);
        const QColor farbe = l->palette().color(QPalette::WindowText);
        EXPECT_EQ(farbe != rechner->palette().color(QPalette::WindowText), warnung);
        EXPECT_TRUE(!warnung || (farbe.hslHue() > 15 && farbe.hslHue() < 345)); // not red
        const QColor grund = l->palette().color(QPalette::Window);
        EXPECT_GE(kontrast(farbe, grund), 4.5);
        // As light as it may be: a step lighter falls short of 4.5:1.
        if (warnung && farbe.lightness() < 128) {
            EXPECT_LT(kontrast(QColor::fromHsl(30, 255, farbe.lightness() + 4), grund), 4.5);
        }
    }
    test::Testserver server;
};

TEST_F(EzbTest, FrischerOrdnerHoltDasKursblattDurchDenProxy) {
    test::Tinyproxy tinyproxy("Upstream http 127.0.0.1:" + QByteArray::number(server.port()));
    ASSERT_TRUE(tinyproxy.bereit) << "tinyproxy fehlt: bash scripts/install-deps.sh";
    const struct {
        quint16 proxy;
        const char* zertifikat;
        bool erfolg;
    } faelle[] = {{server.port(), "server", true},
                  {tinyproxy.port, "server", true},
                  {server.port(), "fremd", false}}; // not from the trusted authority
    for (const auto& f : faelle) {
        QFile::remove(pfad("zirvanto.ini")); // a fresh program folder
        QFile::remove(pfad("currency.ini"));
        ASSERT_TRUE(QFile::copy(quelle("currency.ini"), pfad("currency.ini")));
        const QByteArray kurse = lesen("currency.ini");
        server.tls = tls(QLatin1String(f.zertifikat));
        server.koepfe.clear();
        plattform.meldungen.clear();
        plattform.antworten = {false}; // no update at start: no proxy yet
        oeffnen();
        anzeigePruefen("1. 1. 2001", Alt, true);
        const QByteArray ini = lesen("zirvanto.ini");
        EXPECT_TRUE(ini.contains("\r\nUpdate = 01.01.2001 00:00:00\r\nKursstand = 2026-07-06\r\n"));
        globals.einstellungen.ProxyServer = QStringLiteral("127.0.0.1");
        globals.einstellungen.ProxyPort = f.proxy;
        aktion("Internetupdate")->trigger();

        QList<QByteArray> ziele{"www.ecb.europa.eu:443", "/stats/eurofxref/eurofxref-daily.xml"};
        EXPECT_EQ(server.ziele(), ziele.mid(0, f.erfolg ? 2 : 1)) << f.proxy;
        EXPECT_TRUE(server.koepfe.back().contains("\r\nHost: www.ecb.europa.eu") || !f.erfolg);
        ASSERT_EQ(plattform.meldungen.size(), 1u);
        EXPECT_EQ(plattform.meldungen[0].text.startsWith("Fehler"), !f.erfolg);
        if (!f.erfolg) {
            anzeigePruefen("1. 1. 2001", Alt, true);
            EXPECT_EQ(lesen("currency.ini"), kurse);
            EXPECT_EQ(lesen("zirvanto.ini"), ini);
            continue;
        }
        anzeigePruefen("07.12.2026 16:30:00", Neu, false);
        EXPECT_EQ(globals.Waehrungen[1].ISO + QString::number(globals.Waehrungen[1].Kurs),
                  QStringLiteral("ATS13.7603")); // not in the feed: kept
        EXPECT_TRUE(lesen("currency.ini").contains("\r\nUSD:US-Dollar: 1.1702:us.bmp: 0\r\n"));
        EXPECT_TRUE(
            lesen("zirvanto.ini")
                .contains("\r\nUpdate = 07.12.2026 16:30:00\r\n"
                          "Kursstand = 2026-12-04 www.ecb.europa.eu\r\nAutoUpdate = 0\r\n"));
        // The install request waits for a program server.
        EXPECT_TRUE(lesen("zirvanto.ini").contains("\r\nFreshInstalled = 1\r\n"));
    }
}

} // namespace
} // namespace zirvanto
