#include "data/Kursdatei.h"

#include "../support/Programmordner.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <unistd.h>

namespace zirvanto {
namespace {

using KursdateiOrdner = Programmordner;

TEST_F(KursdateiOrdner, RundreiseBehaeltJedenSatzInDateiReihenfolge) {
    QFile ausgeliefert(ZIRVANTO_KURSTABELLE);
    ASSERT_TRUE(ausgeliefert.open(QIODevice::ReadOnly));
    const std::pair<QByteArray, QByteArray> faelle[] = {
        // read and written: the same bytes, unless written below
        {ausgeliefert.readAll(), {}},
        {"XXX:Winzig, \"fast nichts\": 1E-05:: 1\r\nYYY:Riesig: 1.5E+20:yy.bmp: 0\r\n", {}},
        {"\xEF\xBB\xBFPLN:Z\xC5\x82oty: 4.2883:pl.bmp: 0\r\n", {}},
        // blank and short lines, blanks around a record, LF alone, no last line end
        {"ATS:Schilling: 13.7603:at.bmp: 1\r\n\r\n   \r\n\t\n  FRF:Franc: 6.55957:: 0 "
         "\nKaputt\r\nPLN:Z\xB3oty: 4.2883:: 0",
         "ATS:Schilling: 13.7603:at.bmp: 1\r\nFRF:Franc: 6.55957:: 0\r\n:: 0:: 0\r\nPLN:Z\xB3oty: "
         "4.2883:: 0\r\n"},
        // fields as they stand but the flag; the rate counts only when a colon
        // follows it and ends at a comma; the marker is any number but 0
        {"ATS:Schilling:13.7603\r\nATS:Schilling\r\nA : B : 2 : f.bmp : 2\r\nX:Y:13,76:f: 0.0\r\n"
         "X:Y: 1:f:ja\r\nX:Y: 1:f: 1:mehr: 0\r\n",
         "ATS:Schilling: 0:: 0\r\nATS:: 0:: 0\r\nA : B : 2:f.bmp: 1\r\nX:Y: 13:f: 0\r\n"
         "X:Y: 1:f: 0\r\nX:Y: 1:f: 1\r\n"}};
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); // decimal comma
    for (const auto& [datei, geschrieben] : faelle) {
        schreiben("currency.ini", datei);
        Waehrungstabelle tabelle;
        ASSERT_TRUE(kurseLesen(ordner.path(), tabelle).fehler.isEmpty());
        ASSERT_TRUE(kurseSpeichern(ordner.path(), tabelle)); // never the Euro
        EXPECT_EQ(lesen("currency.ini").toStdString(),
                  (geschrieben.isEmpty() ? datei : geschrieben).toStdString());
    }
    QLocale::setDefault(QLocale::c());
}

// A save replaces the file whole: a hard link to the old file keeps the old
// bytes. Where no save can replace it (a folder under its name), the save
// reports it and leaves no copy behind.
TEST_F(KursdateiOrdner, SpeichernErsetztDieDateiGanzOderGarNicht) {
    schreiben("currency.ini", "alt");
    ASSERT_EQ(link(QFile::encodeName(pfad("currency.ini")), QFile::encodeName(pfad("alt"))), 0);
    ASSERT_TRUE(kurseSpeichern(ordner.path(), Waehrungstabelle()));
    EXPECT_EQ(lesen("alt"), "alt");
    ASSERT_TRUE(QFile::remove(pfad("currency.ini")) &&
                QDir(ordner.path()).mkpath("currency.ini/x"));
    const Speicherergebnis ergebnis = kurseSpeichern(ordner.path(), Waehrungstabelle());
    EXPECT_TRUE(!ergebnis.ok && !ergebnis.fehler.isEmpty());
    const auto eintraege = QDir::AllEntries | QDir::NoDotAndDotDot;
    EXPECT_EQ(QDir(ordner.path()).entryList(eintraege), (QStringList{"alt", "currency.ini"}));
    EXPECT_EQ(QDir(pfad("currency.ini")).entryList(eintraege), QStringList{"x"});
}

} // namespace
} // namespace zirvanto
