#include "Fenstertest.h"

#include "editor/Wechselkurse.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTableWidget>

namespace zirvanto {
namespace {

class EditorTest : public test::Fenstertest {};

// The picture and the menu entry open the rate editor; however it is left,
// the main window is refreshed and both files are written.
TEST_F(EditorTest, NachDemEditorWirdAufgefrischtUndGespeichert) {
    schreiben("currency.ini", "ATS:Schilling: 13.7603:: 0\r\nUSD:US-Dollar: 1.1:us.bmp: 0\r\n"
                              "CHF:Franken: .95:: 0\r\n");
    schreiben("zirvanto.ini", "Main = CHF\r\nActive = USD;2\r\n");
    ASSERT_TRUE(QFile::copy(quelle("us.bmp"), pfad("us.bmp")));
    oeffnen();
    klicken("AufZu");
    const auto box = [&](int k) { return kind<QLabel>(QStringLiteral("SideBox(%1)").arg(k)); };
    EXPECT_EQ(kind<QLabel>("Image1")->toolTip(),
              QStringLiteral("Klicken Sie hier, um die Wechselkurse zu bearbeiten!"));

    const auto menue = [&] { aktion("Wechselkurs")->trigger(); };
    const struct {
        std::function<void()> oeffnen;
        int von, bis;
        bool loeschen; // else edit the rate, then close by the title bar
        const char* kurse;
        const char* kurslabel;
        const char* zeile2; // the value of side-panel row 2, once USD's
    } faelle[] = {
        {[&] { QTest::mouseClick(kind("Image1"), Qt::LeftButton); }, 1, 1, false,
         "ATS:Schilling: 13.7603:: 0\r\nUSD:US-Dollar: 1.2:us.bmp: 1\r\nCHF:Franken: .95:: 0\r\n",
         "1 EUR = 0,9500 CHF", "0,00"},
        {menue, 0, 1, true, "CHF:Franken: .95:: 0\r\n", "1 EUR = 0,9500 CHF", ""},
        {menue, 0, 0, true, "", "1 EUR = 1,0000 EUR", ""},
    };
    for (const auto& f : faelle) {
        tippen(QStringLiteral("12"));
        QFile::remove(pfad("currency.ini"));
        QFile::remove(pfad("zirvanto.ini"));
        plattform.antworten = {true};
        plattform.dialogSkript = [&](QDialog& d) {
            if (auto* kurs = d.findChild<QLineEdit*>(QStringLiteral("Kurs"))) {
                kurs->setText(QStringLiteral("1,2"));
                return int(QDialog::Accepted);
            }
            auto* liste = d.findChild<QTableWidget*>(QStringLiteral("CurrList"));
            auto& fenster = static_cast<Wechselkurse&>(d);
            liste->setRangeSelected({f.von, 0, f.bis, 2}, true);
            liste->setCurrentCell(f.von, 0, QItemSelectionModel::NoUpdate);
            if (f.loeschen)
                fenster.Loeschen_Click();
            else
                fenster.Bearbeiten_Click();
            d.show();
            d.close();
            return d.result();
        };
        f.oeffnen();
        EXPECT_EQ(lesen("currency.ini"), QByteArray(f.kurse));
        const QByteArray ini = lesen("zirvanto.ini");
        EXPECT_TRUE(ini.startsWith("Main = " + QByteArray(f.kurslabel).right(3))) << ini.data();
        EXPECT_EQ(ini.contains("Active = USD;2"), *f.zeile2 != 0);
        EXPECT_EQ(box(2)->text(), QString::fromUtf8(f.zeile2));
        if (!f.loeschen) {
            EXPECT_EQ(box(2)->palette().color(QPalette::Text), QColor(255, 0, 0));
        }
        EXPECT_EQ(text("Kurs"), QString::fromUtf8(f.kurslabel));
        EXPECT_EQ(text("DispSchilling"), QStringLiteral("0,00 ")); // the entry was cleared
    }
}

} // namespace
} // namespace zirvanto
