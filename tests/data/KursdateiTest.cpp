#include "data/Kursdatei.h"

#include "Dateihilfe.h"

#include <QLocale>

#include <gtest/gtest.h>

using namespace zirvanto;
using namespace Qt::StringLiterals;

namespace {

struct Satzfall {
    QString zeile;
    QString iso, name;
    double kurs;
    QString flagge;
    bool manuell;
};

TEST(Kursdatei, LiestEinenDatensatz) {
    const Satzfall faelle[] = {
        {"ATS:Schilling: 13.7603:: 1", "ATS", "Schilling", 13.7603, "", true},
        {"USD:US-Dollar: 1.1415:usa.bmp: 0", "USD", "US-Dollar", 1.1415, "usa.bmp", false},
        // the rate counts only when a colon follows it
        {"ATS:Schilling:13.7603", "ATS", "Schilling", 0, "", false},
        {"ATS:Schilling:13.7603:", "ATS", "Schilling", 13.7603, "", false},
        {"ATS:Schilling", "ATS", "", 0, "", false},
        {"ATS:", "ATS", "", 0, "", false},
        {"Schilling", "", "", 0, "", false},
        {"::::", "", "", 0, "", false},
        // fields as they stand; the marker is any number but 0
        {"A : B : 2 : f.bmp : 1", "A ", " B ", 2, " f.bmp ", true},
        {"X:Y: 1:f: 2", "X", "Y", 1, "f", true},
        {"X:Y: 1:f: -1", "X", "Y", 1, "f", true},
        {"X:Y: 1:f: 0.0", "X", "Y", 1, "f", false},
        {"X:Y: 1:f:", "X", "Y", 1, "f", false},
        {"X:Y: 1:f:ja", "X", "Y", 1, "f", false},
        {"X:Y: 1:f: 1:mehr: 0", "X", "Y", 1, "f", true},
        {"X:Y:13,76:f: 0", "X", "Y", 13, "f", false},
        {"X:Y: 1E-05:: 0", "X", "Y", 1e-5, "", false},
        {u"CHF:Franken, \"neu\": .9201:ch.bmp: 0"_s, "CHF", u"Franken, \"neu\""_s, 0.9201, "ch.bmp",
         false},
    };
    for (const auto& f : faelle) {
        const Waehrung w = kursdatensatzLesen(f.zeile);
        SCOPED_TRACE(f.zeile.toStdString());
        EXPECT_EQ(w.ISO, f.iso);
        EXPECT_EQ(w.Name, f.name);
        EXPECT_EQ(w.Kurs, f.kurs);
        EXPECT_EQ(w.Flagge, f.flagge);
        EXPECT_EQ(w.Manuell, f.manuell);
    }
}

TEST(Kursdatei, SchreibtEinenDatensatz) {
    EXPECT_EQ(kursdatensatz({"ATS", "Schilling", 13.7603, false, 0, "", false}),
              "ATS:Schilling: 13.7603:: 0");
    EXPECT_EQ(kursdatensatz({"IEP", "Irisches Pfund", 0.787564, false, 0, " ie.bmp  ", true}),
              "IEP:Irisches Pfund: .787564:ie.bmp: 1");
    EXPECT_EQ(kursdatensatz({" X ", " Y ", 0, false, 0, "", false}), " X : Y : 0:: 0");
}

class KursdateiOrdner : public Programmordner {
protected:
    Waehrungstabelle tabelle;
};

TEST_F(KursdateiOrdner, OhneDateiNurDerEuro) {
    EXPECT_FALSE(kurseLesen(ordner.path(), tabelle));
    EXPECT_EQ(tabelle.size(), 1u);
    EXPECT_EQ(tabelle[0].ISO, "EUR");
}

TEST_F(KursdateiOrdner, LeereZeilenZaehlenNicht) {
    schreiben("currency.ini", "\r\n   \r\n\t\n");
    EXPECT_TRUE(kurseLesen(ordner.path(), tabelle));
    EXPECT_EQ(tabelle.size(), 1u);
}

TEST_F(KursdateiOrdner, LiestAlleSaetzeInDateiReihenfolge) {
    // Windows-1252 umlauts, CR LF and LF alone, blank and short lines, blanks
    // around a record, and no line end after the last record.
    schreiben("currency.ini", "ATS:Schilling: 13.7603:at.bmp: 1\r\n"
                              "\r\n"
                              "   FRF:Franz\xF6sischer Franc: 6.55957:fr.bmp: 0  \n"
                              "Kaputt\r\n"
                              "DEM:Deutsche Mark:1.95583\r\n"
                              "PLN:Z\xB3oty: 4.2883:pl.bmp: 0");
    tabelle[0].Aktiv = true; // what was there stays
    ASSERT_TRUE(kurseLesen(ordner.path(), tabelle));
    ASSERT_EQ(tabelle.size(), 6u);
    EXPECT_TRUE(tabelle[0].Aktiv);
    EXPECT_EQ(tabelle[1].ISO, "ATS");
    EXPECT_EQ(tabelle[1].Flagge, "at.bmp");
    EXPECT_TRUE(tabelle[1].Manuell);
    EXPECT_EQ(tabelle[2].ISO, "FRF");
    EXPECT_EQ(tabelle[2].Name, u"Französischer Franc"_s);
    EXPECT_EQ(tabelle[2].Manuell, false);
    EXPECT_EQ(tabelle[3].Name, "");
    EXPECT_EQ(tabelle[3].Kurs, 0);
    EXPECT_EQ(tabelle[4].Kurs, 0);
    EXPECT_EQ(tabelle[5].Name, u"Z³oty"_s); // 0xB3 is ³ in Windows-1252 (ł only in 1250)
    for (std::size_t k = 1; k < tabelle.size(); ++k) {
        EXPECT_FALSE(tabelle[k].Aktiv);
        EXPECT_EQ(tabelle[k].Platz, 0);
    }
}

TEST_F(KursdateiOrdner, NurDerEuroGibtEineLeereDatei) {
    schreiben("currency.ini", "ATS:Schilling: 13.7603:: 0\r\n");
    ASSERT_TRUE(kurseSpeichern(ordner.path(), tabelle));
    EXPECT_EQ(lesen("currency.ini"), "");
}

TEST_F(KursdateiOrdner, RundreiseGibtDieselbenBytes) {
    const QByteArray datei = "ATS:Schilling: 13.7603:at.bmp: 0\r\n"
                             "DEM:Deutsche Mark: 1.95583:de.bmp: 1\r\n"
                             "FRF:Franz\xF6sischer Franc: 6.55957:: 0\r\n"
                             "IEP:Irisches Pfund: .787564:ie.bmp: 0\r\n"
                             "ITL:Italienische Lira: 1936.27:it.bmp: 0\r\n"
                             "XXX:Winzig, \"fast nichts\": 1E-05:: 1\r\n"
                             "YYY:Riesig: 1.5E+20:: 0\r\n";
    schreiben("currency.ini", datei);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); // decimal comma
    ASSERT_TRUE(kurseLesen(ordner.path(), tabelle));
    ASSERT_TRUE(kurseSpeichern(ordner.path(), tabelle));
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(lesen("currency.ini").toStdString(), datei.toStdString());
}

TEST_F(KursdateiOrdner, NamenAusserhalbVonWindows1252) {
    tabelle.anhaengen({"PLN", u"Złoty"_s, 4.2883, false, 0, "pl.bmp", false});
    tabelle.anhaengen({"ATS", u"Schilling (öS)"_s, 13.7603, false, 0, "", true});
    ASSERT_TRUE(kurseSpeichern(ordner.path(), tabelle));
    EXPECT_TRUE(lesen("currency.ini").startsWith("\xEF\xBB\xBF"));

    Waehrungstabelle gelesen;
    ASSERT_TRUE(kurseLesen(ordner.path(), gelesen));
    ASSERT_EQ(gelesen.size(), 3u);
    for (std::size_t k = 1; k < 3; ++k) {
        EXPECT_EQ(gelesen[k].Name, tabelle[k].Name);
        EXPECT_EQ(gelesen[k].Kurs, tabelle[k].Kurs);
        EXPECT_EQ(gelesen[k].Manuell, tabelle[k].Manuell);
    }
}

TEST_F(KursdateiOrdner, FehlgeschlagenesSpeichern) {
    versperren("currency.ini");
    tabelle.anhaengen({"ATS", "Schilling", 13.7603, false, 0, "", false});
    const Speicherergebnis ergebnis = kurseSpeichern(ordner.path(), tabelle);
    EXPECT_FALSE(ergebnis.ok);
    EXPECT_FALSE(ergebnis.fehler.isEmpty());
    EXPECT_TRUE(unberuehrt("currency.ini"));
}

} // namespace
