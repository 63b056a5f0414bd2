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

TEST_F(MenueTest, MenueleisteInDerRichtigenOrdnung) {
    QStringList titel;
    for (QAction* a : rechner->menuBar()->actions()) {
        titel << a->text();
        for (QAction* e : a->menu()->actions())
            titel << e->text() + u' ' + e->shortcut().toString(QKeySequence::PortableText);
    }
    EXPECT_EQ(titel.join(u'|'),
              QStringLiteral("&Bearbeiten|&Kopieren Ctrl+C|&Einfügen Ctrl+V|&Optionen|"
                             "&Kurstabelle zeigen |&Wechselkurse bearbeiten... |"
                             "&Hauptwährung setzen |&Internet Kurs-Update |&Einstellungen... |"
                             "&?|&Info F1"));
}

TEST_F(MenueTest, KopierenUndEinfuegenInDerEingabewaehrung) {
    tippen(QStringLiteral("1000="));
    EXPECT_EQ(kopieren(), QStringLiteral("1.000,00 "));
    klicken("Euro");
    EXPECT_EQ(kopieren(), QStringLiteral("72,67 "));
    ablegen(" \t10,5 Euro"); // the number at the start, read as in the rate file
    einfuegen();
    EXPECT_EQ(text("DispEuro"), QStringLiteral("10, "));
    EXPECT_EQ(text("DispSchilling"), QStringLiteral("137,603 "));
    EXPECT_DOUBLE_EQ(rechner->rechenwerk().Akkumulator, 137.603);

    // A number that leaves the range when it becomes Schilling is an error.
    ablegen("1e308");
    einfuegen();
    EXPECT_EQ(kopieren(), QStringLiteral("Fehler."));
    EXPECT_DOUBLE_EQ(rechner->rechenwerk().Akkumulator, 137.603);
    taste(Qt::Key_Escape);
    EXPECT_EQ(text("DispEuro"), QStringLiteral("0,00 "));
}

TEST_F(MenueTest, EinfuegenInJedemZustand) {
    ablegen("10");
    struct Fall {
        const char *vorher, *nachher, *erwartet;
    };
    for (const Fall& f : {
             Fall{"5=", "=", "10,00 "},  // replaces the result
             Fall{"5", "7=", "7,00 "},   // ends the entry, 7 starts anew
             Fall{"5+", "=", "15,00 "},  // the second number
             Fall{"5+3", "=", "15,00 "}, // replaces the second number
             Fall{"5+3", "2=", "7,00 "}, // ... and the next digit starts anew
         }) {
        taste(Qt::Key_Escape);
        tippen(QString::fromUtf8(f.vorher));
        einfuegen();
        tippen(QString::fromUtf8(f.nachher));
        EXPECT_EQ(text("DispSchilling"), QString::fromUtf8(f.erwartet)) << f.vorher;
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
    QString titel, zeilen;
    hauptwaehrungWaehlen([&](QDialog& d, QListWidget& liste) {
        titel = d.windowTitle();
        for (int i = 0; i < liste.count(); ++i)
            zeilen += liste.item(i)->text() + u'|';
        const QPoint mitte = liste.visualItemRect(liste.item(1)).center();
        QTest::mouseClick(liste.viewport(), Qt::LeftButton, {}, mitte);
        QTest::mouseDClick(liste.viewport(), Qt::LeftButton, {}, mitte);
    });
    EXPECT_EQ(titel, QStringLiteral("Zirvanto"));
    EXPECT_EQ(zeilen,
              QStringLiteral("ATS - Schilling|USD - US-Dollar|USDX - Langcode|USD - Zweiter|"));
    EXPECT_EQ(globals.Waehrungen.HauptwaehrungIndex, 4);
    EXPECT_EQ(beschriftung("isSchilling"), QStringLiteral("USD"));
    EXPECT_EQ(beschriftung("Kurs"), QStringLiteral("1 EUR = 2,2000 USD"));
    EXPECT_EQ(rechner->rechenwerk().Operation, 0);
    EXPECT_TRUE(lesen("zirvanto.ini").startsWith("Main = USD\r\n"));

    mitEnter(2);
    EXPECT_EQ(globals.Waehrungen.HauptwaehrungIndex, 3);
    mitEnter(-1); // Enter alone keeps it
    EXPECT_EQ(globals.Waehrungen.HauptwaehrungIndex, 3);

    // Cancelled, nothing changes; OK without a choice only clears and saves.
    tippen(QStringLiteral("8"));
    QFile::remove(pfad("zirvanto.ini"));
    hauptwaehrungWaehlen([](QDialog& d, QListWidget& liste) {
        liste.setCurrentRow(0);
        QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("Cancel")), Qt::LeftButton);
    });
    EXPECT_EQ(text("DispSchilling"), QStringLiteral("8, "));
    EXPECT_FALSE(QFile::exists(pfad("zirvanto.ini")));
    hauptwaehrungWaehlen([](QDialog& d, QListWidget& liste) {
        liste.clearSelection();
        QTest::keyClick(&d, Qt::Key_Return);
    });
    EXPECT_EQ(globals.Waehrungen.HauptwaehrungIndex, 3);
    EXPECT_EQ(text("DispSchilling"), QStringLiteral("0,00 "));
    EXPECT_TRUE(lesen("zirvanto.ini").startsWith("Main = USDX\r\n"));
}

TEST_F(MenueTest, InfofensterZeigtDieTexteUndSchliesstMitEnter) {
    globals.einstellungen.Texte[5] = QStringLiteral("<b>fett</b>");
    QStringList texte;
    plattform.dialogSkript = [&](QDialog& d) {
        d.show();
        for (const char* n :
             {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6", "Label10"})
            if (auto* l = d.findChild<QLabel*>(QLatin1String(n))) // server texts stay plain
                texte << (l->textFormat() == Qt::PlainText ? l->text() : QStringLiteral("?"));
        QTest::keyClick(&d, Qt::Key_Return);
        texte << (d.isVisible() ? QStringLiteral("offen") : QStringLiteral("zu"));
        return d.result();
    };
    taste(Qt::Key_F1);
    EXPECT_EQ(texte.join(u'|'), QStringLiteral("Zirvanto|Euro-Referenz- und Wechselkurse|der "
                                               "Europäischen Zentralbank|<b>fett</b>|Lumacor|") +
                                    globals.einstellungen.Texte[7] +
                                    QStringLiteral("|Version 3.0-1010-01|zu"));
    EXPECT_EQ(plattform.dialoge, 1);
}

} // namespace
} // namespace zirvanto
