#include "Fenstertest.h"

#include <QComboBox>

namespace zirvanto {
namespace {

class SeitenleisteTest : public test::Fenstertest {
protected:
    void SetUp() override {
        Fenstertest::SetUp();
        schreiben("currency.ini", "ATS:Schilling: 13.7603:at.bmp: 0\r\n"
                                  "USD:US-Dollar: 1.1:us.bmp: 0\r\n"
                                  "CHF:Schweizer Franken: .95:ch.bmp: 1\r\n");
        schreiben("zirvanto.ini", "Main = ATS\r\n");
        for (const char* flagge : {"at.bmp", "us.bmp", "ch.bmp"})
            ASSERT_TRUE(QFile::copy(quelle(flagge), pfad(flagge)));
        oeffnen(false);
        EXPECT_EQ(rechner->findChild<QWidget*>("SideBox(1)"), nullptr); // built when opened
        klicken("AufZu");
    }

    QComboBox* liste(int k) { return kind<QComboBox>(QStringLiteral("SideCombo(%1)").arg(k)); }
    QLabel* box(int k) { return kind<QLabel>(QStringLiteral("SideBox(%1)").arg(k)); }
    QLabel* flagge(int k) { return kind<QLabel>(QStringLiteral("SidePicture(%1)").arg(k)); }
    QString eintraege(int k) {
        QStringList l;
        for (int i = 0; i < liste(k)->count(); ++i)
            l << liste(k)->itemText(i);
        return l.join(u'|');
    }
    // Picks a code in a row's list; the list reports it as a user's choice.
    void waehlen(int k, const QString& code) {
        QComboBox* l = liste(k);
        const int index = l->findText(code);
        ASSERT_GE(index, 0) << code.toStdString();
        l->setCurrentIndex(index);
        emit l->activated(index);
    }
};

// Fourteen rows one under the other (300 twips apart), then the last row,
// where a bound that stops one short shows.
TEST_F(SeitenleisteTest, CodeStehtNurInSeinerZeileUndSeineFlaggeMachtIhnZurHauptwaehrung) {
    const QString alle = QStringLiteral("---|ATS|USD|CHF");
    for (int k = 1; k <= Seitenzeilen; ++k) {
        EXPECT_EQ(eintraege(k), alle) << k;
        for (QWidget* w : std::initializer_list<QWidget*>{liste(k), flagge(k), box(k)}) {
            EXPECT_EQ(w->y(), 8 + 20 * (k - 1)) << k;
            EXPECT_TRUE(w->isVisibleTo(rechner.get())) << k;
        }
        EXPECT_EQ(kind(QStringLiteral("SideLabel(%1)").arg(k))->isVisibleTo(rechner.get()), k == 1);
    }
    waehlen(Seitenzeilen, QStringLiteral("USD"));
    for (int k = 1; k <= Seitenzeilen; ++k)
        EXPECT_EQ(eintraege(k), k == Seitenzeilen ? alle : QStringLiteral("---|ATS|CHF")) << k;
    EXPECT_EQ(liste(Seitenzeilen)->currentText(), QStringLiteral("USD"));
    EXPECT_TRUE(liste(5)->currentText().isEmpty());

    // The flag clears the calculator; an empty row's flag changes nothing else.
    for (int k : {Seitenzeilen, 9}) {
        tippen(QStringLiteral("7+"));
        QTest::mouseClick(flagge(k), Qt::LeftButton);
        EXPECT_EQ(text("isSchilling"), QStringLiteral("USD")) << k;
        EXPECT_EQ(rechner->rechenwerk().Operation, 0) << k;
    }

    waehlen(Seitenzeilen, QStringLiteral("---"));
    for (int k = 1; k <= Seitenzeilen; ++k)
        EXPECT_EQ(eintraege(k), alle) << k;
    EXPECT_TRUE(box(Seitenzeilen)->text().isEmpty());
    EXPECT_TRUE(flagge(Seitenzeilen)->pixmap().isNull());
}

TEST_F(SeitenleisteTest, GewaehlteWaehrungZeigtFlaggeUmgerechnetenWertUndFarbe) {
    for (int mal : {1, 2}) { // picked again, the row keeps its currency
        tippen(QStringLiteral("1000="));
        waehlen(2, QStringLiteral("USD"));
        // The pick clears the current entry and redraws every display.
        EXPECT_EQ(text("DispSchilling"), QStringLiteral("0,00 "));
        EXPECT_EQ(box(2)->text(), QStringLiteral("0,00")) << mal;
        EXPECT_FALSE(flagge(2)->pixmap().isNull()) << mal;
    }
    tippen(QStringLiteral("1000="));
    EXPECT_EQ(box(2)->text(), QStringLiteral("79,94"));
    EXPECT_EQ(fokus(), kind("Equals"));
    tippen(QStringLiteral("100+20"));
    waehlen(1, QStringLiteral("CHF")); // a rate set by hand shows red
    tippen(QStringLiteral("5="));      // the pick cleared the entry, not the calculation
    EXPECT_EQ(text("DispSchilling"), QStringLiteral("105,00 "));
    EXPECT_EQ(box(1)->palette().color(QPalette::Text), QColor(Qt::red));
    EXPECT_EQ(box(2)->palette().color(QPalette::Text), QColor(Qt::black));

    EXPECT_TRUE(lesen("zirvanto.ini").contains("\r\nActive = USD;2\r\n")); // saved at once
}

} // namespace
} // namespace zirvanto
