#include "Fenstertest.h"

#include <QComboBox>
#include <QDir>
#include <QImage>

namespace zirvanto {
namespace {

class StartTest : public test::Fenstertest {};

const QString ErsteFrage = QStringLiteral(
    "Wollen Sie die Wechselkurse bei jedem Programmstart automatisch aktualisieren?");

TEST_F(StartTest, ErsterStartFragtUndSchreibtDieEinstellungenSofort) {
    for (bool ja : {true, false}) {
        QFile::remove(pfad("zirvanto.ini"));
        plattform.fragen.clear();
        plattform.antworten = {ja};
        oeffnen();
        ASSERT_EQ(plattform.fragen.size(), 1u);
        EXPECT_EQ(plattform.fragen[0].text, ErsteFrage);
        EXPECT_EQ(plattform.fragen[0].titel, QStringLiteral("Zirvanto"));
        const QByteArray ini = lesen("zirvanto.ini");
        EXPECT_TRUE(ini.startsWith("Main = EUR\r\n")) << ini.constData();
        EXPECT_TRUE(ini.contains("\r\nFreshInstalled = 1\r\n"));
        EXPECT_TRUE(ini.contains(ja ? "\r\nAutoUpdate = 1\r\n" : "\r\nAutoUpdate = 0\r\n"));
        EXPECT_EQ(globals.einstellungen.AutoUpdateAktiv, ja);
        EXPECT_TRUE(plattform.meldungen.empty());
    }
    // With the file written, the next start asks nothing.
    plattform.fragen.clear();
    oeffnen();
    EXPECT_TRUE(plattform.fragen.empty());
}

TEST_F(StartTest, StartMitDateienZeigtTabelleHauptwaehrungUndZeilen) {
    schreiben("currency.ini", "ATS:Schilling: 13.7603:at.bmp: 0\r\n"
                              "USD:US-Dollar: 1.1::\x20"
                              "1\r\n"
                              "CHF:Schweizer Franken: .9372:: 0\r\n");
    schreiben("zirvanto.ini", "Main = ATS\r\nActive = USD;1\r\nActive = ATS;3\r\n"
                              "Update = 06.07.2026 14:30:00\r\nText01 = Mein Rechner\r\n");
    QFile::copy(quelle("at.bmp"), pfad("at.bmp"));
    Rechner& r = oeffnen();

    EXPECT_EQ(r.windowTitle(), QStringLiteral("Mein Rechner"));
    EXPECT_EQ(beschriftung("Kurs"), QStringLiteral("1 EUR = 13,7603 ATS"));
    EXPECT_EQ(beschriftung("isSchilling"), QStringLiteral("ATS"));
    EXPECT_EQ(beschriftung("lastUpdate"), QStringLiteral("06.07.2026 14:30:00"));
    EXPECT_EQ(kind<QComboBox>("SideCombo(1)")->currentText(), QStringLiteral("USD"));
    EXPECT_EQ(kind<QComboBox>("SideCombo(3)")->currentText(), QStringLiteral("ATS"));
    EXPECT_TRUE(kind<QComboBox>("SideCombo(2)")->currentText().isEmpty());
    EXPECT_EQ(text("SideBox(1)"), QStringLiteral("0,00"));
    EXPECT_FALSE(kind<QLabel>("SidePicture(3)")->pixmap().isNull());
    EXPECT_TRUE(kind<QLabel>("SidePicture(1)")->pixmap().isNull());
    EXPECT_EQ(r.width(), 273);
    EXPECT_TRUE(plattform.fragen.empty());
}

TEST_F(StartTest, ZweiStartsHintereinanderZeigenDasGleiche) {
    schreiben("currency.ini", "ATS:Schilling: 13.7603:: 0\r\nUSD:US-Dollar: 1.1:: 0\r\n");
    schreiben("zirvanto.ini", "Main = ATS\r\nActive = USD;2\r\n");
    const auto bild = [&] {
        QStringList b{rechner->windowTitle(), beschriftung("Kurs"), beschriftung("isSchilling"),
                      beschriftung("isEuro"), beschriftung("Euro"), text("DispEuro"),
                      text("DispSchilling")};
        for (int k = 1; k <= Seitenzeilen; ++k) {
            b << kind<QComboBox>(QStringLiteral("SideCombo(%1)").arg(k))->currentText();
            b << kind<QLabel>(QStringLiteral("SideBox(%1)").arg(k))->text();
        }
        return b;
    };
    oeffnen();
    const QStringList erst = bild();
    const QByteArray ini = lesen("zirvanto.ini");
    oeffnen();
    EXPECT_EQ(bild(), erst);
    EXPECT_EQ(lesen("zirvanto.ini"), ini); // start-up writes nothing
}

TEST_F(StartTest, VierzehnZeilenUntereinander) {
    oeffnen();
    for (int k = 1; k <= Seitenzeilen; ++k) // hidden with the rate table
        EXPECT_FALSE(kind(QStringLiteral("SideCombo(%1)").arg(k))->isVisibleTo(rechner.get()));
    klicken("AufZu");
    for (int k = 1; k <= Seitenzeilen; ++k) {
        const int oben = (120 + 300 * (k - 1) + 7) / 15;
        for (const char* stamm : {"SideCombo", "SidePicture", "SideBox"}) {
            QWidget* w = kind(QStringLiteral("%1(%2)").arg(QLatin1String(stamm)).arg(k));
            EXPECT_EQ(w->y(), oben) << stamm << k;
            EXPECT_TRUE(w->isVisibleTo(rechner.get())) << stamm << k;
        }
        EXPECT_EQ(kind(QStringLiteral("SideLabel(%1)").arg(k))->isVisibleTo(rechner.get()), k == 1);
    }
}

TEST_F(StartTest, FehlschlagendesSpeichernWirdGemeldetUndDieAlteDateiBleibt) {
    // The settings file's place is taken by a folder: the first start
    // cannot write it, says so, and goes on.
    QFile::remove(pfad("zirvanto.ini"));
    ASSERT_TRUE(QDir(ordner.path()).mkdir(QStringLiteral("zirvanto.ini")));
    plattform.antworten = {false};
    oeffnen();
    ASSERT_EQ(plattform.meldungen.size(), 1u);
    EXPECT_TRUE(plattform.meldungen[0].text.contains(QStringLiteral("zirvanto.ini")));
    EXPECT_TRUE(plattform.meldungen[0].text.startsWith(QStringLiteral("Die Datei")));
    EXPECT_TRUE(QFileInfo(pfad("zirvanto.ini")).isDir());
    tippen(QStringLiteral("2+2="));
    EXPECT_EQ(text("DispSchilling"), QStringLiteral("4,00 "));
}

TEST_F(StartTest, LogoAusDemProgrammordnerErsetztDasWerbebild) {
    QImage logo(266, 89, QImage::Format_RGB32);
    logo.fill(Qt::red);
    ASSERT_TRUE(logo.save(pfad("logo.bmp")));
    oeffnen();
    const QImage gezeigt = kind<QLabel>("WerbeLogo")->pixmap().toImage();
    EXPECT_EQ(gezeigt.pixelColor(10, 10), QColor(Qt::red));

    schreiben("logo.bmp", "kein Bild"); // an unreadable logo keeps the built-in picture
    oeffnen();
    EXPECT_NE(kind<QLabel>("WerbeLogo")->pixmap().toImage().pixelColor(10, 10), QColor(Qt::red));
    EXPECT_FALSE(kind<QLabel>("WerbeLogo")->pixmap().isNull());
}

TEST_F(StartTest, WerbebildOeffnetDieWerbeseite) {
    oeffnen();
    EXPECT_EQ(kind("WerbeLogo")->toolTip(),
              QStringLiteral("Klicken Sie hier, um auf die Homepage zu kommen"));
    QTest::mouseClick(kind("WerbeLogo"), Qt::LeftButton);
    ASSERT_EQ(plattform.adressen.size(), 1u);
    EXPECT_EQ(plattform.adressen[0].toString(),
              globals.einstellungen.WerbeURL + QStringLiteral("&rechner=1010"));
}

} // namespace
} // namespace zirvanto
