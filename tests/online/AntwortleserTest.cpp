#include "online/Antwortleser.h"
#include "online/Kursabgleich.h"
#include "support/QtDrucken.h"

#include <QFile>

#include <gtest/gtest.h>

namespace zirvanto {
namespace {

TEST(Anmeldeantwort, WerteNachSchluessel) {
    const std::pair<const char*, std::optional<QString>> faelle[] = {
        {"x\nLogoURL = http://a/b?c=1  \nFlagURL=f", "http://a/b?c=1"},
        {"LogoURL=zuletzt", "zuletzt"},            // no final line feed
        {"LogoURL\nText01 = fremd", std::nullopt}, // no "=" on its own line
        {"LogoURL =\n", ""},
    };
    for (const auto& [antwort, wert] : faelle)
        EXPECT_EQ(anmeldewert(QString::fromUtf8(antwort), u"LogoURL"), wert) << antwort;

    // Control characters are removed, so no value can break a settings line.
    const Anmeldeantwort a = anmeldeantwortLesen(u"CurrencyURL = http://k/?a=1\r\nText01 = "
                                                 u"Mein\tRechner\r\nText20=\x1bx\r\nMain = X\n");
    EXPECT_EQ(a.CurrencyURL, QStringLiteral("http://k/?a=1"));
    EXPECT_EQ(a.Texte[1], QStringLiteral("MeinRechner"));
    EXPECT_EQ(a.Texte[20], QStringLiteral("x"));
    EXPECT_FALSE(a.FlagURL || a.WerbeURL || a.Texte[2]);
}

QStringList saetze(QStringView antwort) {
    QStringList ergebnis;
    for (const Kurssatz& s : kursantwortLesen(antwort).saetze)
        ergebnis << QStringLiteral("%1|%2|%3|%4").arg(s.ISO, s.Name).arg(s.Kurs).arg(s.Flagge);
    return ergebnis;
}

TEST(Kursantwort, KlammersaetzeUndIhreFelder) {
    const std::pair<const char*, QStringList> faelle[] = {
        {"<h1>Kurse</h1>[ USD : US-Dollar : 1.1415 : us.bmp ]<br>\n[CHF:Franken:.92:(none)]!",
         {"USD|US-Dollar|1.1415|us.bmp", "CHF|Franken|0.92|(none)"}},
        {"[USD:Dollar:1.1]", {}},             // the third ":" is missing
        {"[USD:Dollar:1.1:us.bmp", {}},       // the "]" is missing
        {"[A:a:2:]x[B:b:3:", {"A|a|2|"}},     // records before an incomplete one stay
        {"[X:x::][Y:y:-1:][Z:z:1e999:]", {}}, // rates of 0, below 0, beyond a double
        {"[SEK:Kr&ouml;ne &amp;auml;:11:]", {"SEK|Kröne &auml;|11|"}},
        {"[U\rS\nD:Dol\tlar:1:u\rs.png]", {"USD|Dollar|1|us.png"}},
        {"[A:a:1:../at.bmp][B:b:1:.x.png][C:c:1:c.exe][D:d:1:-d.gif][E:e:1:A_b-1.JPEG]",
         {"A|a|1|", "B|b|1|", "C|c|1|", "D|d|1|", "E|e|1|A_b-1.JPEG"}},
        // A record inside a flag field shares its "]".
        {"[A:a:1:[B:b:2:[C:c:3:c.gif]", {"A|a|1|", "B|b|2|", "C|c|3|c.gif"}},
    };
    for (const auto& [antwort, erwartet] : faelle)
        EXPECT_EQ(saetze(QString::fromUtf8(antwort)), erwartet) << antwort;
    EXPECT_EQ(flaggenname(QString(60, u'a') + ".png").size(), 64);
    EXPECT_EQ(flaggenname(QString(61, u'a') + ".png"), QString());
    // A flag field far longer than any flag name gives no flag.
    EXPECT_EQ(saetze(QStringLiteral("[A:a:1:") + QString(300, u'\r') + QStringLiteral("a.png]")),
              QStringList{"A|a|1|"});
}

TEST(Kursantwort, EzbTagesdateiUndAbgleich) {
    QFile datei(QStringLiteral(ZIRVANTO_EZB_DATEI));
    ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
    const Kursantwort a = kursantwortLesen(QString::fromUtf8(datei.readAll()));
    EXPECT_TRUE(a.ezb);
    EXPECT_EQ(a.stichtag, QDate(2026, 7, 6));
    ASSERT_EQ(a.saetze.size(), 29u);
    EXPECT_EQ(saetze(u"<Cube><Cube currency='A' rate='2'/><Cube currency='B' rate=3/>"),
              QStringList{"A||2|(none)"}); // a broken document keeps what came before
    EXPECT_FALSE(kursantwortLesen(u"<Cube currency='A' rate='2'/>[B:b:3:]").ezb);

    Waehrungstabelle t;
    t.anhaengen({"USD", "US-Dollar", 1.5, true, 2, "us.bmp", true});
    EXPECT_EQ(kurseAbgleichen(t, a.saetze), QStringList());
    EXPECT_EQ(t[1].Name + t[1].Flagge + QString::number(t[1].Kurs), "US-Dollarus.bmp1.1415");
    EXPECT_FALSE(t[1].Manuell);
    EXPECT_EQ(t[2].Name + t[2].Flagge + QString::number(t[2].Aktiv), "JPY(none)0");
    const std::vector<Kurssatz> eur = {{"EUR", "Euro", 1, "eu.png", false},
                                       {"USD", "Dollar", 2, "", false}};
    EXPECT_EQ(kurseAbgleichen(t, eur), QStringList{"eu.png"});
    EXPECT_EQ(t[0].Flagge + t[1].Name + t[1].Flagge, "eu.pngDollar");
    EXPECT_EQ(t.size(), 30u);
}

} // namespace
} // namespace zirvanto
