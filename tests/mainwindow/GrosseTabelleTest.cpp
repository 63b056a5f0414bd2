#include "Fenstertest.h"

namespace zirvanto {
namespace {

class GrosseTabelleTest : public test::Fenstertest {};

// A main currency far down a large table is found by its code at start,
// taken from a flag and written back, and found again after a restart.
TEST_F(GrosseTabelleTest, HauptwaehrungWeitHintenBleibtNachNeustart) {
    constexpr int Anzahl = 40000;
    constexpr int Haupt = 35000;
    QByteArray kurse;
    for (int i = 1; i <= Anzahl; ++i)
        kurse +=
            "W" + QByteArray::number(i) + ":Testwährung: 1." + QByteArray::number(i) + ":: 0\r\n";
    schreiben("currency.ini", kurse);
    schreiben("zirvanto.ini", "Main = W39999\r\nActive = W35000;3\r\n");
    oeffnen();
    ASSERT_EQ(globals.Waehrungen.size(), std::size_t(Anzahl + 1));
    EXPECT_EQ(globals.Waehrungen.HauptwaehrungIndex, Anzahl - 1);

    QTest::mouseClick(kind<QLabel>("SidePicture(3)"), Qt::LeftButton);
    EXPECT_EQ(globals.Waehrungen.HauptwaehrungIndex, Haupt);
    EXPECT_EQ(beschriftung("isSchilling"), QStringLiteral("W35000"));
    EXPECT_TRUE(lesen("zirvanto.ini").startsWith("Main = W35000\r\n"));

    oeffnen();
    EXPECT_EQ(globals.Waehrungen.HauptwaehrungIndex, Haupt);
    EXPECT_EQ(beschriftung("Kurs"), QStringLiteral("1 EUR = 1,3500 W35000"));
}

} // namespace
} // namespace zirvanto
