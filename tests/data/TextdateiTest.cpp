#include "data/Textdatei.h"

#include "../support/Programmordner.h"

#include <QStringDecoder>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace zirvanto {
namespace {

TEST(Textdatei, LiestUndSchreibtZeilen) {
    const struct {
        QByteArray bytes;
        QStringList zeilen;
        bool geschrieben; // also what writing the lines gives
    } faelle[] = {
        // clang-format off
        // every line ends with CR LF; Windows-1252 where it can hold the text
        {"", {}, true}, {"\r\n", {""}, true}, {"a\r\n\r\n\xE4\x80\x81\r\n", {"a", "", u"ä€\u0081"_s}, true},
        // else UTF-8, also for text starting like a byte-order mark in Windows-1252
        {"\xEF\xBB\xBF\xC3\xA4\r\nZ\xC5\x82oty\r\n", {u"ä"_s, u"Złoty"_s}, true},
        {"\xEF\xBB\xBF\xC3\xAF\xC2\xBB\xC2\xBF" "A\r\n", {u"ï»¿A"_s}, true},
        // read: any line end, also none after the last line
        {"a\r\nb\nc\rd", {"a", "b", "c", "d"}, false}, {"a\nb\n", {"a", "b"}, false},
        {"a\r\n\n\rb\r", {"a", "", "", "b"}, false}, {" a \t\r\n", {" a \t"}, true},
        {"\xEF\xBB\xBF", {}, false}, {"\xEF\xBB", {u"ï»"_s}, false}, // no byte-order mark
        // clang-format on
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(textzeilen(f.bytes), f.zeilen) << f.bytes.toHex().data();
        EXPECT_TRUE(!f.geschrieben || textdateiBytes(f.zeilen) == f.bytes)
            << f.bytes.toHex().data();
    }
    QByteArray alle; // every byte reads as Qt's own Windows-1252 decoder reads it
    for (int b = 0; b < 256; ++b)
        alle += char(b);
    EXPECT_EQ(textDekodieren(alle), QString(QStringDecoder("windows-1252")(alle)));
}

using TextdateiOrdner = Programmordner;

TEST_F(TextdateiOrdner, EntferntNurLiegengebliebeneKopien) {
    const QStringList bleibt{"Zirvanto.ini.Ab12Cd", "zirvanto.ini", "zirvanto.ini.Ab-2Cd",
                             "zirvanto.ini.Ab12C", "zirvanto.iniXAb12Cd"};
    for (const QString& name : bleibt + QStringList{"zirvanto.ini.Ab12Cd", "currency.ini.XYZ123"})
        schreiben(name, "x");
    liegengebliebeneKopienEntfernen(ordner.path(), {"zirvanto.ini", "currency.ini"});
    EXPECT_EQ(QDir(ordner.path()).entryList(QDir::Files, QDir::Name), bleibt);
}

} // namespace
} // namespace zirvanto
