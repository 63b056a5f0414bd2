#include "data/Einstellungsdatei.h"

#include "Dateihilfe.h"

#include <gtest/gtest.h>

#include <functional>

using namespace zirvanto;
using namespace Qt::StringLiterals;

namespace {

const QLocale Deutsch(QLocale::German, QLocale::Germany);

// EUR, ATS, DEM, a second ATS spelt "Ats", USD.
Globals mitTabelle() {
    Globals g;
    for (const char* iso : {"ATS", "DEM", "Ats", "USD"})
        g.Waehrungen.anhaengen({iso, iso, 1, false, 0, "", false});
    return g;
}

Globals gelesen(const QStringList& zeilen, std::optional<QString>* lastUpdate = nullptr) {
    Globals g = mitTabelle();
    const auto caption = einstellungenAnwenden(zeilen, g, Deutsch);
    if (lastUpdate) *lastUpdate = caption;
    return g;
}

std::vector<int> plaetze(const Globals& g) {
    std::vector<int> p;
    for (const Waehrung& w : g.Waehrungen)
        p.push_back(w.Aktiv ? w.Platz : -1);
    return p;
}

struct Zeilenfall {
    const char* zeile;
    std::function<void(const Globals&)> pruefen;
};

TEST(Einstellungsdatei, LiestJedeZeileFuerSich) {
    const Einstellungen start;
    const auto haupt = [](int index) {
        return [index](const Globals& g) { EXPECT_EQ(g.Waehrungen.HauptwaehrungIndex, index); };
    };
    const auto aktiv = [](std::vector<int> erwartet) {
        return [erwartet](const Globals& g) { EXPECT_EQ(plaetze(g), erwartet); };
    };
    const auto port = [](int p) {
        return [p](const Globals& g) { EXPECT_EQ(g.einstellungen.ProxyPort, p); };
    };
    const auto auto_ = [](bool an) {
        return [an](const Globals& g) { EXPECT_EQ(g.einstellungen.AutoUpdateAktiv, an); };
    };
    const auto text = [](int i, QString t) {
        return [i, t](const Globals& g) { EXPECT_EQ(g.einstellungen.Texte[std::size_t(i)], t); };
    };
    const auto unveraendert = [start](const Globals& g) {
        EXPECT_EQ(g.einstellungen.Texte, start.Texte);
        EXPECT_EQ(plaetze(g), std::vector<int>(5, -1));
        EXPECT_EQ(g.Waehrungen.HauptwaehrungIndex, 0);
    };
    const Zeilenfall faelle[] = {
        {"  main=dem  ", haupt(2)},
        {"MAIN = ats", haupt(3)}, // the last entry with that code wins
        {"Main = XYZ", haupt(0)},
        {"Main = ", haupt(0)},
        {"Active = ats;3", aktiv({-1, 3, -1, 3, -1})},
        {"Active = DEM ; 2.5", aktiv({-1, -1, 2, -1, -1})},
        {"Active = DEM;3.5", aktiv({-1, -1, 4, -1, -1})},
        {"Active = DEM;14.4", aktiv({-1, -1, 14, -1, -1})},
        {"Active = DEM;1e1;7", aktiv({-1, -1, 10, -1, -1})},
        {"Active = eur;1", aktiv({1, -1, -1, -1, -1})},
        {"Active = DEM;0.5", unveraendert},
        {"Active = DEM;15", unveraendert},
        {"Active = DEM;-1", unveraendert},
        {"Active = DEM;x", unveraendert},
        {"Active = DEM", unveraendert},
        {"Active = XYZ;3", unveraendert},
        {"Port = 3128", port(3128)},
        {"Port = 65535", port(65535)},
        {"Port = 80.5", port(80)},
        {"Port = 81.5", port(82)},
        {"Port = 65536", port(0)},
        {"Port = -1", port(0)},
        {"Port = 1e12", port(0)},
        {"Port = ", port(0)},
        {"AutoUpdate = 1", auto_(true)},
        {"AutoUpdate = 1.0", auto_(true)},
        {"AutoUpdate = 2", auto_(false)},
        {"AutoUpdate = ", auto_(false)},
        {"Text05 = Hallo", text(5, "Hallo")},
        {"text20=  Ende  ", text(20, "Ende")},
        {"TEXT 7 = sieben", text(7, "sieben")},
        {"Text08 = Klicken Sie hier, um \"weiter\" zu kommen",
         text(8, "Klicken Sie hier, um \"weiter\" zu kommen")},
        {"Text05 = ", unveraendert},
        {"Text00 = null", unveraendert},
        {"Text21 = zuviel", unveraendert},
        {"Text-1 = minus", unveraendert},
        {"Textab = buchstaben", unveraendert},
        {"T = kurz", unveraendert},
        {"= leer", unveraendert},
        {"Unbekannt = 1", unveraendert},
        {"Kein Gleichheitszeichen", unveraendert},
        {"CurrencyURL = http://k.example/x?action=currency&A=1",
         [](const Globals& g) {
             EXPECT_EQ(g.einstellungen.CurrencyURL, "http://k.example/x?action=currency&A=1");
         }},
        {"werbeurl=W", [](const Globals& g) { EXPECT_EQ(g.einstellungen.WerbeURL, "W"); }},
        {"LogoURL = L", [](const Globals& g) { EXPECT_EQ(g.einstellungen.LogoURL, "L"); }},
        {"FlagURL = F/", [](const Globals& g) { EXPECT_EQ(g.einstellungen.FlagURL, "F/"); }},
        {"Proxy = ", [](const Globals& g) { EXPECT_EQ(g.einstellungen.ProxyServer, ""); }},
        {"Proxy = Cache",
         [](const Globals& g) { EXPECT_EQ(g.einstellungen.ProxyServer, "Cache"); }},
        {"FreshInstalled = 0",
         [](const Globals& g) { EXPECT_TRUE(g.einstellungen.FreshInstalled); }},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.zeile);
        f.pruefen(gelesen({f.zeile}));
    }
}

TEST(Einstellungsdatei, UpdateZeilen) {
    struct Fall {
        const char* zeile;
        QDateTime datum;
        std::optional<QString> caption;
    };
    const QDateTime start = Einstellungen().UpdateDatum;
    const QDateTime juli({2026, 7, 6}, {14, 30, 5});
    const Fall faelle[] = {
        {"Update = 06.07.2026 14:30:05", juli, "06.07.2026 14:30:05"},
        {"Update = 01.01.2001 00:00:00", start, "01.01.2001"},
        {"Update = 06.07.26 14:30", {{2026, 7, 6}, {14, 30}}, "06.07.2026 14:30:00"},
        {"Update = 06.07.2026", {{2026, 7, 6}, {0, 0}}, "06.07.2026"},
        {"Update = 2026-07-06T14:30:05", juli, "06.07.2026 14:30:05"},
        {"Update = Mittwoch", start, std::nullopt},
        {"Update = 32.13.2026 00:00:00", start, std::nullopt},
        {"Update = ", start, std::nullopt},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.zeile);
        std::optional<QString> caption;
        const Globals g = gelesen({f.zeile}, &caption);
        EXPECT_EQ(g.einstellungen.UpdateDatum, f.datum);
        EXPECT_EQ(caption, f.caption);
    }
}

TEST(Einstellungsdatei, UpdateLiestZurueckWasEsSchreibt) {
    const QLocale locales[] = {Deutsch,
                               {QLocale::German, QLocale::Austria},
                               {QLocale::English, QLocale::UnitedStates},
                               {QLocale::French, QLocale::France},
                               {QLocale::Japanese, QLocale::Japan},
                               QLocale::c()};
    const QDateTime zeiten[] = {{{2001, 1, 1}, {0, 0}},
                                {{2026, 7, 6}, {14, 30, 5}},
                                {{1999, 12, 31}, {23, 59, 59}},
                                {{2038, 2, 1}, {9, 5}}};
    for (const QLocale& locale : locales)
        for (const QDateTime& zeit : zeiten) {
            const QString text = updateText(zeit, locale);
            EXPECT_EQ(updateLesen(text, locale), zeit) << text.toStdString();
        }
    EXPECT_EQ(updateText(Einstellungen().UpdateDatum, Deutsch), "01.01.2001 00:00:00");
}

TEST(Einstellungsdatei, SchlechteZeilenHaltenNichtAuf) {
    Globals g = mitTabelle();
    g.Waehrungen.HauptwaehrungIndex = 9; // names no entry
    einstellungenAnwenden({"Active = ATS", "Port = 99999", "Active = DEM;2", "Text99 = x",
                           "Update = gestern", "Text02 = Zwei", "Update = 02.01.2001 00:00:00",
                           "Update = morgen", "==", "Main = nichts"},
                          g, Deutsch);
    EXPECT_EQ(plaetze(g), (std::vector<int>{-1, -1, 2, -1, -1}));
    EXPECT_EQ(g.einstellungen.ProxyPort, 0);
    EXPECT_EQ(g.einstellungen.Texte[2], "Zwei");
    EXPECT_EQ(g.einstellungen.UpdateDatum, QDateTime({2001, 1, 2}, {0, 0}));
    EXPECT_EQ(g.Waehrungen.HauptwaehrungIndex, 0);
}

TEST(Einstellungsdatei, SchreibtDieErsteDatei) {
    Globals g;
    g.einstellungen.AutoUpdateAktiv = true;
    g.einstellungen.FreshInstalled = true;
    const Einstellungen& e = g.einstellungen;
    QStringList erwartet = {"Main = EUR",
                            "WerbeURL = " + e.WerbeURL,
                            "LogoURL = " + e.LogoURL,
                            "CurrencyURL = " + e.CurrencyURL,
                            "FlagURL = ",
                            "Proxy = ",
                            "Port = 8080",
                            "Update = 01.01.2001 00:00:00",
                            "AutoUpdate = 1",
                            "FreshInstalled = 1"};
    for (int i = 1; i <= 20; ++i)
        erwartet << QStringLiteral("Text%1 = ").arg(i, 2, 10, QLatin1Char('0')) + e.Texte[i];
    EXPECT_EQ(einstellungszeilen(g, Deutsch), erwartet);
}

TEST(Einstellungsdatei, SchreibtAktiveZeilenInTabellenreihenfolge) {
    Globals g = mitTabelle();
    g.Waehrungen[4] = {"  USD ", "Dollar", 1.14, true, 1, "", false};
    g.Waehrungen[2].Aktiv = true;
    g.Waehrungen[2].Platz = 14;
    g.Waehrungen.HauptwaehrungIndex = 4;
    g.einstellungen.ProxyServer = "  cache.example ";
    const QStringList zeilen = einstellungszeilen(g, Deutsch);
    EXPECT_EQ(zeilen[0], "Main = USD");
    EXPECT_EQ(zeilen[5], "Proxy = cache.example");
    EXPECT_EQ(zeilen[8], "AutoUpdate = 0");
    EXPECT_EQ(zeilen[9], "Text01 = Zirvanto");
    EXPECT_EQ(zeilen.mid(29), (QStringList{"Active = DEM;14", "Active = USD;1"}));

    g.Waehrungen.HauptwaehrungIndex = 5;
    EXPECT_EQ(einstellungszeilen(g, Deutsch)[0], "Main = EUR");
}

using EinstellungsdateiOrdner = Programmordner;

TEST_F(EinstellungsdateiOrdner, OhneDateiBleibtAlles) {
    Globals g = mitTabelle();
    g.einstellungen.FreshInstalled = true;
    const Einstellungslesung lesung = einstellungenLesen(ordner.path(), g, Deutsch);
    EXPECT_FALSE(lesung.gefunden);
    EXPECT_FALSE(lesung.lastUpdate);
    EXPECT_TRUE(g.einstellungen.FreshInstalled);
}

TEST_F(EinstellungsdateiOrdner, RundreiseGibtDieselbenBytes) {
    QByteArray datei = "Main = DEM\r\n"
                       "WerbeURL = http://w.example/cgi?action=ad\r\n"
                       "LogoURL = http://w.example/cgi?action=logo\r\n"
                       "CurrencyURL = http://w.example/cgi?action=currency\r\n"
                       "FlagURL = http://w.example/flaggen/\r\n"
                       "Proxy = proxy.example\r\n"
                       "Port = 3128\r\n"
                       "Update = 06.07.2026 14:30:05\r\n"
                       "AutoUpdate = 1\r\n"
                       "FreshInstalled = 1\r\n"
                       "Text01 = Zirvanto\r\n"
                       "Text02 = Zirvanto\r\n"
                       "Text03 = Euro-Referenz- und Wechselkurse\r\n"
                       "Text04 = der Europ\xE4ischen Zentralbank\r\n"
                       "Text05 = Pr\xE4sentiert von:\r\n"
                       "Text06 = Lumacor\r\n"
                       "Text07 = http://www.zirvanto.example/\r\n"
                       "Text08 = Klicken Sie hier, um auf die Homepage zu kommen\r\n";
    for (int i = 9; i <= 20; ++i)
        datei += "Text" + QByteArray::number(i).rightJustified(2, '0') + " = \r\n";
    datei += "Active = ATS;1\r\nActive = DEM;3\r\nActive = Ats;1\r\n";
    schreiben("zirvanto.ini", datei);

    Globals g = mitTabelle();
    const Einstellungslesung lesung = einstellungenLesen(ordner.path(), g, Deutsch);
    EXPECT_TRUE(lesung.gefunden);
    EXPECT_EQ(lesung.lastUpdate, "06.07.2026 14:30:05");
    EXPECT_EQ(g.einstellungen.Texte[4], u"der Europäischen Zentralbank"_s);
    ASSERT_TRUE(einstellungenSpeichern(ordner.path(), g, Deutsch));
    EXPECT_EQ(lesen("zirvanto.ini").toStdString(), datei.toStdString());
}

TEST_F(EinstellungsdateiOrdner, LiestLfUndBomUndSetztFreshInstalledZurueck) {
    schreiben("zirvanto.ini", "\xEF\xBB\xBFMain = dem\n\nText03 = Z\xC5\x82oty\nPort = 81");
    Globals g = mitTabelle();
    g.einstellungen.FreshInstalled = true;
    const Einstellungslesung lesung = einstellungenLesen(ordner.path(), g, Deutsch);
    EXPECT_TRUE(lesung.gefunden);
    EXPECT_FALSE(lesung.lastUpdate);
    EXPECT_FALSE(g.einstellungen.FreshInstalled);
    EXPECT_EQ(g.Waehrungen.HauptwaehrungIndex, 2);
    EXPECT_EQ(g.einstellungen.Texte[3], u"Złoty"_s);
    EXPECT_EQ(g.einstellungen.ProxyPort, 81);
}

TEST_F(EinstellungsdateiOrdner, TextAusserhalbVonWindows1252) {
    Globals g = mitTabelle();
    g.einstellungen.Texte[9] = u"Złoty – 100 gr"_s;
    ASSERT_TRUE(einstellungenSpeichern(ordner.path(), g, Deutsch));
    EXPECT_TRUE(lesen("zirvanto.ini").startsWith("\xEF\xBB\xBFMain = EUR\r\n"));
    Globals zurueck = mitTabelle();
    einstellungenLesen(ordner.path(), zurueck, Deutsch);
    EXPECT_EQ(zurueck.einstellungen.Texte, g.einstellungen.Texte);
}

TEST_F(EinstellungsdateiOrdner, FehlgeschlagenesSpeichern) {
    versperren("zirvanto.ini");
    const Speicherergebnis ergebnis = einstellungenSpeichern(ordner.path(), Globals(), Deutsch);
    EXPECT_FALSE(ergebnis.ok);
    EXPECT_FALSE(ergebnis.fehler.isEmpty());
    EXPECT_TRUE(unberuehrt("zirvanto.ini"));
}

} // namespace
