#include "editor/Wechselkurse.h"
#include "data/Kursdatei.h"
#include "support/QtDrucken.h"
#include "support/SkriptPlattform.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace zirvanto {
namespace {

enum Ende { Ok, Abbruch, Titelleiste, Doppelpunkt };
using Aktion = std::function<void(struct WechselkurseTest&)>;

// The list window over a table with two entries it must not list.
struct WechselkurseTest : ::testing::Test {
    void SetUp() override {
        fenster.reset();
        tabelle = Waehrungstabelle();
        plattform = test::SkriptPlattform();
        for (const char* z : {"ATS:Schilling: 13.7603:: 1", "NUL:Null: 0:: 0", ":Ohne Code: 2:: 0",
                              "USD:Dollar: 1.085:: 0", "XDR:D: .333333333333333333:: 0"})
            tabelle.anhaengen(kursdatensatzLesen(QString::fromUtf8(z)));
        tabelle.HauptwaehrungIndex = 4;
        fenster = std::make_unique<Wechselkurse>(tabelle, plattform, QLocale(QLocale::German),
                                                 QStringLiteral("Titel"));
        fenster->show();
        grid = fenster->findChild<QTableView*>(QStringLiteral("CurrList"));
    }
    QStringList liste() const {
        QStringList l;
        for (int r = 0; r < grid->model()->rowCount(); ++r)
            l << QStringList{zelle(r, 0), zelle(r, 1), zelle(r, 2)}.join(u'|');
        return l;
    }
    QString zelle(int r, int s) const { return grid->model()->index(r, s).data().toString(); }
    QStringList eintraege() const {
        QStringList l;
        for (const Waehrung& w : tabelle)
            l << kursdatensatz(w);
        return l;
    }
    static void klicken(QObject* fenster, const char* knopf) {
        QTest::mouseClick(fenster->findChild<QPushButton*>(QLatin1String(knopf)), Qt::LeftButton);
    }
    void zeile(int r, Qt::KeyboardModifiers mod = {}, bool doppelt = false) {
        if (r < 0) return;
        const QPoint p = grid->visualRect(grid->model()->index(r, 1)).center();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, mod, p);
        if (doppelt) QTest::mouseDClick(grid->viewport(), Qt::LeftButton, mod, p);
    }
    static Aktion taste(Qt::Key k, Qt::KeyboardModifiers mod = {}) {
        return [=](WechselkurseTest& t) { QTest::keyClick(t.grid, k, mod); };
    }
    // Clicks row r (if any), then the button k; "" double-clicks the first row.
    static Aktion knopf(const char* k, int r = -1) {
        return [=](WechselkurseTest& t) {
            *k ? t.zeile(r), klicken(t.fenster.get(), k) : t.zeile(0, {}, true);
        };
    }
    // Fills in the edit dialog's fields (nullptr: untouched) and leaves it.
    void eingeben(std::array<const char*, 3> felder, Ende ende) {
        plattform.dialogSkript = [=](QDialog& d) {
            d.show();
            const char* namen[] = {"ISOCode", "Bezeichnung", "Kurs"};
            for (int i = 0; i < 3; ++i)
                if (felder[i])
                    d.findChild<QLineEdit*>(QLatin1String(namen[i]))
                        ->setText(QString::fromUtf8(felder[i]));
            ende == Titelleiste ? void(d.close()) : klicken(&d, ende == Abbruch ? "Abbruch" : "OK");
            EXPECT_EQ(d.isVisible(), ende == Doppelpunkt); // a colon is refused
            if (ende == Doppelpunkt) klicken(&d, "Abbruch");
            return d.result();
        };
    }

    Waehrungstabelle tabelle;
    test::SkriptPlattform plattform;
    std::unique_ptr<Wechselkurse> fenster;
    QTableView* grid = nullptr;
};

TEST_F(WechselkurseTest, NeuUndBearbeiten) {
    const struct {
        Aktion oeffnen;
        std::array<const char*, 3> felder;
        Ende ende;
        const char* neu; // current row = its entry's record; nullptr: nothing changed
    } faelle[] = {
        {knopf("Neu"), {"A", "a\r\nb"}, Ok, "A|a  b|1=A:a  b: 1:: 1"}, // a pasted line break
        {taste(Qt::Key_Insert), {"CHF", "Fr", "1234,5"}, Ok, "CHF|Fr|1234,5=CHF:Fr: 1234.5:: 1"},
        {knopf(""), {nullptr, "Alt"}, Ok, "ATS|Alt|13,7603=ATS:Alt: 13.7603:: 0"},
        {knopf("Bearbeiten", 2), {0, 0, "1.234,5"}, Ok, "XDR|D|1,234=XDR:D: 1.234:: 1"},
        {knopf("Bearbeiten"), {"A", "B", "3"}, Abbruch, nullptr},
        {knopf("Neu"), {"A", "B", "3"}, Titelleiste, nullptr},
        {knopf("Neu"), {"A", "B:C", "3"}, Doppelpunkt, nullptr},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(&f - faelle);
        SetUp();
        const QStringList vorher = liste() + eintraege(), tabelleVorher = eintraege();
        eingeben(f.felder, f.ende);
        f.oeffnen(*this);
        EXPECT_EQ(plattform.dialoge, 1);
        if (!f.neu) {
            EXPECT_EQ(liste() + eintraege(), vorher);
            EXPECT_EQ(plattform.meldungen.size(), f.ende == Doppelpunkt ? 1u : 0u);
            continue;
        }
        QStringList neu = eintraege(); // the entry that changed or was added
        for (const QString& e : tabelleVorher)
            neu.removeOne(e);
        EXPECT_EQ(liste().value(grid->currentIndex().row()) + u'=' + neu.join(u','),
                  QString::fromUtf8(f.neu));
    }
}

TEST_F(WechselkurseTest, Loeschen) {
    const char* eine = "Wollen Sie diese Währung löschen?";
    const char* mehrere = "Wollen Sie die markierten Währungen löschen?";
    const char* alle = "EUR,ATS,NUL,,USD,XDR / ATS,USD,XDR"; // rate 0 and no code: not listed
    const struct {
        int von, bis;
        Aktion ausloesen;
        bool ja;
        const char* frage;
        const char* codes; // of the table / of the list, afterwards
        const char* haupt;
    } faelle[] = {
        {0, 0, taste(Qt::Key_Delete), true, eine, "EUR,NUL,,USD,XDR / USD,XDR", "USD"},
        {1, 2, knopf("Loeschen"), false, mehrere, alle, "USD"},
        {2, 1, taste(Qt::Key_Delete), true, mehrere, "EUR,ATS,NUL, / ATS", "EUR"},
        {0, 2, knopf("Loeschen"), true, mehrere, "EUR,NUL, / ", "EUR"},
        {0, 0, taste(Qt::Key_Delete, Qt::ControlModifier), true, "", alle, "USD"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(&f - faelle);
        SetUp();
        plattform.antworten = {f.ja};
        zeile(f.von);
        zeile(f.bis, Qt::ShiftModifier);
        f.ausloesen(*this);
        EXPECT_EQ(plattform.fragen.empty() ? "" : plattform.fragen[0].text,
                  QString::fromUtf8(f.frage));
        QStringList isos, gelistet;
        for (const Waehrung& w : tabelle)
            isos << w.ISO;
        for (const QString& z : liste())
            gelistet << z.section(u'|', 0, 0);
        EXPECT_EQ(isos.join(u',') + " / " + gelistet.join(u','), QString::fromUtf8(f.codes));
        EXPECT_EQ(tabelle.hauptwaehrung().ISO, QString::fromUtf8(f.haupt));

        // Opened again, unfocused, the first row is current, even as the only one.
        Wechselkurse wieder(tabelle, plattform, QLocale(QLocale::German), QString());
        eingeben({nullptr, "Neu"}, Ok);
        wieder.Bearbeiten_Click();
        EXPECT_EQ(eintraege().join(u'\n').contains(gelistet.value(0, "-") + ":Neu:"),
                  !gelistet.isEmpty());
    }
}

} // namespace
} // namespace zirvanto
