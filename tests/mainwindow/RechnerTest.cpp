#include "Fenstertest.h"
#include "mainwindow/Tastenfeld.h"

#include <QComboBox>
#include <QFrame>

namespace zirvanto {
namespace {

class RechnerTest : public test::Fenstertest {
protected:
    QImage pfeilbild() const {
        return rechner->findChild<QPushButton*>(QStringLiteral("AufZu"))
            ->icon()
            .pixmap(21, 21)
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    }
    QImage bilddatei(const char* name) const {
        return QImage(pfad(name)).convertToFormat(QImage::Format_RGB32);
    }
    QAction* kurstabelle() { return aktion("Kurstabelle"); }
};

TEST_F(RechnerTest, StartetSchmalMitNullInBeidenAnzeigen) {
    Rechner& r = oeffnen();
    EXPECT_EQ(r.windowTitle(), QStringLiteral("Zirvanto"));
    EXPECT_EQ(r.width(), 273);
    EXPECT_FALSE(kurstabelle()->isChecked());
    EXPECT_EQ(text("DispEuro"), QStringLiteral("0,00 "));
    EXPECT_EQ(text("DispSchilling"), QStringLiteral("0,00 "));
    // Until a rate file names a main currency, it is the Euro.
    EXPECT_EQ(beschriftung("Kurs"), QStringLiteral("1 EUR = 1,0000 EUR"));
    EXPECT_EQ(beschriftung("isSchilling"), QStringLiteral("EUR"));
    EXPECT_EQ(beschriftung("isEuro"), QStringLiteral("[EUR]"));
    EXPECT_EQ(beschriftung("Euro"), QStringLiteral("[EUR]"));
    EXPECT_TRUE(text("Memory").isEmpty());
    EXPECT_TRUE(kind<QPushButton>("Update")->isEnabled());
    EXPECT_EQ(fokus(), kind("Equals"));
    EXPECT_TRUE(plattform.meldungen.empty());
}

TEST_F(RechnerTest, TastaturTreibtDenRechner) {
    struct Fall {
        const char* zeichen;
        Qt::Key taste; // pressed after the characters; Qt::Key_unknown for none
        const char* erwartet;
    };
    oeffnen();
    for (const Fall& f : {
             Fall{"2+3*4=", Qt::Key_unknown, "20,00 "},
             Fall{"2+3*4", Qt::Key_Return, "20,00 "},
             Fall{"10/4", Qt::Key_Enter, "2,50 "},
             Fall{"1,5+1.5%", Qt::Key_unknown, "0,02 "},
             Fall{"123", Qt::Key_Backspace, "12, "},
             Fall{"5+5", Qt::Key_Escape, "0,00 "},
             Fall{"7 a", Qt::Key_unknown, "7, "}, // swallowed; the blank does not press Equals
             // Windows character codes 130..137: MR, MS, M+, CE, C, root, 1/x, sign
             Fall{"5=„†‚", Qt::Key_unknown, "5,00 "},
             Fall{"7=ƒ†‚", Qt::Key_unknown, "7,00 "},
             Fall{"12…", Qt::Key_unknown, "0,00 "},
             Fall{"9‡", Qt::Key_unknown, "3,00 "},
             Fall{"4ˆ", Qt::Key_unknown, "0,25 "},
             Fall{"5=‰", Qt::Key_unknown, "-5,00 "},
         }) {
        taste(Qt::Key_Escape);
        tippen(QString::fromUtf8(f.zeichen));
        if (f.taste != Qt::Key_unknown) taste(f.taste);
        EXPECT_EQ(text("DispSchilling"), QString::fromUtf8(f.erwartet)) << f.zeichen;
        EXPECT_EQ(fokus(), kind("Equals")) << f.zeichen;
    }
}

TEST_F(RechnerTest, TastenfeldKnoepfeSendenIhreTasteUndGebenDenFokusZurueck) {
    oeffnen();
    // Every keypad button once; after each click the focus is back on Equals.
    struct Schritt {
        const char* knopf;
        const char* danach; // DispSchilling afterwards; nullptr: not checked
    };
    for (const Schritt& s : std::initializer_list<Schritt>{{"Numerisch(1)", nullptr},
                                                           {"Numerisch(2)", nullptr},
                                                           {"Comma", nullptr},
                                                           {"Numerisch(5)", "12,5 "},
                                                           {"Plus", nullptr},
                                                           {"Numerisch(8)", nullptr},
                                                           {"Multiply", "20,50 "},
                                                           {"Numerisch(4)", nullptr},
                                                           {"Equals", "82,00 "},
                                                           {"Numerisch(9)", nullptr},
                                                           {"sqrt", "3,00 "},
                                                           {"Subtract", nullptr},
                                                           {"Numerisch(4)", nullptr},
                                                           {"Equals", "-1,00 "},
                                                           {"Sign", "1,00 "},
                                                           {"Fraction", "1,00 "},
                                                           {"Multiply", nullptr},
                                                           {"Numerisch(6)", nullptr},
                                                           {"Equals", "6,00 "},
                                                           {"Divide", nullptr},
                                                           {"Numerisch(3)", nullptr},
                                                           {"Equals", "2,00 "},
                                                           {"Percent", "0,04 "},
                                                           {"Plus", nullptr},
                                                           {"Numerisch(7)", nullptr},
                                                           {"Numerisch(0)", "70, "},
                                                           {"Back", "7, "},
                                                           {"CE", "0,00 "},
                                                           {"Equals", "0,04 "},
                                                           {"MS", nullptr},
                                                           {"C", "0,00 "},
                                                           {"MR", "0,04 "},
                                                           {"MPlus", nullptr},
                                                           {"MR", "0,08 "},
                                                           {"MC", nullptr}}) {
        klicken(s.knopf);
        EXPECT_EQ(fokus(), kind("Equals")) << s.knopf;
        if (s.danach) {
            EXPECT_EQ(text("DispSchilling"), QString::fromUtf8(s.danach)) << s.knopf;
        }
    }
    EXPECT_TRUE(text("Memory").isEmpty());
}

TEST_F(RechnerTest, EuroKnopfWechseltDieEingabewaehrung) {
    mitSchilling();
    oeffnen();
    const auto farben = [&](const char* name) {
        const QPalette p = kind<QLabel>(name)->palette();
        return std::pair{p.color(QPalette::Window), p.color(QPalette::WindowText)};
    };
    const std::pair aktiv{QColor(0, 0, 255), QColor(255, 255, 255)};
    const std::pair inaktiv{QColor(192, 192, 192), QColor(0, 0, 0)};

    EXPECT_EQ(beschriftung("Kurs"), QStringLiteral("1 EUR = 13,7603 ATS"));
    EXPECT_EQ(beschriftung("isSchilling"), QStringLiteral("ATS"));
    EXPECT_EQ(farben("isSchilling"), aktiv);
    EXPECT_EQ(farben("isEuro"), inaktiv);

    klicken("Euro");
    EXPECT_EQ(beschriftung("Euro"), QStringLiteral("[ATS]"));
    EXPECT_EQ(beschriftung("isSchilling"), QStringLiteral("[ATS]"));
    EXPECT_EQ(beschriftung("isEuro"), QStringLiteral("EUR"));
    EXPECT_EQ(farben("isEuro"), aktiv);
    EXPECT_EQ(farben("isSchilling"), inaktiv);
    EXPECT_EQ(fokus(), kind("Equals"));

    tippen(QStringLiteral("12"));
    EXPECT_EQ(text("DispEuro"), QStringLiteral("12, "));
    EXPECT_EQ(text("DispSchilling"), QStringLiteral("0,00 "));
    // Switching back finishes the Euro number and shows it as a result.
    klicken("Euro");
    EXPECT_EQ(text("DispSchilling"), QStringLiteral("165,12 "));
    EXPECT_EQ(text("DispEuro"), QStringLiteral("12,00 "));
    EXPECT_EQ(beschriftung("Euro"), QStringLiteral("[EUR]"));
    EXPECT_EQ(beschriftung("isEuro"), QStringLiteral("[EUR]"));
    EXPECT_EQ(farben("isSchilling"), aktiv);

    // "Š", code 138, is the switch key.
    taste(Qt::Key_Escape);
    tippen(QStringLiteral("Š12Š"));
    EXPECT_EQ(text("DispSchilling"), QStringLiteral("165,12 "));
}

TEST_F(RechnerTest, LaengsteTexteStehenGanzInIhrenFeldern) {
    schreiben("currency.ini", "USD:US-Dollar: 1.1415:: 0\r\nIDR:Rupiah: 1E15:: 0\r\n");
    // The whole text within the label, beside the half "x" a frame keeps free.
    const auto ganz = [&](const char* name, const char* erwartet) {
        auto* l = kind<QLabel>(name);
        EXPECT_EQ(l->text(), QString::fromUtf8(erwartet));
        const QFontMetricsF m(l->font());
        const qreal frei = l->frameWidth() > 0 ? m.horizontalAdvance(u'x') / 2 : 0;
        EXPECT_LE(m.horizontalAdvance(l->text()) + frei, l->contentsRect().width()) << name;
    };
    schreiben("zirvanto.ini", "Main = EUR\r\nActive = USD;1\r\n");
    oeffnen();
    tippen(QStringLiteral("123456789012345‰="));
    ganz("SideBox(1)", "-140.925.924.657.592,00");

    schreiben("zirvanto.ini", "Main = IDR\r\n");
    oeffnen();
    ganz("Kurs", "1 EUR = 1000000000000000,0000 IDR");
}

TEST_F(RechnerTest, UngueltigeEingabewaehrungWirdGemeldet) {
    Rechner& r = oeffnen();
    r.rechenwerk().Eingabewaehrung = 5;
    r.Euro_Click();
    ASSERT_EQ(plattform.meldungen.size(), 1u);
    EXPECT_EQ(plattform.meldungen[0].text, QStringLiteral("Ungültige Währung"));
    EXPECT_EQ(beschriftung("Euro"), QStringLiteral("[EUR]"));
}

TEST_F(RechnerTest, PfeilknopfOeffnetUndSchliesstDieKurstabelle) {
    Rechner& r = oeffnen();
    klicken("AufZu");
    EXPECT_EQ(r.width(), 540);
    EXPECT_TRUE(kurstabelle()->isChecked());
    EXPECT_EQ(pfeilbild(), bilddatei("pfeilzu.bmp"));
    EXPECT_EQ(fokus(), kind("Equals"));
    klicken("AufZu");
    EXPECT_EQ(r.width(), 273);
    EXPECT_FALSE(kurstabelle()->isChecked());
    EXPECT_EQ(pfeilbild(), bilddatei("pfeilauf.bmp"));
}

TEST_F(RechnerTest, MenueeintragSchaltetOhneDenPfeilZuAendern) {
    Rechner& r = oeffnen();
    const QImage vorher = pfeilbild();
    kurstabelle()->trigger();
    EXPECT_EQ(r.width(), 540);
    EXPECT_TRUE(kurstabelle()->isChecked());
    EXPECT_EQ(pfeilbild(), vorher);
    kurstabelle()->trigger();
    EXPECT_EQ(r.width(), 273);
    EXPECT_FALSE(kurstabelle()->isChecked());
}

TEST_F(RechnerTest, FehlendePfeilbilderWerdenUebergangen) {
    Rechner& r = oeffnen();
    const QImage vorher = pfeilbild();
    QFile::remove(pfad("pfeilzu.bmp"));
    klicken("AufZu");
    EXPECT_EQ(r.width(), 540);
    EXPECT_EQ(pfeilbild(), vorher);
}

TEST_F(RechnerTest, AnzeigenNehmenNieDenFokus) {
    oeffnen();
    for (const char* feld : {"DispEuro", "DispSchilling", "Memory", "SideBox(1)"}) {
        QTest::mouseClick(kind(feld), Qt::LeftButton);
        EXPECT_EQ(fokus(), kind("Equals")) << feld;
    }
    kind("Divide")->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(fokus(), kind("Equals"));

    // Typed keys reach the calculator whichever control has the focus.
    auto* liste = kind<QComboBox>("SideCombo(1)");
    liste->setFocus();
    const QString vorher = liste->currentText();
    tippen(QStringLiteral("5"));
    EXPECT_EQ(text("DispSchilling"), QStringLiteral("5, "));
    EXPECT_EQ(liste->currentText(), vorher);
}

TEST_F(RechnerTest, FehlerPiepenUndBackNachErgebnisPiept) {
    oeffnen();
    tippen(QStringLiteral("1/0="));
    EXPECT_EQ(text("DispEuro"), QStringLiteral("Division durch Null."));
    EXPECT_EQ(plattform.piepse, 1);
    taste(Qt::Key_Escape);
    tippen(QStringLiteral("4="));
    taste(Qt::Key_Backspace);
    EXPECT_EQ(plattform.piepse, 2);
    EXPECT_EQ(text("DispSchilling"), QStringLiteral("4,00 "));
}

TEST_F(RechnerTest, SpeicheranzeigeImVertieftenRahmen) {
    oeffnen();
    tippen(QStringLiteral("5"));
    klicken("MPlus");
    EXPECT_EQ(text("Memory"), QStringLiteral("M"));
    klicken("MC");
    EXPECT_TRUE(text("Memory").isEmpty());
    auto* rahmen = kind<QFrame>("MemoryRahmen");
    EXPECT_EQ(rahmen->frameShadow(), QFrame::Sunken);
    EXPECT_TRUE(rahmen->geometry().contains(kind("Memory")->geometry()));
}

TEST_F(RechnerTest, JedesSteuerelementHatNamenUndZugangsnamen) {
    oeffnen();
    std::vector<QString> namen;
    for (const char* n :
         {"Image1", "Kurs", "AufZu", "isEuro", "DispEuro", "isSchilling", "DispSchilling", "Euro",
          "Memory", "Logo", "WerbeLogo", "SideCombo(1)", "SidePicture(1)", "SideBox(1)",
          "SideLabel(1)", "Update", "datum", "lastUpdate"})
        namen.push_back(QLatin1String(n));
    for (const Tastendefinition& t : tastenfeld())
        namen.push_back(QLatin1String(t.name));
    for (const QString& n : namen) {
        auto* w = rechner->findChild<QWidget*>(n);
        ASSERT_NE(w, nullptr) << n.toStdString();
        EXPECT_FALSE(w->accessibleName().isEmpty()) << n.toStdString();
    }
    EXPECT_EQ(namen.size(), 18u + 27u);
}

TEST_F(RechnerTest, BeschriftungenPassenInIhreSteuerelemente) {
    mitSchilling();
    oeffnen();
    klicken("Euro"); // the widest captions: "[ATS]"
    for (QWidget* w : rechner->findChildren<QWidget*>()) {
        QString t;
        int rand = 0;
        if (auto* k = qobject_cast<QPushButton*>(w)) {
            t = k->text();
            rand = 8; // the button's frame and padding
        } else if (auto* l = qobject_cast<QLabel*>(w)) {
            t = l->text();
        }
        if (t.isEmpty()) continue;
        EXPECT_LE(w->fontMetrics().horizontalAdvance(t) + rand, w->width())
            << w->objectName().toStdString();
        EXPECT_LE(w->fontMetrics().height(), w->height()) << w->objectName().toStdString();
    }
    // The longest value a display can hold fits too.
    auto* anzeige = kind<QLabel>("DispSchilling");
    EXPECT_LE(anzeige->fontMetrics().horizontalAdvance(QStringLiteral("-99.999.999.999.999,99 ")),
              anzeige->contentsRect().width());
}

TEST_F(RechnerTest, TastenfeldKnoepfeUeberlappenSichNicht) {
    oeffnen();
    std::vector<QWidget*> knoepfe;
    for (const Tastendefinition& t : tastenfeld())
        knoepfe.push_back(kind(t.name));
    knoepfe.push_back(kind("Euro"));
    for (std::size_t i = 0; i < knoepfe.size(); ++i) {
        EXPECT_LE(knoepfe[i]->geometry().right(), 267) << knoepfe[i]->objectName().toStdString();
        for (std::size_t j = i + 1; j < knoepfe.size(); ++j)
            EXPECT_FALSE(knoepfe[i]->geometry().intersects(knoepfe[j]->geometry()))
                << knoepfe[i]->objectName().toStdString() << " / "
                << knoepfe[j]->objectName().toStdString();
    }
}

} // namespace
} // namespace zirvanto
