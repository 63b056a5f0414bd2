#include "mainwindow/Stichtag.h"
#include "Fenstertest.h"
#include "Testzip.h"
#include "support/Testserver.h"

#include <QCalendarWidget>
#include <QSpinBox>
#include <QToolButton>

namespace zirvanto {
namespace {

const QByteArray Kurse =
    "ATS:Schilling: 13.7603:: 0\r\nUSD:Dollar: 1.1:: 1\r\nISK:Krone: 140:: 0\r\n";
const QByteArray Ini = "Main = ATS\r\nActive = USD;1\r\nActive = ISK;2\r\n";

class StichtagTest : public test::Fenstertest {
protected:
    void SetUp() override {
        Fenstertest::SetUp();
        schreiben("currency.ini", Kurse);
        schreiben("zirvanto.ini", Ini);
        server.antworten = [](const QByteArray&) {
            return test::Antwort{200, test::zipMit("eurofxref-hist.csv",
                                                   "Date,USD,ISK,\n2015-01-16,1.1588,N/A,\n"
                                                   "2015-01-15,1.1708,150.5,\n")};
        };
        oeffnen(false).historienadressenSetzen(server.adresse("/hist.zip"), {});
        tippen(QStringLiteral("1000="));
    }
    // Ctrl+D; the script picks the day and confirms with Enter in the calendar.
    QString datumWaehlen(QDate tag, std::optional<int> knopf = {}) {
        QString genutzt;
        plattform.dialogSkript = [&](QDialog& d) {
            auto& dialog = static_cast<Stichtag&>(d);
            zeigen(dialog);
            dialog.Kalender->setSelectedDate(tag);
            genutzt = dialog.GenutzterTag->text();
            if (knopf) return *knopf;
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            return dialog.result();
        };
        zeigen(*rechner);
        taste(Qt::Key_D, Qt::ControlModifier);
        return genutzt;
    }
    static void zeigen(QWidget& w) {
        w.show();
        QApplication::setActiveWindow(&w);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&w));
    }
    QColor farbe(const char* name, QPalette::ColorRole rolle) {
        return kind<QWidget>(QLatin1String(name))->palette().color(rolle);
    }

    test::Testserver server;
};

TEST_F(StichtagTest, RechnetMitDenKursenDesTagesOhneDateienZuAendern) {
    EXPECT_EQ(datumWaehlen({2015, 1, 17}), "Die Kursgeschichte der EZB wird nach „Ok“ einmal "
                                           "geladen (etwa 0,7 MB).");
    EXPECT_EQ(text("lastUpdate"), "Kurse vom 16.01.2015"); // Saturday: Friday's rates
    EXPECT_EQ(farbe("lastUpdate", QPalette::WindowText), QColor(0, 0, 0xC0));
    EXPECT_EQ(text("DispEuro"), "72,67 ");
    // The side rows, built only now, show the day too.
    klicken("AufZu");
    EXPECT_EQ(text("SideBox(1)"), "84,21"); // the day's rate, not the hand-set one
    EXPECT_EQ(farbe("SideBox(1)", QPalette::Text), Qt::black);
    EXPECT_EQ(text("SideBox(2)"), "10.174,20"); // no rate that day: today's, greyed
    EXPECT_EQ(farbe("SideBox(2)", QPalette::Text), QColor(0x80, 0x80, 0x80));
    EXPECT_EQ(kind<QWidget>("SideBox(2)")->toolTip(),
              "Für ISK gibt es am 16.01.2015 keinen Referenzkurs der EZB; gerechnet wird mit "
              "dem aktuellen Kurs.");

    // Once the history is there, the dialog names the day used.
    EXPECT_EQ(datumWaehlen({2015, 1, 15}, QDialog::Rejected),
              "Es gelten die Kurse vom Donnerstag, 15. Januar 2015.");
    EXPECT_EQ(text("lastUpdate"), "Kurse vom 16.01.2015"); // cancelled: as it was
    datumWaehlen({2015, 1, 15});
    datumWaehlen({2015, 1, 15}, Stichtag::Heute);
    EXPECT_EQ(text("lastUpdate"), "1. 1. 2001");
    EXPECT_EQ(text("SideBox(1)"), "79,94");
    EXPECT_EQ(farbe("SideBox(1)", QPalette::Text), Qt::red);
    EXPECT_EQ(kind<QWidget>("SideBox(2)")->toolTip(), QString());

    EXPECT_EQ(lesen("currency.ini"), Kurse);
    EXPECT_EQ(lesen("zirvanto.ini"), Ini);

    // The editor and the main-currency dialog work on today's rates.
    for (const char* befehl : {"Wechselkurs", "waehrungsetzen"}) {
        datumWaehlen({2015, 1, 15});
        EXPECT_EQ(globals.Waehrungen[2].Kurs, 1.1708) << befehl;
        plattform.dialogSkript = {};
        aktion(befehl)->trigger();
        EXPECT_EQ(text("lastUpdate"), "1. 1. 2001") << befehl;
        EXPECT_EQ(globals.Waehrungen[2].Kurs, 1.1) << befehl;
    }
    EXPECT_EQ(lesen("currency.ini"), Kurse);
    EXPECT_EQ(server.koepfe.size(), 1u);

    // The day of a later update from the daily feed joins the history.
    server.antworten = [](const QByteArray&) {
        return test::Antwort{200, "<Cube time='2015-01-19'><Cube currency='USD' rate='1.16'/>"};
    };
    globals.einstellungen.CurrencyURL = server.adresse("/daily.xml");
    plattform.meldungen.clear();
    rechner->Update_Click();
    EXPECT_EQ(datumWaehlen({2015, 1, 20}, QDialog::Rejected),
              "Es gelten die Kurse des letzten Bankarbeitstages davor, Montag, 19. Januar 2015.");
    EXPECT_EQ(server.koepfe.size(), 2u);
}

TEST_F(StichtagTest, EnterImJahresfeldBestaetigtNurDasJahr) {
    Stichtag dialog(QStringLiteral("Z"), QDate(2015, 1, 17), test::Deutsch, {});
    zeigen(dialog);
    // Every button a screen reader reaches has a name, the month arrows too.
    for (const QAbstractButton* k : dialog.findChildren<QAbstractButton*>())
        EXPECT_TRUE(!k->isVisible() || !k->text().isEmpty() || !k->accessibleName().isEmpty())
            << k->objectName().toStdString();
    QTest::mouseClick(dialog.Kalender->findChild<QToolButton*>("qt_calendar_yearbutton"),
                      Qt::LeftButton);
    auto* jahr = dialog.Kalender->findChild<QSpinBox*>();
    jahr->selectAll();
    QTest::keyClicks(jahr, "2010");
    QTest::keyClick(jahr, Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.gewaehlterTag(), QDate(2010, 1, 17));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); // to the buttons
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(dialog.result(), Stichtag::Heute);
}

} // namespace
} // namespace zirvanto
