#include "editor/Wechselkurse.h"
#include "support/QtDrucken.h"
#include "support/SkriptPlattform.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace zirvanto {
namespace {

enum Ende { Ok, Abbruch, Titelleiste, DoppelpunktDannAbbruch };

// The list window over a table with two entries it must not list; the
// dialog script types into the edit dialog and leaves it as told.
class WechselkurseTest : public ::testing::Test {
public:
    void SetUp() override { oeffnen(); }
    void oeffnen() {
        fenster.reset();
        tabelle = Waehrungstabelle();
        plattform = test::SkriptPlattform();
        const std::tuple<const char*, const char*, double, bool> daten[] = {
            {"ATS", "Schilling", 13.7603, true}, {"NUL", "Null", 0, false},
            {"", "Ohne Code", 2, false},         {"USD", "Dollar", 1.085, false},
            {"XDR", "Drittel", 1.0 / 3, false},  {"JPY", "Yen", 1234567.5, false}};
        for (const auto& [iso, name, kurs, hand] : daten)
            tabelle.anhaengen({iso, name, kurs, false, 0, {}, hand});
        tabelle.HauptwaehrungIndex = 4;
        fenster = std::make_unique<Wechselkurse>(tabelle, plattform, QLocale(QLocale::German),
                                                 QStringLiteral("Titel"));
        fenster->show();
        grid = fenster->findChild<QTableWidget*>(QStringLiteral("CurrList"));
    }
    QStringList liste() const {
        QStringList l;
        for (int r = 0; r < grid->rowCount(); ++r)
            l << QStringList{grid->item(r, 0)->text(), grid->item(r, 1)->text(),
                             grid->item(r, 2)->text()}
                     .join(u'|');
        return l;
    }
    QStringList eintraege() const {
        QStringList l;
        for (const Waehrung& w : tabelle)
            l << w.ISO + u'|' + w.Name + u'|' + QString::number(w.Kurs, 'g', 17) +
                     QLatin1String(w.Manuell ? "|M" : "");
        return l;
    }
    void klicken(const char* knopf) {
        QTest::mouseClick(fenster->findChild<QPushButton*>(QLatin1String(knopf)), Qt::LeftButton);
    }
    void zeileKlicken(int r, Qt::KeyboardModifiers mod = {}, bool doppelt = false) {
        const QPoint p = grid->visualRect(grid->model()->index(r, 1)).center();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, mod, p);
        if (doppelt) QTest::mouseDClick(grid->viewport(), Qt::LeftButton, mod, p);
    }
    void taste(Qt::Key k, Qt::KeyboardModifiers mod = {}) { QTest::keyClick(grid, k, mod); }
    void eingeben(const std::array<const char*, 3>& felder, Ende ende) {
        plattform.dialogSkript = [=, this](QDialog& d) {
            d.show();
            EXPECT_EQ(d.windowTitle(), QStringLiteral("Titel"));
            const char* namen[] = {"ISOCode", "Bezeichnung", "Kurs"};
            for (int i = 0; i < 3; ++i) {
                if (!felder[i]) continue;
                auto* feld = d.findChild<QLineEdit*>(QLatin1String(namen[i]));
                feld->clear();
                QTest::keyClicks(feld, QString::fromUtf8(felder[i]));
            }
            const auto knopf = [&](const char* n) {
                QTest::mouseClick(d.findChild<QPushButton*>(QLatin1String(n)), Qt::LeftButton);
            };
            if (ende == Titelleiste) d.close();
            if (ende == Ok || ende == DoppelpunktDannAbbruch) knopf("OK");
            EXPECT_EQ(d.isVisible(), ende == DoppelpunktDannAbbruch || ende == Abbruch);
            if (ende != Ok && ende != Titelleiste) knopf("Abbruch");
            return d.result();
        };
    }

    Waehrungstabelle tabelle;
    test::SkriptPlattform plattform;
    std::unique_ptr<Wechselkurse> fenster;
    QTableWidget* grid = nullptr;
};

TEST_F(WechselkurseTest, ListetNurWaehrungenMitCodeUndKurs) {
    EXPECT_EQ(liste(), (QStringList{"ATS|Schilling|13,7603", "USD|Dollar|1,085",
                                    "XDR|Drittel|0,333333333333333", "JPY|Yen|1234567,5"}));
    EXPECT_EQ(grid->horizontalHeaderItem(2)->text(), QStringLiteral("Kurs"));
    EXPECT_EQ(grid->item(0, 2)->textAlignment(), int(Qt::AlignRight | Qt::AlignVCenter));
}

TEST_F(WechselkurseTest, NeuUndBearbeiten) {
    const struct {
        const char* was;
        std::function<void(WechselkurseTest&)> oeffnen;
        std::array<const char*, 3> felder;
        Ende ende;
        const char* zeile; // the current row afterwards; nullptr: nothing changed
        const char* eintrag;
    } faelle[] = {
        {"Neu unberührt", [](auto& t) { t.klicken("Neu"); }, {}, Ok, "||1", "||1|M"},
        {"Einfg getippt",
         [](auto& t) { t.taste(Qt::Key_Insert); },
         {"CHF", "Franken", "0,95"},
         Ok,
         "CHF|Franken|0,95",
         "CHF|Franken|0.94999999999999996|M"},
        {"ohne Zahl", [](auto& t) { t.klicken("Neu"); }, {"X", "Y", "abc"}, Ok, "X|Y|0", "X|Y|0|M"},
        {"nur Name",
         [](auto& t) { t.zeileKlicken(0, {}, true); },
         {nullptr, "Österr. Schilling"},
         Ok,
         "ATS|Österr. Schilling|13,7603",
         "ATS|Österr. Schilling|13.760300000000001"},
        {"neuer Kurs",
         [](auto& t) { t.zeileKlicken(1), t.klicken("Bearbeiten"); },
         {nullptr, nullptr, "1.234,5"},
         Ok,
         "USD|Dollar|1,234",
         "USD|Dollar|1.234|M"},
        {"15 Stellen",
         [](auto& t) { t.zeileKlicken(2), t.klicken("Bearbeiten"); },
         {},
         Ok,
         "XDR|Drittel|0,333333333333333",
         "XDR|Drittel|0.33333333333333298|M"},
        {"Abbruch",
         [](auto& t) { t.klicken("Bearbeiten"); },
         {"A", "B", "3"},
         Abbruch,
         nullptr,
         nullptr},
        {"Titelleiste",
         [](auto& t) { t.klicken("Neu"); },
         {"A", "B", "3"},
         Titelleiste,
         nullptr,
         nullptr},
        {"Doppelpunkt",
         [](auto& t) { t.klicken("Neu"); },
         {"A", "B:C", "3"},
         DoppelpunktDannAbbruch,
         nullptr,
         nullptr},
        {"Umschalt+Einfg",
         [](auto& t) { t.taste(Qt::Key_Insert, Qt::ShiftModifier); },
         {},
         Ok,
         nullptr,
         nullptr},
        {"Strg+Einfg",
         [](auto& t) { t.taste(Qt::Key_Insert, Qt::ControlModifier); },
         {},
         Ok,
         nullptr,
         nullptr},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.was);
        oeffnen();
        const QStringList vorher = liste(), tabelleVorher = eintraege();
        eingeben(f.felder, f.ende);
        f.oeffnen(*this);
        if (!f.zeile) {
            EXPECT_EQ(liste(), vorher);
            EXPECT_EQ(eintraege(), tabelleVorher);
            EXPECT_EQ(plattform.meldungen.size(), f.ende == DoppelpunktDannAbbruch ? 1u : 0u);
            EXPECT_EQ(plattform.dialoge, f.ende == Ok ? 0 : 1); // Ok: a key with a modifier
            continue;
        }
        EXPECT_EQ(liste().at(grid->currentRow()), QString::fromUtf8(f.zeile));
        EXPECT_TRUE(eintraege().contains(QString::fromUtf8(f.eintrag)))
            << eintraege().join(u'\n').toStdString();
        EXPECT_EQ(eintraege().size() - tabelleVorher.size(), liste().size() - vorher.size());
    }
}

TEST_F(WechselkurseTest, Loeschen) {
    const auto entf = [](Qt::KeyboardModifiers m) {
        return [m](WechselkurseTest& t) { t.taste(Qt::Key_Delete, m); };
    };
    const auto knopf = [](WechselkurseTest& t) { t.klicken("Loeschen"); };
    const char* eine = "Wollen Sie diese Währung löschen?";
    const char* mehrere = "Wollen Sie die markierten Währungen löschen?";
    const QStringList alle{"ATS", "USD", "XDR", "JPY"};
    const struct {
        int von, bis;
        std::function<void(WechselkurseTest&)> ausloesen;
        bool ja;
        const char* frage;
        QStringList rest;
        const char* haupt;
    } faelle[] = {
        {0, 0, entf({}), true, eine, {"USD", "XDR", "JPY"}, "USD"},
        {1, 2, knopf, false, mehrere, alle, "USD"},
        {3, 1, knopf, true, mehrere, {"ATS"}, "EUR"},
        {2, 3, entf({}), true, mehrere, {"ATS", "USD"}, "USD"},
        {0, 3, knopf, true, mehrere, {}, "EUR"},
        {0, 0, entf(Qt::ControlModifier), true, nullptr, alle, "USD"},
        {0, 0, entf(Qt::AltModifier), true, nullptr, alle, "USD"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(testing::Message() << f.von << ".." << f.bis);
        oeffnen();
        plattform.antworten = {f.ja};
        zeileKlicken(f.von);
        if (f.bis != f.von) zeileKlicken(f.bis, Qt::ShiftModifier);
        f.ausloesen(*this);
        ASSERT_EQ(plattform.fragen.size(), f.frage ? 1u : 0u);
        if (f.frage) {
            EXPECT_EQ(plattform.fragen[0].text, QString::fromUtf8(f.frage));
        }
        QStringList isos, tabellenIsos{"EUR"};
        for (const QString& zeile : liste())
            isos << zeile.section(u'|', 0, 0);
        EXPECT_EQ(isos, f.rest);
        // The two unlisted entries stay where they were.
        const int ats = f.rest.value(0) == u"ATS";
        tabellenIsos << f.rest.mid(0, ats) << "NUL"
                     << "" << f.rest.mid(ats);
        QStringList ist;
        for (const Waehrung& w : tabelle)
            ist << w.ISO;
        EXPECT_EQ(ist, tabellenIsos);
        EXPECT_EQ(tabelle.hauptwaehrung().ISO, QString::fromUtf8(f.haupt));

        // Every row still edits its own entry; on an empty list nothing happens.
        eingeben({nullptr, "Neu"}, Ok);
        const QString iso = isos.value(grid->currentRow());
        klicken("Bearbeiten");
        klicken("Loeschen");
        EXPECT_EQ(plattform.dialoge, isos.isEmpty() ? 0 : 1);
        EXPECT_EQ(plattform.fragen.size(), (f.frage ? 1u : 0u) + (isos.isEmpty() ? 0u : 1u));
        for (const Waehrung& w : tabelle)
            EXPECT_TRUE(isos.isEmpty() || w.ISO != iso || w.Name == u"Neu") << w.ISO.toStdString();
    }
}

} // namespace
} // namespace zirvanto
