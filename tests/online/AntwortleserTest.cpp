#include "online/Antwortleser.h"
#include "support/QtDrucken.h"

#include <QFile>

#include <gtest/gtest.h>

namespace zirvanto {
namespace {

TEST(Anmeldeantwort, WerteNachSchluessel) {
    const struct {
        const char* antwort;
        std::optional<QString> wert;
    } faelle[] = {
        {"x\nLogoURL = http://a/b?c=1  \nFlagURL=f", QStringLiteral("http://a/b?c=1")},
        {"LogoURL=zuletzt", QStringLiteral("zuletzt")}, // no final line feed
        {"LogoURL = mit CR\r\nText01=x", QStringLiteral("mit CR\r")},
        {"LogoURL\nText01 = fremd", std::nullopt}, // no "=" on its own line
        {"logourl = klein", std::nullopt},
        {"LogoURL =\n", QString()},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(anmeldewert(QString::fromUtf8(f.antwort), u"LogoURL"), f.wert) << f.antwort;

    const Anmeldeantwort a =
        anmeldeantwortLesen(u"CurrencyURL = http://k/?a=1\r\nText01 = Mein\tRechner\r\nText20=\x1b"
                            "x\r\n");
    EXPECT_EQ(a.CurrencyURL, QStringLiteral("http://k/?a=1")); // control characters removed
    EXPECT_EQ(a.Texte[1], QStringLiteral("MeinRechner"));
    EXPECT_EQ(a.Texte[20], QStringLiteral("x"));
    EXPECT_FALSE(a.FlagURL || a.WerbeURL || a.Texte[2]);
}

QStringList saetze(const QString& antwort) {
    QStringList ergebnis;
    for (const Kurssatz& s : kursantwortLesen(antwort).saetze)
        ergebnis << QStringLiteral("%1|%2|%3|%4").arg(s.ISO, s.Name).arg(s.Kurs).arg(s.Flagge);
    return ergebnis;
}

TEST(Kursantwort, KlammersaetzeUndIhreFelder) {
    const struct {
        const char* antwort;
        QStringList saetze;
    } faelle[] = {
        {"<h1>Kurse</h1>[ USD : US-Dollar : 1.1415 : us.bmp ]<br>\n[CHF:Franken:.92:(none)] Ende",
         {"USD|US-Dollar|1.1415|us.bmp", "CHF|Franken|0.92|(none)"}},
        {"[USD:Dollar:1.1]", {}},         // the third ":" is missing
        {"[USD:Dollar:1.1:us.bmp", {}},   // the "]" is missing
        {"[A:a:2:]x[B:b:3:", {"A|a|2|"}}, // records before an incomplete one stay
        {"[DKK:Krone:1,5:]", {"DKK|Krone|1|"}},
        {"[X:x::][Y:y:-1:][Z:z:1e999:]", {}}, // rates of 0, below 0, beyond a double
        {"[SEK:Schwedische Kr&ouml;ne &amp;auml;:11:]", {"SEK|Schwedische Kröne &auml;|11|"}},
        {"[U\rS\nD:Dol\tlar:1:u\rs.png]", {"USD|Dollar|1|us.png"}},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(saetze(QString::fromUtf8(f.antwort)), f.saetze) << f.antwort;
}

TEST(Kursantwort, NurSchlichteFlaggennamen) {
    const QString erlaubt[] = {"at.bmp", "A_b-1.JPEG", "(none)", QString(60, u'a') + ".png"};
    for (const QString& name : erlaubt)
        EXPECT_EQ(flaggenname(name), name);
    const QString verboten[] = {"../at.bmp", "a/b.png", "a\\b.png",
                                ".at.bmp",   "-at.bmp", "at.exe",
                                "at",        "ä.bmp",   QString(61, u'a') + ".png",
                                "C:at.bmp",  "at.bmp ", "(None)"};
    for (const QString& name : verboten)
        EXPECT_TRUE(flaggenname(name).isEmpty()) << name.toStdString();
}

TEST(Kursantwort, EzbTagesdatei) {
    QFile datei(QStringLiteral(ZIRVANTO_EZB_DATEI));
    ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
    const Kursantwort a = kursantwortLesen(QString::fromUtf8(datei.readAll()));
    EXPECT_TRUE(a.ezb);
    EXPECT_EQ(a.stichtag, QDate(2026, 7, 6));
    ASSERT_EQ(a.saetze.size(), 29u);
    EXPECT_EQ(a.saetze[0].ISO, QStringLiteral("USD"));
    EXPECT_EQ(a.saetze[0].Kurs, 1.1415);
    EXPECT_EQ(a.saetze[0].Flagge, KeineFlagge);
    EXPECT_TRUE(a.saetze[0].ohneNameUndFlagge);

    // Bracketed records win; a broken document keeps what came before the break.
    EXPECT_FALSE(kursantwortLesen(u"<Cube currency='A' rate='2'/>[B:b:3:]").ezb);
    EXPECT_EQ(saetze("<Cube><Cube currency='A' rate='2'/><Cube currency='B' rate=3/>"),
              QStringList{"A||2|(none)"});
}

} // namespace
} // namespace zirvanto
