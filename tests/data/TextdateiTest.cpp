#include "data/Textdatei.h"

#include "Dateihilfe.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace zirvanto {
namespace {

struct Zeilenfall {
    QByteArray bytes;
    QStringList zeilen;
};

TEST(Textdatei, ZerlegtInZeilen) {
    const Zeilenfall faelle[] = {
        // clang-format off
        {"", {}}, {"\r\n", {""}}, {"a\r\nb\nc\rd", {"a", "b", "c", "d"}}, {"a\nb\n", {"a", "b"}},
        {"a\r\n\r\n\n\rb\r", {"a", "", "", "", "b"}}, {" a \t\r\n", {" a \t"}},
        {"\xE4\xF6\xFC\xDF\xC4\x80", {u"äöüßÄ€"_s}}, // Windows-1252
        {"\xEF\xBB\xBF\xC3\xA4\xE2\x82\xAC\r\nZ\xC5\x82oty", {u"ä€"_s, u"Złoty"_s}}, // UTF-8
        {"\xEF\xBB\xBF", {}}, {"\xEF\xBB", {u"ï»"_s}}, // no byte-order mark: Windows-1252
        // clang-format on
    };
    for (const auto& f : faelle)
        EXPECT_EQ(textzeilen(f.bytes), f.zeilen) << f.bytes.toHex().data();
}

TEST(Textdatei, SchreibtWindows1252OderUtf8) {
    const Zeilenfall faelle[] = {
        // clang-format off
        {"a\r\n\r\n\xE4\x80\x81\r\n", {"a", "", u"ä€\u0081"_s}},
        // a character outside Windows-1252: the whole file in UTF-8
        {"\xEF\xBB\xBF\xC3\xA4\r\nZ\xC5\x82oty\r\n", {u"ä"_s, u"Złoty"_s}},
        // text starting like a byte-order mark in Windows-1252: also UTF-8
        {"\xEF\xBB\xBF\xC3\xAF\xC2\xBB\xC2\xBF" "A\r\n", {u"ï»¿A"_s}},
        // clang-format on
    };
    for (const auto& f : faelle)
        EXPECT_EQ(textdateiBytes(f.zeilen), f.bytes) << f.bytes.toHex().data();
}

TEST(Textdatei, OhneRaenderBehaeltAndereLeerzeichen) {
    EXPECT_EQ(ohneRaender(u" \t a b \r\n"), u"a b");
    EXPECT_EQ(ohneRaender(u"\u00A0x\u00A0"), u"\u00A0x\u00A0");
}

using TextdateiOrdner = Programmordner;

TEST_F(TextdateiOrdner, EntferntNurLiegengebliebeneKopien) {
    const QStringList bleibt{"Zirvanto.ini.Ab12Cd", "zirvanto.ini", "zirvanto.ini.Ab-2Cd",
                             "zirvanto.ini.Ab12C", "zirvanto.iniXAb12Cd"};
    for (const QString& name : bleibt + QStringList{"zirvanto.ini.Ab12Cd", "currency.ini.XYZ123"})
        schreiben(name, "x");
    for (const char* datei : {"zirvanto.ini", "currency.ini"})
        liegengebliebeneKopienEntfernen(ordner.path(), datei);
    EXPECT_EQ(QDir(ordner.path()).entryList(QDir::Files, QDir::Name), bleibt);
}

} // namespace
} // namespace zirvanto
