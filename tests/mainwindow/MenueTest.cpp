#include "Fenstertest.h"

#include <QClipboard>
#include <QDialog>
#include <QListWidget>
#include <QMenuBar>

namespace zirvanto {
namespace {

class MenueTest : public test::Fenstertest {
protected:
    void SetUp() override {
        Fenstertest::SetUp();
        mitSchilling();
        oeffnen();
    }
    void ablegen(const QString& t) { QGuiApplication::clipboard()->setText(t); }
    QString ablage() { return QGuiApplication::clipboard()->text(); }
    void einfuegen() { taste(Qt::Key_V, Qt::ControlModifier); }

    // Runs the main-currency dialog; the script gets the dialog's list and
    // does what the user does.
    void hauptwaehrungWaehlen(const std::function<void(QDialog&, QListWidget&)>& handlung) {
        plattform.dialogSkript = [&](QDialog& d) {
            auto* liste = d.findChild<QListWidget*>(QStringLiteral("Waehrungen"));
            EXPECT_NE(liste, nullptr);
            zeilen.clear();
            for (int i = 0; liste && i < liste->count(); ++i)
                zeilen << liste->item(i)->text();
            titel = d.windowTitle();
            d.show();
            if (liste) handlung(d, *liste);
            return d.result();
        };
        aktion("waehrungsetzen")->trigger();
    }
    static void okKlicken(QDialog& d) {
        QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("OK")), Qt::LeftButton);
    }

    QStringList zeilen;
    QString titel;
};

TEST_F(MenueTest, MenueleisteInDerRichtigenOrdnung) {
    QStringList titel;
    for (QAction* a : rechner->menuBar()->actions()) {
        titel << a->text();
        for (QAction* e : a->menu()->actions())
            titel << QStringLiteral("  ") + e->text() + QLatin1Char(' ') +
                         e->shortcut().toString(QKeySequence::PortableText);
    }
    EXPECT_EQ(titel, (QStringList{
                         QStringLiteral("&Bearbeiten"),
                         QStringLiteral("  &Kopieren Ctrl+C"),
                         QStringLiteral("  &Einfügen Ctrl+V"),
                         QStringLiteral("&Optionen"),
                         QStringLiteral("  &Kurstabelle zeigen "),
                         QStringLiteral("  &Wechselkurse bearbeiten... "),
                         QStringLiteral("  &Hauptwährung setzen "),
                         QStringLiteral("  &Internet Kurs-Update "),
                         QStringLiteral("  &Einstellungen... "),
                         QStringLiteral("&?"),
                         QStringLiteral("  &Info F1"),
                     }));
}

TEST_F(MenueTest, KopierenNimmtDieAnzeigeDerEingabewaehrung) {
    tippen(QStringLiteral("1000="));
    taste(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(ablage(), QStringLiteral("1.000,00 "));
    klicken("Euro");
    taste(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(ablage(), QStringLiteral("72,67 "));
    tippen(QStringLiteral("1/0="));
    taste(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(ablage(), QStringLiteral("Division durch Null."));
    // Pasting an error text back gives 0.
    taste(Qt::Key_Escape);
    einfuegen();
    EXPECT_EQ(text("DispEuro"), QStringLiteral("0, "));
}

TEST_F(MenueTest, EinfuegenLiestDieZahlAmAnfang) {
    struct Fall {
        const char* ablage;
        const char* dispSchilling;
    };
    for (const Fall& f :
         {Fall{"10", "10, "}, Fall{"12.5", "12,5 "}, Fall{"12,5", "12, "},
          Fall{"1.234,56", "1,234 "}, Fall{"  \t 42 Schilling", "42, "}, Fall{"-3e2", "-300, "},
          Fall{"", "0, "}, Fall{"abc", "0, "}, Fall{"1e999", "0, "}}) {
        taste(Qt::Key_Escape);
        ablegen(QString::fromUtf8(f.ablage));
        einfuegen();
        EXPECT_EQ(text("DispSchilling"), QString::fromUtf8(f.dispSchilling)) << f.ablage;
    }
    ablegen(QStringLiteral("1000"));
    einfuegen();
    EXPECT_EQ(text("DispEuro"), QStringLiteral("72,6728341678597 "));
}

TEST_F(MenueTest, EinfuegenInJedemZustand) {
    ablegen(QStringLiteral("10"));
    struct Fall {
        const char* vorher;
        const char* nachher;
        const char* erwartet;
    };
    for (const Fall& f : {
             Fall{"5=", "=", "10,00 "},  // state 0: replaces the result
             Fall{"5", "7=", "7,00 "},   // state 1: ends the entry, 7 starts anew
             Fall{"5+", "=", "15,00 "},  // state 2: the second number
             Fall{"5+3", "=", "15,00 "}, // state 3: replaces the second number
             Fall{"5+3", "2=", "7,00 "}, // ... and the next digit starts anew
         }) {
        taste(Qt::Key_Escape);
        tippen(QString::fromUtf8(f.vorher));
        einfuegen();
        tippen(QString::fromUtf8(f.nachher));
        EXPECT_EQ(text("DispSchilling"), QString::fromUtf8(f.erwartet)) << f.vorher;
    }
}

TEST_F(MenueTest, EinfuegenBeiEuroeingabeNimmtEuro) {
    klicken("Euro");
    ablegen(QStringLiteral("10"));
    einfuegen();
    EXPECT_EQ(text("DispEuro"), QStringLiteral("10, "));
    EXPECT_EQ(text("DispSchilling"), QStringLiteral("137,603 "));
    EXPECT_DOUBLE_EQ(rechner->rechenwerk().Akkumulator, 137.603);

    // A number that leaves the range when it becomes Schilling is an error.
    ablegen(QStringLiteral("1e308"));
    einfuegen();
    EXPECT_EQ(text("DispEuro"), QStringLiteral("Fehler."));
    EXPECT_DOUBLE_EQ(rechner->rechenwerk().Akkumulator, 137.603);
    taste(Qt::Key_Escape);
    EXPECT_EQ(text("DispEuro"), QStringLiteral("0,00 "));
}

TEST_F(MenueTest, HauptwaehrungsdialogWaehltDieWaehrung) {
    schreiben("currency.ini", "ATS:Schilling: 13.7603:: 0\r\nUSD:US-Dollar: 1.1:: 0\r\n"
                              "US:Kurzcode: 2:: 0\r\nUSDX:Langcode: 3:: 0\r\n");
    oeffnen();
    tippen(QStringLiteral("5+"));
    hauptwaehrungWaehlen([](QDialog& d, QListWidget& liste) {
        liste.setCurrentRow(1);
        okKlicken(d);
    });
    EXPECT_EQ(titel, QStringLiteral("Zirvanto"));
    EXPECT_EQ(zeilen,
              (QStringList{QStringLiteral("ATS - Schilling"), QStringLiteral("USD - US-Dollar"),
                           QStringLiteral("US - Kurzcode"), QStringLiteral("USDX - Langcode")}));
    EXPECT_EQ(beschriftung("isSchilling"), QStringLiteral("USD"));
    EXPECT_EQ(beschriftung("Kurs"), QStringLiteral("1 EUR = 1,1000 USD"));
    EXPECT_EQ(rechner->rechenwerk().Operation, 0);
    EXPECT_TRUE(lesen("zirvanto.ini").startsWith("Main = USD\r\n"));

    // Codes that are not three letters choose exactly their own currency.
    for (int zeile : {2, 3}) {
        hauptwaehrungWaehlen([zeile](QDialog& d, QListWidget& liste) {
            liste.setCurrentRow(zeile);
            okKlicken(d);
        });
        EXPECT_EQ(globals.Waehrungen.HauptwaehrungIndex, zeile + 1);
    }
}

TEST_F(MenueTest, DoppelklickBestaetigtAbbrechenAendertNichts) {
    hauptwaehrungWaehlen([](QDialog& d, QListWidget& liste) {
        (void)d;
        QListWidgetItem* zeile = liste.item(0);
        const QRect r = liste.visualItemRect(zeile);
        QTest::mouseClick(liste.viewport(), Qt::LeftButton, {}, r.center());
        QTest::mouseDClick(liste.viewport(), Qt::LeftButton, {}, r.center());
    });
    EXPECT_EQ(globals.Waehrungen.HauptwaehrungIndex, 1);

    tippen(QStringLiteral("8"));
    const QByteArray ini = lesen("zirvanto.ini");
    hauptwaehrungWaehlen([](QDialog& d, QListWidget& liste) {
        liste.setCurrentRow(0);
        QTest::keyClick(&d, Qt::Key_Escape);
    });
    EXPECT_EQ(text("DispSchilling"), QStringLiteral("8, ")); // the calculator keeps its value
    EXPECT_EQ(lesen("zirvanto.ini"), ini);
}

TEST_F(MenueTest, OkOhneAuswahlBehaeltDieWaehrungUndLoeschtDenRechner) {
    tippen(QStringLiteral("8"));
    QFile::remove(pfad("zirvanto.ini"));
    hauptwaehrungWaehlen([](QDialog& d, QListWidget& liste) {
        liste.clearSelection();
        QTest::keyClick(&d, Qt::Key_Return);
    });
    EXPECT_EQ(globals.Waehrungen.HauptwaehrungIndex, 1);
    EXPECT_EQ(text("DispSchilling"), QStringLiteral("0,00 "));
    EXPECT_TRUE(lesen("zirvanto.ini").startsWith("Main = ATS\r\n"));
}

TEST_F(MenueTest, DialogOeffnetMitDerHauptwaehrungGewaehlt) {
    schreiben("currency.ini", "ATS:Schilling: 13.7603:: 0\r\nUSD:US-Dollar: 1.1:: 0\r\n"
                              "CHF:Franken: .9372:: 0\r\n");
    // main currency before, keys, main currency after
    for (auto [haupt, runter, danach] :
         {std::tuple{"USD", false, 2}, {"USD", true, 3}, {"EUR", false, 1}}) {
        schreiben("zirvanto.ini", QByteArray("Main = ") + haupt + "\r\n");
        oeffnen();
        hauptwaehrungWaehlen([&](QDialog&, QListWidget& liste) {
            if (runter) QTest::keyClick(&liste, Qt::Key_Down);
            QTest::keyClick(&liste, Qt::Key_Return);
        });
        EXPECT_EQ(globals.Waehrungen.HauptwaehrungIndex, danach) << haupt << runter;
    }
}

TEST_F(MenueTest, BeiDoppeltemCodeGewinntDerLetzte) {
    schreiben("currency.ini", "USD:Erster: 1.1:: 0\r\nUSD:Zweiter: 2.2:: 0\r\n");
    oeffnen();
    hauptwaehrungWaehlen([](QDialog& d, QListWidget& liste) {
        liste.setCurrentRow(0);
        okKlicken(d);
    });
    EXPECT_EQ(globals.Waehrungen.HauptwaehrungIndex, 2);
    EXPECT_EQ(beschriftung("Kurs"), QStringLiteral("1 EUR = 2,2000 USD"));
}

TEST_F(MenueTest, InfofensterZeigtDieTexteUndSchliesstMitEnterUndEsc) {
    globals.einstellungen.Texte[5] = QStringLiteral("<b>fett</b>");
    for (Qt::Key schliessen : {Qt::Key_Return, Qt::Key_Escape}) {
        QStringList texte;
        int ergebnis = -1;
        bool sichtbar = true;
        plattform.dialogSkript = [&](QDialog& d) {
            d.show();
            for (const char* n :
                 {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6", "Label10"}) {
                auto* l = d.findChild<QLabel*>(QLatin1String(n));
                texte << (l ? l->text() : QString());
                if (l) {
                    EXPECT_EQ(l->textFormat(), Qt::PlainText);
                }
            }
            QTest::keyClick(&d, schliessen);
            sichtbar = d.isVisible();
            ergebnis = d.result();
            return ergebnis;
        };
        taste(Qt::Key_F1);
        EXPECT_EQ(texte, (QStringList{QStringLiteral("Zirvanto"),
                                      QStringLiteral("Euro-Referenz- und Wechselkurse"),
                                      QStringLiteral("der Europäischen Zentralbank"),
                                      QStringLiteral("<b>fett</b>"), QStringLiteral("Lumacor"),
                                      globals.einstellungen.Texte[7],
                                      QStringLiteral("Version 3.0-1010-01")}));
        EXPECT_FALSE(sichtbar);
        EXPECT_EQ(plattform.dialoge, schliessen == Qt::Key_Return ? 1 : 2);
    }
}

} // namespace
} // namespace zirvanto
