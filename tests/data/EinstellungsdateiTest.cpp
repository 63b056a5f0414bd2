#include "data/Einstellungsdatei.h"

#include "../support/Programmordner.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace zirvanto {
namespace {

const QLocale Deutsch(QLocale::German, QLocale::Germany);

// EUR, ATS, DEM, a second ATS spelt "Ats", USD; no program server unless named.
Globals mitTabelle(const QString& server = {}) {
    Globals g;
    g.Programmserver = server;
    g.einstellungen = Einstellungen(server);
    for (const char* iso : {"ATS", "DEM", "Ats", "USD"})
        g.Waehrungen.anhaengen({iso, iso, 1, false, 0, "", false});
    return g;
}

// Reads `zeile` alone into the start state; returns the lines of the
// settings file that are new after it, joined by "|".
QString geaendert(const char* zeile, const char* server) {
    Globals g = mitTabelle(QString::fromLatin1(server));
    const QStringList vorher = einstellungszeilen(g, Deutsch);
    einstellungenAnwenden({zeile}, g, Deutsch);
    QStringList nachher = einstellungszeilen(g, Deutsch);
    nachher.removeIf([&](const QString& z) { return vorher.contains(z); });
    return nachher.join(u'|');
}

TEST(Einstellungsdatei, LiestJedeZeileFuerSich) {
    const struct {
        const char *zeile, *geaendert, *server = nullptr;
    } faelle[] = {
        // clang-format off
        // the last entry with the code wins; an unknown code keeps the Euro
        {"  main=dem  ", "Main = DEM"}, {"MAIN = ats", "Main = Ats"}, {"Main = XYZ", ""},
        // "Code;Row", the row rounded to 1..14
        {"Active = ats;3", "Active = ATS;3|Active = Ats;3"}, {"Active = DEM ; 2.5", "Active = DEM;2"},
        {"Active = DEM;14.4", "Active = DEM;14"}, {"Active = DEM;0.5", ""}, {"Active = DEM", ""},
        // the port rounded to 0..65535, else 0
        {"Port = 65535", "Port = 65535"}, {"Port = 65536", "Port = 0"}, {"Port = -1", "Port = 0"},
        {"Port = 81.5", "Port = 82"}, {"AutoUpdate = 1.0", "AutoUpdate = 1"}, {"AutoUpdate = 2", ""},
        {"text20=  Ende  ", "Text20 = Ende"}, {"TEXT 7 = sieben", "Text07 = sieben"},
        {"Text05 = ", ""}, {"Text00 = null", ""}, {"Text21 = zuviel", ""}, {"T = kurz", ""},
        {"werbeurl=W", "WerbeURL = W"}, {"CurrencyURL = C?A=1", "CurrencyURL = C?A=1"},
        {"LogoURL = L", "LogoURL = L"}, {"FlagURL = F/", "FlagURL = F/"},
        {" Proxy = Cache ", "Proxy = Cache"}, {"FreshInstalled = 0", "FreshInstalled = 1"},
        // a two-digit year lies after 2000; ISO 8601 is read too
        {"Update = 06.07.26 14:30", "Update = 06.07.2026 14:30:00"}, {"Update = Mittwoch", ""},
        {"Update = 2026-07-06T14:30:05", "Update = 06.07.2026 14:30:05"},
        // as written under British English or Italian, and American English
        {"Update = 06/07/2026 14:30:05", "Update = 06.07.2026 14:30:05"},
        {"Update = 7/6/2026 2:30:05 PM", "Update = 06.07.2026 14:30:05"},
        // earlier start values read as this build's: the script under the
        // reserved host, and the ECB feed with "?" unless a program server
        // adds its identifier to it
        {"CurrencyURL = http://www.zirvanto.example/cgi-bin/rechner_parser.pl?action=currency", ""},
        {"LogoURL = http://www.zirvanto.example/cgi-bin/rechner_parser.pl?action=logo", ""},
        {"WerbeURL = http://www.zirvanto.example/cgi-bin/rechner_parser.pl?action=ad", ""},
        {"WerbeURL = http://www.zirvanto.example/cgi-bin/rechner_parser.pl?action=ad", "", "http://s"},
        {"CurrencyURL = https://www.ecb.europa.eu/stats/eurofxref/eurofxref-daily.xml?", ""},
        {"CurrencyURL = https://www.ecb.europa.eu/stats/eurofxref/eurofxref-daily.xml?",
         "CurrencyURL = https://www.ecb.europa.eu/stats/eurofxref/eurofxref-daily.xml?", "http://s"},
        // clang-format on
    };
    for (const auto& f : faelle)
        EXPECT_EQ(geaendert(f.zeile, f.server), f.geaendert) << f.zeile;
    // A date written under any interface language reads back under each.
    const QDateTime zeitpunkt(QDate(2026, 7, 6), QTime(14, 30, 5));
    for (const char* schreiber : {"de_AT", "en_GB", "it_IT", "en_US"})
        for (const char* leser : {"de_AT", "en_GB", "it_IT", "en_US"})
            EXPECT_EQ(updateLesen(updateText(zeitpunkt, QLocale(schreiber)), QLocale(leser)),
                      zeitpunkt)
                << schreiber << " " << leser;
}

using EinstellungsdateiOrdner = Programmordner;

TEST_F(EinstellungsdateiOrdner, RundreiseGibtDieselbenBytes) {
    // Every key in the order of writing; a Windows-1252 umlaut in each text.
    QByteArray datei = "Main = DEM\r\nWerbeURL = http://w.example/cgi?action=ad\r\n"
                       "LogoURL = l.bmp\r\nCurrencyURL = c.txt\r\nFlagURL = flaggen/\r\n"
                       "Proxy = proxy.example\r\nPort = 3128\r\nUpdate = 06.07.2026 14:30:05\r\n"
                       "AutoUpdate = 1\r\nFreshInstalled = 1\r\n";
    for (int i = 1; i <= 20; ++i)
        datei += "Text" + QByteArray::number(i).rightJustified(2, '0') + " = \xC4nderung, \"" +
                 QByteArray::number(i) + "\"\r\n";
    datei += "Active = ATS;1\r\nActive = DEM;3\r\nActive = Ats;1\r\n";
    schreiben("zirvanto.ini", datei);

    Globals g = mitTabelle();
    const Einstellungslesung lesung = einstellungenLesen(ordner.path(), g, Deutsch);
    EXPECT_EQ(lesung.lastUpdate, "06.07.2026 14:30:05");
    EXPECT_EQ(g.einstellungen.Texte[4], u"Änderung, \"4\""_s);
    ASSERT_TRUE(einstellungenSpeichern(ordner.path(), g, Deutsch));
    EXPECT_EQ(lesen("zirvanto.ini").toStdString(), datei.toStdString());
}

} // namespace
} // namespace zirvanto
