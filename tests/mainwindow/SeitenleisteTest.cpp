#include "Fenstertest.h"

#include <QComboBox>

namespace zirvanto {
namespace {

class SeitenleisteTest : public test::Fenstertest {
protected:
    void SetUp() override {
        Fenstertest::SetUp();
        schreiben("currency.ini", "ATS:Schilling: 13.7603:at.bmp: 0\r\n"
                                  "USD:US-Dollar: 1.1:us.bmp: 0\r\n"
                                  "CHF:Schweizer Franken: .95:ch.bmp: 1\r\n");
        schreiben("zirvanto.ini", "Main = ATS\r\n");
        for (const char* flagge : {"at.bmp", "us.bmp", "ch.bmp"})
            ASSERT_TRUE(QFile::copy(quelle(flagge), pfad(flagge)));
        oeffnen();
        klicken("AufZu");
    }

    QComboBox* liste(int k) { return kind<QComboBox>(QStringLiteral("SideCombo(%1)").arg(k)); }
    QLabel* box(int k) { return kind<QLabel>(QStringLiteral("SideBox(%1)").arg(k)); }
    QLabel* flagge(int k) { return kind<QLabel>(QStringLiteral("SidePicture(%1)").arg(k)); }
    QString eintraege(int k) {
        QStringList l;
        for (int i = 0; i < liste(k)->count(); ++i)
            l << liste(k)->itemText(i);
        return l.join(u'|');
    }
    // Picks a code in a row's list; the list reports it as a user's choice.
    void waehlen(int k, const QString& code) {
        QComboBox* l = liste(k);
        const int index = l->findText(code);
        ASSERT_GE(index, 0) << code.toStdString();
        l->setCurrentIndex(index);
        emit l->activated(index);
    }
};

TEST_F(SeitenleisteTest, JederCodeStehtNurInEinerZeile) {
    // A pick made while the program fills the lists is none of the user's.
    QFile::remove(pfad("zirvanto.ini"));
    tippen(QStringLiteral("5"));
    globals.ListenFuellung = true;
    waehlen(1, QStringLiteral("USD"));
    globals.ListenFuellung = false;
    EXPECT_EQ(text("DispSchilling"), QStringLiteral("5, "));
    EXPECT_FALSE(QFile::exists(pfad("zirvanto.ini")));
    for (int k = 1; k <= Seitenzeilen; ++k)
        EXPECT_EQ(eintraege(k), QStringLiteral("---|ATS|USD|CHF")) << k;

    waehlen(Seitenzeilen, QStringLiteral("USD")); // the last row
    for (int k = 1; k <= Seitenzeilen; ++k)
        EXPECT_EQ(eintraege(k), k == Seitenzeilen ? QStringLiteral("---|ATS|USD|CHF")
                                                  : QStringLiteral("---|ATS|CHF"))
            << k;
    EXPECT_EQ(liste(Seitenzeilen)->currentText(), QStringLiteral("USD"));
    EXPECT_TRUE(liste(5)->currentText().isEmpty());

    waehlen(Seitenzeilen, QStringLiteral("---"));
    for (int k = 1; k <= Seitenzeilen; ++k)
        EXPECT_EQ(eintraege(k), QStringLiteral("---|ATS|USD|CHF")) << k;
    EXPECT_TRUE(box(Seitenzeilen)->text().isEmpty());
    EXPECT_TRUE(flagge(Seitenzeilen)->pixmap().isNull());
}

TEST_F(SeitenleisteTest, GewaehlteWaehrungZeigtFlaggeUndUmgerechnetenWert) {
    for (int mal : {1, 2}) { // picked again, the row keeps its currency
        tippen(QStringLiteral("1000="));
        waehlen(2, QStringLiteral("USD"));
        // The pick clears the current entry and redraws every display.
        EXPECT_EQ(text("DispSchilling"), QStringLiteral("0,00 "));
        EXPECT_EQ(box(2)->text(), QStringLiteral("0,00")) << mal;
        EXPECT_FALSE(flagge(2)->pixmap().isNull()) << mal;
    }
    tippen(QStringLiteral("1000="));
    EXPECT_EQ(box(2)->text(), QStringLiteral("79,94"));
    EXPECT_EQ(fokus(), kind("Equals"));

    // Saved at once, and found again at the next start.
    EXPECT_TRUE(lesen("zirvanto.ini").contains("\r\nActive = USD;2\r\n"));
    oeffnen();
    EXPECT_EQ(liste(2)->currentText(), QStringLiteral("USD"));
}

TEST_F(SeitenleisteTest, HandgesetzteKurseErscheinenRot) {
    const auto farbe = [&](int k) { return box(k)->palette().color(QPalette::Text); };
    waehlen(1, QStringLiteral("CHF"));
    waehlen(2, QStringLiteral("USD"));
    EXPECT_EQ(farbe(1), QColor(Qt::red));
    EXPECT_EQ(farbe(2), QColor(Qt::black));
    // The row that then shows a currency set by the server turns black.
    waehlen(1, QStringLiteral("---"));
    waehlen(1, QStringLiteral("ATS"));
    EXPECT_EQ(farbe(1), QColor(Qt::black));
}

TEST_F(SeitenleisteTest, FlaggeMachtDieWaehrungZurHauptwaehrung) {
    waehlen(Seitenzeilen, QStringLiteral("USD"));
    for (int k : {Seitenzeilen, 9}) { // an empty row's flag changes nothing but clears all the same
        tippen(QStringLiteral("7+"));
        QTest::mouseClick(flagge(k), Qt::LeftButton);
        EXPECT_EQ(beschriftung("isSchilling"), QStringLiteral("USD")) << k;
        EXPECT_EQ(rechner->rechenwerk().Operation, 0) << k;
    }
}

TEST_F(SeitenleisteTest, BeiDoppeltemCodeNimmtDieZeileDenErsten) {
    schreiben("currency.ini", "USD:Erster: 1.1:: 0\r\nUSD:Zweiter: 2.2:: 0\r\n");
    oeffnen();
    waehlen(1, QStringLiteral("USD"));
    EXPECT_TRUE(globals.Waehrungen[1].Aktiv);
    EXPECT_FALSE(globals.Waehrungen[2].Aktiv);
    // The second is still free, so every list still offers its code.
    EXPECT_EQ(eintraege(2), QStringLiteral("---|USD"));
}

TEST_F(SeitenleisteTest, FlaggenNurAlsEinfacheNamenImProgrammordnerWieGespeichert) {
    // Names are taken as stored: "  ch.bmp  " is not ch.bmp, "at.bmp " is
    // a file of its own.
    schreiben("currency.ini",
              "USD:US-Dollar: 1.1:../us.bmp: 0\r\nCHF:Franken: .95:  ch.bmp  : 0\r\n"
              "ATS:Schilling: 13.7603:at.bmp : 0\r\n");
    schreiben("zirvanto.ini",
              "Main = EUR\r\nActive = USD;1\r\nActive = CHF;2\r\nActive = ATS;3\r\n");
    ASSERT_TRUE(QFile::copy(quelle("at.bmp"), pfad("at.bmp ")));
    oeffnen();
    EXPECT_TRUE(flagge(1)->pixmap().isNull());
    EXPECT_TRUE(flagge(2)->pixmap().isNull());
    EXPECT_FALSE(flagge(3)->pixmap().isNull());
}

} // namespace
} // namespace zirvanto
