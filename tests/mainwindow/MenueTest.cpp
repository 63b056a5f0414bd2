#include "Fenstertest.h"

#include <QClipboard>
#include <QDialog>
#include <QListWidget>

namespace zirvanto {
namespace {

class MenueTest : public test::Fenstertest {
protected:
    void SetUp() override {
        Fenstertest::SetUp();
        mitSchilling();
        oeffnen();
    }
    void ablegen(const char* t) { QGuiApplication::clipboard()->setText(QString::fromUtf8(t)); }
    QString kopieren() {
        taste(Qt::Key_C, Qt::ControlModifier);
        return QGuiApplication::clipboard()->text();
    }
    void einfuegen() { taste(Qt::Key_V, Qt::ControlModifier); }

    // Runs the main-currency dialog; the script does what the user does.
    void hauptwaehrungWaehlen(const std::function<void(QDialog&, QListWidget&)>& handlung) {
        plattform.dialogSkript = [&](QDialog& d) {
            d.show();
            handlung(d, *d.findChild<QListWidget*>(QStringLiteral("Waehrungen")));
            return d.result();
        };
        aktion("waehrungsetzen")->trigger();
    }
    // Enter in the dialog, after choosing a row unless it is -1.
    void mitEnter(int zeile) {
        hauptwaehrungWaehlen([zeile](QDialog& d, QListWidget& liste) {
            if (zeile >= 0) liste.setCurrentRow(zeile);
            QTest::keyClick(&d, Qt::Key_Return);
        });
    }
};

TEST_F(MenueTest, KopierenUndEinfuegenInDerEingabewaehrungUndJedemZustand) {
    tippen(QStringLiteral("1000="));
    EXPECT_EQ(kopieren(), QStringLiteral("1.000,00 "));
    klicken("Euro");
    EXPECT_EQ(kopieren(), QStringLiteral("72,67 "));
    ablegen(" \t10,5 Euro"); // the number at the start, read as in the rate file
    einfuegen();
    EXPECT_EQ(text("DispEuro"), QStringLiteral("10, "));
    EXPECT_EQ(text("DispSchilling"), QStringLiteral("137,603 "));
    ablegen("1e308"); // leaves the range once it becomes Schilling
    einfuegen();
    EXPECT_EQ(kopieren(), QStringLiteral("Fehler."));

    klicken("Euro");
    ablegen("10");
    // typed before, typed after, result
    for (auto [vorher, nachher, erwartet] : {
             std::tuple{"5", "7=", "7,00 "}, // ends the entry, 7 starts anew
             {"5+", "=", "15,00 "},          // the second number
             {"5+3", "2=", "7,00 "},         // replaces the second, the next digit starts anew
         }) {
        taste(Qt::Key_Escape);
        tippen(QLatin1String(vorher));
        einfuegen();
        tippen(QLatin1String(nachher));
        EXPECT_EQ(text("DispSchilling"), QLatin1String(erwartet)) << vorher;
    }
}

TEST_F(MenueTest, HauptwaehrungsdialogBeginntBeiDerHauptwaehrungUndUebernimmtDieWahl) {
    // Of two entries with one code the later one wins; "USDX" is not "USD".
    schreiben("currency.ini", "ATS:Schilling: 13.7603:: 0\r\nUSD:US-Dollar: 1.1:: 0\r\n"
                              "USDX:Langcode: 3:: 0\r\nUSD:Zweiter: 2.2:: 0\r\n");
    schreiben("zirvanto.ini", "Main = EUR\r\n");
    oeffnen();
    mitEnter(-1); // while it is the Euro, the first line is chosen
    EXPECT_EQ(globals.Waehrungen.HauptwaehrungIndex, 1);

    tippen(QStringLiteral("5+"));
    hauptwaehrungWaehlen([](QDialog&, QListWidget& liste) {
        const QPoint mitte = liste.visualItemRect(liste.item(1)).center();
        QTest::mouseClick(liste.viewport(), Qt::LeftButton, {}, mitte);
        QTest::mouseDClick(liste.viewport(), Qt::LeftButton, {}, mitte);
    });
    EXPECT_EQ(globals.Waehrungen.HauptwaehrungIndex, 4);
    EXPECT_EQ(text("Kurs"), QStringLiteral("1 EUR = 2,2000 USD"));
    EXPECT_EQ(rechner->rechenwerk().Operation, 0);
    EXPECT_TRUE(lesen("zirvanto.ini").startsWith("Main = USD\r\n"));

    mitEnter(2);
    EXPECT_EQ(globals.Waehrungen.HauptwaehrungIndex, 3);
    mitEnter(-1); // Enter alone keeps it
    EXPECT_EQ(globals.Waehrungen.HauptwaehrungIndex, 3);

    // Cancelled, nothing changes.
    tippen(QStringLiteral("8"));
    QFile::remove(pfad("zirvanto.ini"));
    hauptwaehrungWaehlen([](QDialog& d, QListWidget& liste) {
        liste.setCurrentRow(0);
        QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("Cancel")), Qt::LeftButton);
    });
    EXPECT_EQ(globals.Waehrungen.HauptwaehrungIndex, 3);
    EXPECT_EQ(text("DispSchilling"), QStringLiteral("8, "));
    EXPECT_FALSE(QFile::exists(pfad("zirvanto.ini")));
}

TEST_F(MenueTest, InfofensterZeigtDieTexteUndSchliesstMitEnter) {
    globals.einstellungen.Texte[5] = QStringLiteral("<b>fett</b>");
    QStringList texte;
    plattform.dialogSkript = [&](QDialog& d) {
        d.show();
        for (const char* n : {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6"})
            if (auto* l = d.findChild<QLabel*>(QLatin1String(n))) // server texts stay plain
                texte << (l->textFormat() == Qt::PlainText ? l->text() : QStringLiteral("?"));
        QTest::keyClick(&d, Qt::Key_Return);
        texte << (d.isVisible() ? QStringLiteral("offen") : QStringLiteral("zu"));
        return d.result();
    };
    taste(Qt::Key_F1);
    EXPECT_EQ(texte.join(u'|'), QStringLiteral("Zirvanto|Euro-Referenz- und Wechselkurse|der "
                                               "Europäischen Zentralbank|<b>fett</b>|Lumacor|") +
                                    globals.einstellungen.Texte[7] + QStringLiteral("|zu"));
}

} // namespace
} // namespace zirvanto
