#include "online/Webretreiver.h"
#include "data/Einstellungen.h"
#include "support/QtDrucken.h"
#include "support/Testserver.h"

#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace zirvanto {
namespace {

using namespace std::chrono_literals;
using test::Antwort;

TEST(Webretreiver, ProxyZugangUndProtokoll) {
    const struct {
        const char* proxy;
        int port;
        const char* wert;
        Webretreiver::Zugang zugang;
    } faelle[] = {
        {"proxy.example", 3128, "proxy.example:3128", Webretreiver::Zugang::BenannterProxy},
        {"", 8080, ":8080", Webretreiver::Zugang::Direkt},
        {"proxy.example", 0, "proxy.example:0", Webretreiver::Zugang::Direkt},
    };
    for (const auto& f : faelle) {
        Einstellungen e;
        e.ProxyServer = QString::fromUtf8(f.proxy);
        e.ProxyPort = f.port;
        Webretreiver w;
        w.vorbereiten(e);
        EXPECT_EQ(w.Proxy, QString::fromUtf8(f.wert));
        EXPECT_EQ(w.AccessType, f.zugang) << f.wert;
        EXPECT_EQ(w.Protocol, Webretreiver::Protokoll::HTTP);
    }
}

quint16 freierPort() {
    QTcpServer s;
    s.listen(QHostAddress::LocalHost);
    return s.serverPort();
}

class WebretreiverServer : public ::testing::Test {
protected:
    Abruf text(const char* pfad) { return w.textOeffnen(server.adresse(QLatin1String(pfad))); }
    test::Testserver server;
    Webretreiver w{Fristen{400ms, 1500ms}};
};

TEST_F(WebretreiverServer, FehlerFristenGrenzenUndUmleitungen) {
    server.antworten = [](const QByteArray& ziel) -> Antwort {
        const QByteArray pfad = ziel.mid(1);
        if (pfad == "ok") return {200, "Kurse", {}};
        if (pfad == "leer") return {200, {}, {}};
        if (pfad == "fehlt") return {404, "weg", {}};
        if (pfad == "kaputt") return {500, "Fehler", {}};
        if (pfad == "still") return {200, {}, {}, Antwort::Schweigen};
        if (pfad == "tropfen") return {200, {}, {}, Antwort::Tropfen};
        if (pfad == "angekuendigt") return {200, "x", "Content-Length: 4194305\r\n"};
        if (pfad == "gross") return {200, QByteArray(4 << 20, 'x') + "y", {}};
        if (pfad == "gerade") return {200, QByteArray(4 << 20, 'x'), {}};
        if (pfad == "datei") return {302, {}, "Location: file:///etc/passwd\r\n"};
        if (pfad.startsWith("um")) { // um<n>: n more redirects, then "ok"
            const int n = pfad.mid(2).toInt();
            return {302,
                    {},
                    "Location: /" + (n > 1 ? "um" + QByteArray::number(n - 1) : "ok") + "\r\n"};
        }
        return {404, {}, {}};
    };
    const struct {
        const char* pfad;
        Abruffehler fehler;
    } faelle[] = {
        {"/ok", Abruffehler::Keiner},
        {"/leer", Abruffehler::Keiner},
        {"/fehlt", Abruffehler::Status},
        {"/kaputt", Abruffehler::Status},
        {"/still", Abruffehler::Frist},
        {"/tropfen", Abruffehler::Frist},
        {"/angekuendigt", Abruffehler::Groesse},
        {"/gross", Abruffehler::Groesse},
        {"/gerade", Abruffehler::Keiner},
        {"/um5", Abruffehler::Keiner},
        {"/um6", Abruffehler::Umleitung},
        {"/datei", Abruffehler::Umleitung},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(text(f.pfad).fehler, f.fehler) << f.pfad;
    EXPECT_EQ(text("/um2").text, QStringLiteral("Kurse"));
    EXPECT_EQ(text("/um1").adresse, QUrl(server.adresse("/ok")));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr); // restored in every outcome
    // Byte replies are capped at 1 MiB.
    EXPECT_EQ(w.bytesOeffnen(server.adresse("/gerade")).fehler, Abruffehler::Groesse);

    for (const char* adresse : {"ftp://127.0.0.1/x", "file:///etc/passwd", "at.bmp", ""})
        EXPECT_EQ(w.textOeffnen(QLatin1String(adresse)).fehler, Abruffehler::Adresse) << adresse;
    EXPECT_EQ(w.textOeffnen(QStringLiteral("http://127.0.0.1:%1/").arg(freierPort())).fehler,
              Abruffehler::Verbindung);
}

TEST_F(WebretreiverServer, UnerreichbaresWirdInDerRundeUebersprungen) {
    server.antworten = [](const QByteArray&) { return Antwort{200, {}, {}, Antwort::Schweigen}; };
    const QString zu = QStringLiteral("http://127.0.0.1:%1/").arg(freierPort());
    {
        const Webretreiver::Runde runde(w, Webretreiver::Runde::Manuell);
        EXPECT_EQ(w.textOeffnen(zu).fehler, Abruffehler::Verbindung);
        EXPECT_EQ(w.textOeffnen(server.adresse("/x")).fehler, Abruffehler::Uebersprungen);
        EXPECT_EQ(w.textOeffnen(QStringLiteral("http://localhost:%1/").arg(server.port())).fehler,
                  Abruffehler::Frist); // another host is still asked
    }
    const Webretreiver::Runde start(w, Webretreiver::Runde::Start);
    EXPECT_EQ(text("/x").fehler, Abruffehler::Frist);
    EXPECT_EQ(w.textOeffnen(QStringLiteral("http://localhost:%1/").arg(server.port())).fehler,
              Abruffehler::Uebersprungen); // at start a deadline ends every request
    EXPECT_EQ(server.koepfe.size(), 2u);
}

TEST_F(WebretreiverServer, TextDirektUndDurchEinenEchtenProxy) {
    QByteArray typ;
    server.antworten = [&](const QByteArray&) {
        return Antwort{200,
                       "Gr\xc3\xbc\xc3\x9f"
                       "e",
                       typ};
    };
    EXPECT_EQ(text("/a").text, QStringLiteral("GrÃ¼ÃŸe")); // Windows-1252
    typ = "Content-Type: text/plain; charset=UTF-8\r\n";
    EXPECT_EQ(text("/a").text, QStringLiteral("Grüße"));
    EXPECT_TRUE(server.koepfe.back().contains("\r\nUser-Agent: Zirvanto/3.0\r\n"));
    EXPECT_FALSE(server.koepfe.back().contains("tinyproxy"));

    // tinyproxy on a free port of its own, started with a generated configuration.
    const QString programm = QStandardPaths::findExecutable(QStringLiteral("tinyproxy"));
    ASSERT_FALSE(programm.isEmpty()) << "tinyproxy fehlt: bash scripts/install-deps.sh";
    QTemporaryDir ordner;
    const quint16 port = freierPort();
    QFile konfiguration(ordner.filePath(QStringLiteral("tinyproxy.conf")));
    ASSERT_TRUE(konfiguration.open(QIODevice::WriteOnly));
    konfiguration.write("Port " + QByteArray::number(port) +
                        "\nListen 127.0.0.1\nTimeout 10\nMaxClients 5\nLogLevel Error\n");
    konfiguration.close();
    QProcess proxy;
    proxy.start(programm, {QStringLiteral("-d"), QStringLiteral("-c"), konfiguration.fileName()});
    QTcpSocket probe;
    for (int i = 0; i < 50 && probe.state() != QAbstractSocket::ConnectedState; ++i) {
        probe.connectToHost(QHostAddress::LocalHost, port);
        if (!probe.waitForConnected(100)) QTest::qWait(100);
    }
    probe.abort();

    Einstellungen e;
    e.ProxyServer = QStringLiteral(" 127.0.0.1 "); // blanks as typed
    e.ProxyPort = port;
    w.vorbereiten(e);
    EXPECT_EQ(text("/b").text, QStringLiteral("Grüße"));
    EXPECT_TRUE(server.koepfe.back().contains("tinyproxy")) << server.koepfe.back().constData();
    EXPECT_EQ(server.ziele().back(), "/b");
    proxy.terminate();
    proxy.waitForFinished();
    EXPECT_EQ(text("/c").fehler, Abruffehler::Proxy);
    EXPECT_EQ(server.koepfe.size(), 3u);
}

} // namespace
} // namespace zirvanto
