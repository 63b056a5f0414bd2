#include "online/Webretreiver.h"
#include "data/Einstellungen.h"
#include "support/QtDrucken.h"
#include "support/Testserver.h"
#include "support/Tinyproxy.h"

#include <QGuiApplication>

#include <gtest/gtest.h>

namespace zirvanto {
namespace {

using namespace std::chrono_literals;
using test::Antwort;
using F = Abruffehler;
using test::freierPort;

struct WebretreiverTest : ::testing::Test {
    Abruf text(const char* pfad) { return w.textOeffnen(server.adresse(QLatin1String(pfad))); }
    test::Testserver server;
    Webretreiver w{Fristen{400ms, 1500ms}};
};

TEST_F(WebretreiverTest, FehlerFristenGrenzenUndUmleitungen) {
    const struct {
        const char* pfad;
        Antwort antwort;
        F fehler;
    } faelle[] = {
        {"/fehlt", {400, "weg"}, F::Status},
        {"/ohneZiel", {304}, F::Status},
        {"/still", {200, {}, {}, Antwort::Schweigen}, F::Frist},
        {"/tropfen", {200, {}, {}, Antwort::Tropfen}, F::Frist}, // a byte every 100 ms
        {"/gross", {200, "x", "Content-Length: 4194305\r\n"}, F::Groesse},
        {"/gerade", {200, QByteArray(4 << 20, 'x')}, F::Keiner},
        {"/datei", {302, {}, "Location: file:///etc/passwd\r\n"}, F::Umleitung},
        {"/um6", {302, {}, "Location: /um5\r\n"}, F::Umleitung}, // six redirects to "/um0"
    };
    server.antworten = [&](const QByteArray& ziel) -> Antwort {
        if (ziel.startsWith("/um") && ziel != "/um0")
            return {
                302, {}, "Location: /um" + QByteArray::number(ziel.mid(3).toInt() - 1) + "\r\n"};
        for (const auto& f : faelle)
            if (ziel == f.pfad) return f.antwort;
        return {200, "Kurse"};
    };
    for (const auto& f : faelle)
        EXPECT_EQ(text(f.pfad).fehler, f.fehler) << f.pfad;
    const Abruf fuenf = text("/um5");
    EXPECT_EQ(fuenf.text + fuenf.adresse.path(), QStringLiteral("Kurse/um0"));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr); // restored in every outcome
    EXPECT_EQ(w.bytesOeffnen(server.adresse("/gerade")).fehler, F::Groesse); // 1 MiB for bytes
    for (const char* adresse : {"file:///etc/passwd", "at.bmp"})
        EXPECT_EQ(w.textOeffnen(QLatin1String(adresse)).fehler, F::Adresse) << adresse;
}

TEST_F(WebretreiverTest, UnerreichbaresWirdInDerRundeUebersprungen) {
    server.antworten = [](const QByteArray&) { return Antwort{200, {}, {}, Antwort::Schweigen}; };
    const QString anderer = QStringLiteral("http://localhost:%1/").arg(server.port());
    {
        const Webretreiver::Runde runde(w, Webretreiver::Runde::Manuell);
        EXPECT_EQ(w.textOeffnen(anderer).fehler, F::Frist);
        const QString frei = QStringLiteral("http://127.0.0.1:%1/").arg(freierPort());
        EXPECT_EQ(w.textOeffnen(frei).fehler, F::Verbindung); // another host is still asked
        EXPECT_EQ(text("/x").fehler, F::Uebersprungen);       // not the same one again
    }
    const Webretreiver::Runde start(w, Webretreiver::Runde::Start);
    EXPECT_EQ(text("/x").fehler, F::Frist);
    EXPECT_EQ(w.textOeffnen(anderer).fehler, F::Uebersprungen); // at start a deadline ends all
    EXPECT_EQ(server.koepfe.size(), 2u);
}

TEST_F(WebretreiverTest, TextDirektUndDurchEinenEchtenProxy) {
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

    test::Tinyproxy tinyproxy;
    ASSERT_TRUE(tinyproxy.bereit) << "tinyproxy fehlt: bash scripts/install-deps.sh";
    Einstellungen e;
    e.ProxyPort = 0;
    e.ProxyServer = QStringLiteral(" http://127.0.0.1 "); // as typed
    w.vorbereiten(e);                                     // port 0: direct
    EXPECT_EQ(w.AccessType, Webretreiver::Zugang::Direkt);
    e.ProxyPort = tinyproxy.port;
    w.vorbereiten(e);
    EXPECT_EQ(text("/b").text, QStringLiteral("Grüße"));
    EXPECT_TRUE(server.koepfe.back().contains("tinyproxy")); // its Via header
    EXPECT_FALSE(server.koepfe.front().contains("tinyproxy"));
    tinyproxy.stoppen();
    EXPECT_EQ(text("/c").fehler, F::Proxy);
    EXPECT_EQ(server.koepfe.size(), 3u);
}

} // namespace
} // namespace zirvanto
