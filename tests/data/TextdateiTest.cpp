#include "data/Textdatei.h"

#include "Dateihilfe.h"

#include <gtest/gtest.h>

using namespace zirvanto;
using namespace Qt::StringLiterals;

namespace {

struct Zeilenfall {
    QByteArray bytes;
    QStringList zeilen;
};

TEST(Textdatei, ZerlegtInZeilen) {
    const Zeilenfall faelle[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\n", {"a"}},
        {"a\r\nb", {"a", "b"}},
        {"a\nb\n", {"a", "b"}},
        {"a\rb\r", {"a", "b"}},
        {"a\r\n\r\n\nb", {"a", "", "", "b"}},
        {"\r\n", {""}},
        {" a \t\r\n", {" a \t"}},
        {"\xE4\xF6\xFC\xDF\xC4\x80", {u"äöüßÄ€"_s}},
        {"Franc,\"neu\"", {"Franc,\"neu\""}},
        {"\xEF\xBB\xBF\xC3\xA4\xE2\x82\xAC\r\nZ\xC5\x82oty", {u"ä€"_s, u"Złoty"_s}},
        {"\xEF\xBB\xBF", {}},
        {"\xEF\xBB", {u"ï»"_s}}, // no byte-order mark: Windows-1252
    };
    for (const auto& f : faelle)
        EXPECT_EQ(textzeilen(f.bytes), f.zeilen) << f.bytes.toHex().data();
}

TEST(Textdatei, SchreibtWindows1252OderUtf8) {
    const Zeilenfall faelle[] = {
        {"", {}},
        {"\r\n", {""}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"\xE4\xF6\xFC\xDF\x80\r\n", {u"äöüß€"_s}},
        {"\x81\x8D\r\n", {u"\u0081\u008D"_s}},
        {"\xEF\xBB\xBF\xC3\xA4\r\nZ\xC5\x82oty\r\n", {u"ä"_s, u"Złoty"_s}},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(textdateiBytes(f.zeilen), f.bytes) << f.bytes.toHex().data();
        EXPECT_EQ(textzeilen(textdateiBytes(f.zeilen)), f.zeilen);
    }
}

TEST(Textdatei, OhneRaender) {
    EXPECT_EQ(ohneRaender(u" \t a b \r\n"), u"a b");
    EXPECT_EQ(ohneRaender(u"   "), u"");
    EXPECT_EQ(ohneRaender(u"\u00A0x\u00A0"), u"\u00A0x\u00A0");
}

using TextdateiOrdner = Programmordner;

TEST_F(TextdateiOrdner, SpeichertUndLiest) {
    EXPECT_FALSE(textdateiLesen(pfad("fehlt.txt")));

    schreiben("t.txt", "alt\r\n");
    const QStringList zeilen = {u"Schilling"_s, u"Złoty"_s};
    const Speicherergebnis ergebnis = textdateiSpeichern(pfad("t.txt"), zeilen);
    EXPECT_TRUE(ergebnis.ok) << ergebnis.fehler.toStdString();
    EXPECT_EQ(textdateiLesen(pfad("t.txt")), zeilen);
}

TEST_F(TextdateiOrdner, FehlgeschlagenesSpeichernLaesstAllesStehen) {
    versperren("t.txt");
    const Speicherergebnis ergebnis = textdateiSpeichern(pfad("t.txt"), {"neu"});
    EXPECT_FALSE(ergebnis);
    EXPECT_FALSE(ergebnis.fehler.isEmpty());
    EXPECT_TRUE(unberuehrt("t.txt"));
    EXPECT_EQ(QDir(ordner.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{"t.txt"}); // no temporary file left behind

    EXPECT_FALSE(textdateiSpeichern(pfad("kein/ordner.txt"), {"neu"}));
    EXPECT_FALSE(QFileInfo::exists(pfad("kein")));
}

} // namespace
