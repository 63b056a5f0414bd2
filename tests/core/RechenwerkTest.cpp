#include "core/Rechenwerk.h"

#include "../support/QtDrucken.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QStringList>

namespace zirvanto {
namespace {

const QLocale Deutsch(QLocale::German, QLocale::Germany);

// A calculator over a table with the Schilling as main currency and three
// side rows: US-Dollar in row 1, the Schilling in row 2, the Euro in row 14.
struct Rechner {
    Rechner() {
        tabelle.anhaengen({"ATS", "Schilling", 13.7603, false, 0, "", false});
        tabelle.anhaengen({"USD", "Dollar", 1.1, false, 0, "", false});
        tabelle.HauptwaehrungIndex = 1;
        tabelle[2].Platz = 1;
        tabelle[1].Platz = 2;
        tabelle[0].Platz = 14;
        for (Waehrung& w : tabelle)
            w.Aktiv = true;
        werk.AnzeigeAktualisieren(0, false, true, true);
    }

    // Types a key sequence as written in Tastenfolgen.txt, without checks.
    void tippen(const QString& folge) {
        static const QHash<QString, int16_t> Namen = {
            {"Enter", Taste::Enter}, {"Esc", Taste::Escape},   {"Back", Taste::Back},
            {"MC", Taste::MC},       {"MR", Taste::MR},        {"MS", Taste::MS},
            {"M+", Taste::MPlus},    {"CE", Taste::CE},        {"C", Taste::C},
            {"sqrt", Taste::Wurzel}, {"1/x", Taste::Kehrwert}, {"+/-", Taste::Vorzeichen}};
        for (const QString& wort : folge.split(u' ', Qt::SkipEmptyParts)) {
            if (Namen.contains(wort)) {
                werk.taste(Namen[wort]);
            } else if (wort == u"W") {
                werk.Eingabewaehrung =
                    werk.Eingabewaehrung == EuroEingabe ? HauptwaehrungEingabe : EuroEingabe;
                werk.taste(Taste::WaehrungGewechselt);
            } else {
                for (QChar c : wort)
                    werk.taste(int16_t(c.unicode()));
            }
        }
    }

    Waehrungstabelle tabelle;
    Rechenwerk werk{tabelle, Deutsch};
};

class RechenwerkTest : public ::testing::Test, public Rechner {};

// A number is shown with a blank after it, a message without.
QString angezeigt(const QString& soll) {
    return soll.startsWith(u'-') || (!soll.isEmpty() && soll[0].isDigit()) ? soll + u' ' : soll;
}

TEST(Tastenfolgen, ZeigenDieErwartetenErgebnisse) {
    QFile datei(ZIRVANTO_TASTENFOLGEN);
    ASSERT_TRUE(datei.open(QIODevice::ReadOnly | QIODevice::Text));
    const QStringList zeilen = QString::fromUtf8(datei.readAll()).split(u'\n');
    const QRegularExpression pruefung(QStringLiteral(R"(\[([^|\]]*)\|([^|\]]*)\|(\d)\])"));
    for (qsizetype nr = 0; nr < zeilen.size(); ++nr) {
        const QString& zeile = zeilen[nr];
        if (zeile.isEmpty() || zeile.startsWith(u"//")) continue;
        Rechner r;
        r.werk.Eingabewaehrung = zeile.startsWith(u'E') ? EuroEingabe : HauptwaehrungEingabe;
        qsizetype stand = 1;
        for (auto it = pruefung.globalMatch(zeile); it.hasNext();) {
            const auto treffer = it.next();
            r.tippen(zeile.sliced(stand, treffer.capturedStart() - stand));
            stand = treffer.capturedEnd();
            const std::string ort = zeile.first(stand).toStdString();
            // An empty field is not checked.
            const QString haupt = treffer.captured(1), euro = treffer.captured(2);
            EXPECT_EQ(haupt.isEmpty() ? haupt : r.werk.anzeige().DispSchilling, angezeigt(haupt))
                << ort;
            EXPECT_EQ(euro.isEmpty() ? euro : r.werk.anzeige().DispEuro, angezeigt(euro)) << ort;
            EXPECT_EQ(r.werk.Zustand, treffer.captured(3).toInt()) << ort;
        }
        EXPECT_EQ(stand, zeile.size()) << "every line ends with a check: " << zeile.toStdString();
    }
}

TEST_F(RechenwerkTest, SeitenfelderZeigenNurErgebnisseAktiverWaehrungen) {
    tippen(QStringLiteral("1000 = 5")); // typing leaves them as they are
    const auto& feld = werk.anzeige().SideBox;
    EXPECT_EQ(feld[1], QStringLiteral("79,94"));
    EXPECT_EQ(feld[2], QStringLiteral("1.000,00"));
    EXPECT_EQ(feld[14], QStringLiteral("72,67"));
    tabelle[2].Aktiv = false;
    tabelle[1].Platz = 15; // no such row
    tippen(QStringLiteral("="));
    EXPECT_EQ(feld[1], QStringLiteral("79,94"));
    EXPECT_EQ(feld[2], QStringLiteral("1.000,00"));
    EXPECT_EQ(feld[14], QStringLiteral("0,36"));
}

} // namespace
} // namespace zirvanto
