#include "data/Kursdatei.h"

#include "../support/Programmordner.h"

#include <QLocale>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace zirvanto {
namespace {

// An entry as "ISO|Name|rate|flag|marker".
QString felder(const Waehrung& w) {
    return QStringList{w.ISO, w.Name, QString::number(w.Kurs, 'g', 15), w.Flagge,
                       w.Manuell ? "1" : "0"}
        .join(u'|');
}

TEST(Kursdatei, LiestUndSchreibtEinenDatensatz) {
    const struct {
        QString zeile, felder;
    } faelle[] = {
        // clang-format off
        // the rate counts only when a colon follows it
        {"ATS:Schilling:13.7603", "ATS|Schilling|0||0"}, {"ATS:Schilling:13.7603:", "ATS|Schilling|13.7603||0"},
        {"ATS:Schilling", "ATS||0||0"}, {"Schilling", "||0||0"},
        // fields as they stand; the marker is any number but 0
        {"A : B : 2 : f.bmp : 1", "A | B |2| f.bmp |1"}, {"X:Y: 1:f: 2", "X|Y|1|f|1"},
        {"X:Y: 1:f: 0.0", "X|Y|1|f|0"}, {"X:Y: 1:f:ja", "X|Y|1|f|0"},
        {"X:Y: 1:f: 1:mehr: 0", "X|Y|1|f|1"}, {"X:Y:13,76:f: 0", "X|Y|13|f|0"},
        // clang-format on
    };
    for (const auto& f : faelle)
        EXPECT_EQ(felder(kursdatensatzLesen(f.zeile)), f.felder) << f.zeile.toStdString();
    EXPECT_EQ(kursdatensatz({"IEP", "Irisches Pfund", 0.787564, false, 0, " ie.bmp  ", true}),
              "IEP:Irisches Pfund: .787564:ie.bmp: 1");
}

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
         "4.2883:: 0\r\n"}};
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

// A folder under the file's name: no save can replace it.
TEST_F(KursdateiOrdner, FehlgeschlagenesSpeichernLaesstDenOrdnerWieEinWar) {
    ASSERT_TRUE(QDir(ordner.path()).mkpath("currency.ini/inhalt"));
    const Speicherergebnis ergebnis = kurseSpeichern(ordner.path(), Waehrungstabelle());
    EXPECT_TRUE(!ergebnis.ok && !ergebnis.fehler.isEmpty());
    const auto eintraege = QDir::AllEntries | QDir::NoDotAndDotDot;
    EXPECT_EQ(QDir(ordner.path()).entryList(eintraege), QStringList{"currency.ini"}); // no copy
    EXPECT_EQ(QDir(pfad("currency.ini")).entryList(eintraege), QStringList{"inhalt"});
}

} // namespace
} // namespace zirvanto
