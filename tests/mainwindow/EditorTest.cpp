#include "Fenstertest.h"

#include "editor/Wechselkurse.h"

#include <QItemSelectionModel>
#include <QLineEdit>
#include <QTableView>

namespace zirvanto {
namespace {

class EditorTest : public test::Fenstertest {};

// After the rate editor, however it is left, the main window is refreshed
// and both files are written.
TEST_F(EditorTest, NachDemEditorWirdAufgefrischtUndGespeichert) {
    schreiben("currency.ini", "ATS:Schilling: 13.7603:: 0\r\nUSD:Dollar: 1.1:us.bmp: 0\r\n"
                              "CHF:Franken: .95:: 0\r\n");
    schreiben("zirvanto.ini", "Main = CHF\r\nActive = USD;2\r\n");
    oeffnen();
    aktion("Wechselkurs")->trigger(); // closed at once: nothing changed
    EXPECT_EQ(plattform.dialoge, 1);
    QFile::remove(pfad("currency.ini"));
    QFile::remove(pfad("zirvanto.ini"));

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
    EXPECT_EQ(text("SideBox(2)"), QString()); // the row is released
}

} // namespace
} // namespace zirvanto
