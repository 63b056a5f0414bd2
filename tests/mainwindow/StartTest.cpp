#include "Fenstertest.h"

#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QResource>

#include <sys/stat.h>

namespace zirvanto {
namespace {

using StartTest = test::Fenstertest;

TEST_F(StartTest, ErsterStartFragtUndSchreibtDieEinstellungenSofort) {
    globals.Programmserver = QStringLiteral("http://127.0.0.1:1"); // refuses at once
    for (bool ja : {true, false}) {
        QFile::remove(pfad("zirvanto.ini"));
        plattform.fragen.clear();
        plattform.antworten = {ja};
        oeffnen();
        oeffnen(); // with the file written, the next start asks nothing
        EXPECT_EQ(plattform.fragen.size(), 1u);
        const QByteArray ini = lesen("zirvanto.ini");
        EXPECT_TRUE(ini.contains("\r\nFreshInstalled = 1\r\n") &&
                    ini.contains(ja ? "\r\nAutoUpdate = 1\r\n" : "\r\nAutoUpdate = 0\r\n"))
            << ini.constData();
        EXPECT_TRUE(plattform.meldungen.empty());
    }
}

TEST_F(StartTest, StartMitDateienZeigtSieUndSchreibtNichts) {
    // Flags are plain names in the program folder, taken as stored: "at.bmp "
    // is a file of its own, "x/../us.bmp" would reach a flag that lies there.
    schreiben("currency.ini",
              "ATS:Schilling: 13.7603:at.bmp : 0\r\nUSD:US-Dollar: 1.1:x/../us.bmp: 1\r\n");
    const QByteArray ini = "Main = ATS\r\nActive = USD;1\r\nActive = ATS;3\r\n"
                           "Update = 06.07.2026 14:30:00\r\nText01 = Mein Rechner\r\n";
    schreiben("zirvanto.ini", ini);
    ASSERT_TRUE(QFile::copy(quelle("at.bmp"), pfad("at.bmp ")));
    ASSERT_TRUE(QFile::copy(quelle("us.bmp"), pfad("us.bmp")));
    ASSERT_TRUE(QDir(ordner.path()).mkdir(QStringLiteral("x")));
    // What saves cut short left behind goes.
    schreiben("zirvanto.ini.Ab12Cd", "halb");
    schreiben("currency.ini.Xy34Zw", "halb");
    EXPECT_EQ(oeffnen().windowTitle(), QStringLiteral("Mein Rechner"));
    EXPECT_FALSE(QFile::exists(pfad("zirvanto.ini.Ab12Cd")) ||
                 QFile::exists(pfad("currency.ini.Xy34Zw")));
    EXPECT_EQ(text("Kurs"), QStringLiteral("1 EUR = 13,7603 ATS"));
    EXPECT_EQ(text("lastUpdate"), QStringLiteral("06.07.2026 14:30:00"));
    EXPECT_EQ(kind<QComboBox>("SideCombo(1)")->currentText(), QStringLiteral("USD"));
    EXPECT_TRUE(kind<QComboBox>("SideCombo(2)")->currentText().isEmpty());
    EXPECT_EQ(text("SideBox(1)"), QStringLiteral("0,00"));
    EXPECT_TRUE(kind<QLabel>("SidePicture(1)")->pixmap().isNull());
    EXPECT_FALSE(kind<QLabel>("SidePicture(3)")->pixmap().isNull());
    EXPECT_EQ(lesen("zirvanto.ini"), ini);
}

// The side rows follow the first paint; opened before, the rate table
// builds them at once, filled, with their flags and in their tab order.
TEST_F(StartTest, KurstabelleVorDemErstenZeichnenZeigtIhreZeilen) {
    schreiben("currency.ini", "USD:US-Dollar: 1.1:us.bmp: 0\r\n");
    schreiben("zirvanto.ini", "Main = EUR\r\nActive = USD;1\r\n");
    ASSERT_TRUE(QFile::copy(quelle("us.bmp"), pfad("us.bmp")));
    rechner = std::make_unique<Rechner>(globals, plattform, ordner.path(), test::Deutsch);
    rechner->AufZu_Click();
    EXPECT_FALSE(kind("SideCombo(1)")->isHidden());
    EXPECT_EQ(kind<QComboBox>("SideCombo(1)")->currentText() + text("SideBox(1)"), "USD0,00");
    EXPECT_FALSE(kind<QLabel>("SidePicture(1)")->pixmap().isNull());
    EXPECT_EQ(kind("SideCombo(14)")->nextInFocusChain(), kind("Update"));
}

TEST_F(StartTest, UnlesbareDateienWerdenGemeldetUndNichtUeberschrieben) {
    // A named pipe holds the rate file's place (opening it would wait for a
    // writer), a folder the settings file's: both are reported, no first-start
    // question is asked, nothing is written, and the start goes on with start
    // values.
    ASSERT_EQ(mkfifo(QFile::encodeName(pfad("currency.ini")).constData(), 0600), 0);
    QFile::remove(pfad("zirvanto.ini"));
    ASSERT_TRUE(QDir(ordner.path()).mkdir(QStringLiteral("zirvanto.ini")));
    oeffnen();
    EXPECT_TRUE(plattform.fragen.empty());
    ASSERT_EQ(plattform.meldungen.size(), 2u);
    EXPECT_TRUE(plattform.meldungen[0].text.contains(pfad("currency.ini")));
    EXPECT_TRUE(plattform.meldungen[1].text.contains(pfad("zirvanto.ini")));
    EXPECT_EQ(globals.Waehrungen.size(), 1u);
}

TEST_F(StartTest, LogoAusDemProgrammordnerUndKlickAufDieWerbeseite) {
    QImage logo(266, 89, QImage::Format_RGB32);
    logo.fill(Qt::red);
    ASSERT_TRUE(logo.save(pfad("logo.bmp")));
    oeffnen(); // without a program server, no advertisement page
    EXPECT_EQ(kind<QLabel>("WerbeLogo")->pixmap().toImage().pixelColor(10, 10), QColor(Qt::red));
    QTest::mouseClick(kind("WerbeLogo"), Qt::LeftButton);
    schreiben("zirvanto.ini", "WerbeURL = http://w.example/?a=1\r\n");
    oeffnen(); // one a user set, without the program's identifier
    QTest::mouseClick(kind("WerbeLogo"), Qt::LeftButton);
    EXPECT_EQ(plattform.adressen, std::vector<QUrl>{QUrl("http://w.example/?a=1")});

    schreiben("logo.bmp", "kein Bild"); // an unreadable logo keeps the built-in picture,
    oeffnen();                          // shown from the program's data, not a copy
    EXPECT_EQ(kind<QLabel>("WerbeLogo")->pixmap().toImage().constBits(),
              QResource(":/bilder/werbelogo.bmp").data() + 56);
}

} // namespace
} // namespace zirvanto
