#include "Fenstertest.h"
#include "editor/Wechselkurse.h"
#include "mainwindow/Masse.h"
#include "mainwindow/Tastenfeld.h"

#include <QComboBox>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QTableView>

namespace zirvanto {
namespace {

using RechnerTest = test::Fenstertest;

// Typed characters (then a key), and clicks on every keypad button (a digit
// stands for its button), each row from where the last one ended; the keys
// reach the calculator whichever control has the focus, and the focus goes
// back to Equals.
TEST_F(RechnerTest, TastaturUndTastenfeldTreibenDenRechner) {
    oeffnen();
    kind("Divide")->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(fokus(), kind("Equals"));
    kind("SideCombo(1)")->setFocus();
    tippen(QStringLiteral("5"));
    EXPECT_EQ(text("DispSchilling"), QStringLiteral("5, "));
    // clang-format off
    constexpr const char* Faelle[][3] = { // typed, then keys pressed, and the main display
        {"2+3*4", "Return", "20,00 "}, {"10/4", "Enter", "2,50 "}, {"123", "Backspace", "12, "},
        {"5+5", "Esc", "0,00 "}, {"7 a", "", "7, "}, // swallowed; the blank does not press Equals
        {"5=„†‚", "", "5,00 "}}; // Windows character codes 132, 134, 130: M+, C, MR
    // clang-format on
    for (const auto& [zeichen, tasten, erwartet] : Faelle) {
        taste(Qt::Key_Escape);
        tippen(QString::fromUtf8(zeichen));
        QTest::keySequence(fokus(), QKeySequence(QString::fromLatin1(tasten)));
        EXPECT_EQ(text("DispSchilling"), QString::fromUtf8(erwartet)) << zeichen;
        EXPECT_EQ(fokus(), kind("Equals")) << zeichen;
    }
    taste(Qt::Key_Escape);
    // clang-format off
    constexpr const char* Klicks[][2] = { // buttons, then main display and memory mark
        {"MC 1 2 Comma 5 Plus 8 Multiply 4 Equals", "82,00 "}, {"9 sqrt Subtract 4 Equals Sign", "1,00 "},
        {"Fraction Multiply 6 Equals Divide 3 Equals Percent", "0,04 "}, {"Plus 7 0 Back", "7, "},
        {"CE Equals MS C", "0,00 M"}, {"MR MPlus MR", "0,08 M"}};
    // clang-format on
    for (const auto& [knoepfe, erwartet] : Klicks) {
        for (const QString& k : QString::fromLatin1(knoepfe).split(u' ')) {
            const QString name = k[0].isDigit() ? QStringLiteral("Numerisch(%1)").arg(k) : k;
            QTest::mouseClick(kind<QPushButton>(name), Qt::LeftButton);
            EXPECT_EQ(fokus(), kind("Equals")) << k.toStdString();
        }
        EXPECT_EQ(text("DispSchilling") + text("Memory"), QString::fromUtf8(erwartet)) << knoepfe;
    }
    tippen(QStringLiteral("\0331/0=")); // an error beeps
    EXPECT_EQ(text("DispEuro"), QStringLiteral("Division durch Null."));
    EXPECT_EQ(plattform.piepse, 1);
}

TEST_F(RechnerTest, EuroKnopfWechseltDieEingabewaehrung) {
    mitSchilling();
    oeffnen();
    // The captions, then background and text colour of both currency labels.
    const auto zustand = [&] {
        QStringList z;
        for (const char* name : {"Euro", "isEuro", "isSchilling"})
            z << text(name);
        for (const char* name : {"isEuro", "isSchilling"}) {
            const QPalette p = kind<QLabel>(name)->palette();
            z << p.color(QPalette::Window).name() + p.color(QPalette::WindowText).name();
        }
        return z.join(u' ');
    };
    const QString schilling = QStringLiteral("[EUR] [EUR] ATS #c0c0c0#000000 #0000ff#ffffff");
    EXPECT_EQ(zustand(), schilling);

    const QString euro = QStringLiteral("[ATS] EUR [ATS] #0000ff#ffffff #c0c0c0#000000");
    klicken("Euro");
    EXPECT_EQ(zustand(), euro);
    EXPECT_EQ(fokus(), kind("Equals"));
    tippen(QStringLiteral("100-20="));
    EXPECT_EQ(text("DispEuro") + text("DispSchilling"), QStringLiteral("80,00 1.100,82 "));
    tippen(QStringLiteral("12"));
    // Switching back finishes the Euro number and shows it as a result.
    klicken("Euro");
    EXPECT_EQ(zustand(), schilling);
    EXPECT_EQ(text("DispEuro") + text("DispSchilling"), QStringLiteral("12,00 165,12 "));

    // "Š", code 138, is the switch key.
    tippen(QStringLiteral("\033Š"));
    EXPECT_EQ(zustand(), euro);
    tippen(QStringLiteral("12Š"));
    EXPECT_EQ(text("DispSchilling"), QStringLiteral("165,12 "));
}

// The arrow button and the menu item open and close the rate table; only
// the button turns the arrow, and a missing picture leaves it as it is.
TEST_F(RechnerTest, PfeilknopfUndMenueSchaltenDieKurstabelle) {
    Rechner& r = oeffnen();
    QAction* menue = aktion("Kurstabelle");
    // Pictures compared pixel by pixel: the arrow button's, a file's.
    const auto rgb = [](const QPixmap& p) {
        return p.toImage().convertToFormat(QImage::Format_RGB32);
    };
    const auto pfeil = [&] { return rgb(kind<QPushButton>("AufZu")->icon().pixmap(21, 21)); };
    const auto datei = [&](const char* name) { return rgb(QPixmap(pfad(name))); };
    const auto offen = [&](bool ja, const QImage& bild) {
        EXPECT_EQ(r.width(), ja ? 540 : 273);
        EXPECT_EQ(menue->isChecked(), ja);
        EXPECT_EQ(pfeil(), bild);
        EXPECT_EQ(fokus(), kind("Equals"));
    };
    const QImage anfang = pfeil();
    offen(false, anfang);
    menue->trigger();
    offen(true, anfang);
    klicken("AufZu");
    offen(false, datei("pfeilauf.bmp"));
    klicken("AufZu");
    offen(true, datei("pfeilzu.bmp"));
    QFile::remove(pfad("pfeilauf.bmp"));
    klicken("AufZu");
    offen(false, datei("pfeilzu.bmp"));
}

// Every control has a name for screen readers, and every text fits its
// control with the widest captions ("[IDR]") and values: a label's whole
// text beside the half "x" a frame keeps free. The keypad's buttons name
// their keys and lie side by side within the narrow window.
TEST_F(RechnerTest, BenannteSteuerelementeMitPassendenTexten) {
    schreiben("currency.ini", "USD:US-Dollar: 1.1415:: 0\r\nIDR:Rupiah: 1E15:: 0\r\n");
    schreiben("zirvanto.ini", "Main = IDR\r\nActive = USD;1\r\n");
    oeffnen();
    klicken("Euro");
    tippen(QStringLiteral("123456789012345‰="));
    EXPECT_EQ(text("SideBox(1)"), QStringLiteral("-140.925.924.657.592,00"));
    EXPECT_EQ(text("Kurs"), QStringLiteral("1 EUR = 1000000000000000,0000 IDR"));
    for (QWidget* w : kind("Flaeche")->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const std::string name = w->objectName().toStdString();
        EXPECT_FALSE(w->accessibleName().isEmpty()) << name;
        const auto* k = qobject_cast<QPushButton*>(w);
        const auto* l = qobject_cast<QLabel*>(w);
        const QString t = k ? k->text() : l ? l->text() : QString();
        if (t.isEmpty()) continue;
        const QFontMetricsF m(w->font());
        const qreal rand = k ? 8 : l->frameWidth() > 0 ? m.horizontalAdvance(u'x') / 2 : 0;
        EXPECT_LE(m.horizontalAdvance(t) + rand, w->contentsRect().width()) << name;
        EXPECT_LE(m.height(), w->height()) << name;
    }
    QRegion belegt = kind("Euro")->geometry();
    for (const Tastendefinition& t : tastenfeld()) {
        const QRect knopf = kind(t.name)->geometry();
        EXPECT_FALSE(kind(t.name)->accessibleDescription().isEmpty()) << t.name;
        EXPECT_TRUE(knopf.right() <= 267 && !belegt.intersects(knopf)) << t.name;
        belegt += knopf;
    }
}

// After the rate editor, however it is left, the main window is refreshed
// and both files are written.
TEST_F(RechnerTest, NachDemEditorWirdAufgefrischtUndGespeichert) {
    schreiben("currency.ini", "ATS:Schilling: 13.7603:: 0\r\nUSD:Dollar: 1.1:us.bmp: 0\r\n"
                              "CHF:Franken: .95:: 0\r\n");
    schreiben("zirvanto.ini", "Main = CHF\r\nActive = USD;2\r\n");
    oeffnen();

    // ATS (before the main currency) and USD (in side row 2) are deleted,
    // then the main currency's rate is changed.
    plattform.antworten = {true};
    plattform.dialogSkript = [&](QDialog& d) {
        if (auto* kurs = d.findChild<QLineEdit*>(QStringLiteral("Kurs")))
            return kurs->setText(QStringLiteral("1,2")), int(QDialog::Accepted);
        auto* liste = d.findChild<QTableView*>(QStringLiteral("CurrList"));
        liste->selectionModel()->select(
            QItemSelection(liste->model()->index(0, 0), liste->model()->index(1, 2)),
            QItemSelectionModel::Select);
        static_cast<Wechselkurse&>(d).Loeschen_Click();
        static_cast<Wechselkurse&>(d).Bearbeiten_Click();
        d.show();
        d.close();
        return d.result();
    };
    QTest::mouseClick(kind("Image1"), Qt::LeftButton);
    EXPECT_EQ(lesen("currency.ini"), "CHF:Franken: 1.2:: 1\r\n");
    EXPECT_EQ(lesen("zirvanto.ini").left(12), "Main = CHF\r\n");
    EXPECT_FALSE(lesen("zirvanto.ini").contains("Active"));
    EXPECT_EQ(text("Kurs"), QStringLiteral("1 EUR = 1,2000 CHF"));
    EXPECT_EQ(text("SideBox(2)"), QString());               // the row is released
    EXPECT_EQ(kind<QComboBox>("SideCombo(1)")->count(), 2); // "---" and CHF
}

// The largest pixel size, up to the font's own, in which texts and line fit;
// scaled by the room it would be one too small at 102, 319, too large at 268.
TEST(Masse, PassendeSchriftIstDieGroessteDiePasst) {
    QFont basis = QApplication::font();
    basis.setPointSizeF(20);
    const QStringList texte{QStringLiteral("-888.888.888.888.888,88"), QStringLiteral("Überlauf")};
    const auto passt = [&](int groesse, qreal breite, qreal hoehe) {
        QFont schrift = basis;
        schrift.setPixelSize(groesse);
        const QFontMetricsF m(schrift);
        return m.height() <= hoehe && m.horizontalAdvance(texte[0]) <= breite &&
               m.horizontalAdvance(texte[1]) <= breite;
    };
    constexpr qreal Raeume[][2] = {{1000, 100}, {102, 100}, {268, 100},
                                   {319, 100},  {1000, 20}, {3, 100}};
    for (const auto& [breite, hoehe] : Raeume) {
        const int g = QFontInfo(passendeSchrift(basis, texte, breite, hoehe)).pixelSize();
        EXPECT_TRUE(g == 1 || passt(g, breite, hoehe)) << breite << " " << hoehe;
        EXPECT_TRUE(g == QFontInfo(basis).pixelSize() || !passt(g + 1, breite, hoehe)) << breite;
    }
}

} // namespace
} // namespace zirvanto
