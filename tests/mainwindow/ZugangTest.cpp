#include "Fenstertest.h"
#include "plattform/Wertanzeige.h"

#include <QAccessible>

#include <map>
#include <set>

namespace zirvanto {
namespace {

std::set<QObject*> gemeldet; // sources of text updates since the last step

class ZugangTest : public test::Fenstertest {
protected:
    void SetUp() override {
        Fenstertest::SetUp();
        beschriftungenZugaenglichMachen();
        vorher = QAccessible::installUpdateHandler([](QAccessibleEvent* e) {
            if (e->type() == QAccessible::TextUpdated) gemeldet.insert(e->object());
        });
        schreiben("currency.ini", "ATS:Schilling: 13.7603:: 0\r\n");
        schreiben("zirvanto.ini", "Main = ATS\r\nActive = ATS;1\r\n");
        oeffnen();
    }
    void TearDown() override { QAccessible::installUpdateHandler(vorher); }
    QString anzeigen() { return text("DispEuro") + text("DispSchilling") + text("Memory"); }

    QAccessible::UpdateHandler vorher = nullptr;
};

// A screen reader reads what each value control shows, before and after
// keys, and hears of every change and of nothing else. Qt sends the update
// events only while its accessibility is active: under zugang_atspi.py
// --befehl, not on the offscreen platform.
TEST_F(ZugangTest, WertanzeigenZeigenIhrenTextUndMeldenJedeAenderung) {
    const bool sitzung = qEnvironmentVariableIsSet("ZIRVANTO_ZUGANG_AKTIV");
    const bool aktiv = QTest::qWaitFor([] { return QAccessible::isActive(); }, sitzung ? 10000 : 0);
    ASSERT_TRUE(aktiv || !sitzung);
    // DispEuro, DispSchilling, Memory, Kurs, lastUpdate, isEuro, isSchilling, SideBox(1..14)
    const QList<Wertanzeige*> felder = rechner->findChildren<Wertanzeige*>();
    ASSERT_EQ(felder.size(), 21);
    for (const char* schritt : {"", "1234,5", "=", "=", "ƒ", "Š"}) { // "ƒ" is MS, "Š" the switch
        std::map<QLabel*, QString> alt;
        for (QLabel* f : felder)
            alt[f] = f->text();
        gemeldet.clear();
        tippen(QString::fromUtf8(schritt));
        std::set<QObject*> geaendert;
        for (const auto& [f, vorher] : alt) {
            if (f->text() != vorher) geaendert.insert(f);
            QAccessibleInterface* zugang = QAccessible::queryAccessibleInterface(f);
            ASSERT_TRUE(zugang && zugang->textInterface()) << f->objectName().toStdString();
            QAccessibleTextInterface* t = zugang->textInterface();
            EXPECT_EQ(t->text(0, -1), f->text()) << f->objectName().toStdString(); // -1: to the end
            EXPECT_EQ(zugang->text(QAccessible::Value), f->text());
            EXPECT_EQ(zugang->text(QAccessible::Name), f->accessibleName());
        }
        EXPECT_TRUE(!aktiv || gemeldet == geaendert) << anzeigen().toStdString();
    }
    if (!aktiv) GTEST_SKIP() << "Texte geprüft; Ereignisse nur bei aktiver Barrierefreiheit";
}

// Each shortcut does what its button does; each button names its key.
TEST_F(ZugangTest, KurztastenWirkenWieIhreKnoepfe) {
    // From a memory of 5 and a typed 16: the displays after the key, and
    // after MR, which shows what the memory holds.
    const auto lauf = [&](const auto& handlung) {
        tippen("\0335ƒ16"); // Escape, 5, MS, 16
        handlung();
        const QString danach = anzeigen();
        klicken("MR");
        return danach + anzeigen();
    };
    // clang-format off
    constexpr const char* Faelle[][3] = { // keys, button, the keys as its description names them
        {"F9", "Sign", "F9"}, {"R", "Fraction", "R"}, {"r", "Fraction", "R"}, {"@", "sqrt", "@"},
        {"Ctrl+L", "MC", "Strg+L"}, {"Ctrl+R", "MR", "Strg+R"}, {"Ctrl+M", "MS", "Strg+M"},
        {"Ctrl+P", "MPlus", "Strg+P"}, {"Del", "CE", "Entf"},
        {"Num+Del", "CE", "Entf"}};
    // clang-format on
    for (const auto& [tasten, knopf, beschreibung] : Faelle) {
        const QString gedrueckt = lauf([&, t = QString::fromLatin1(tasten)] {
            if (t.size() == 1) return tippen(t); // a typed character
            QTest::keySequence(fokus(), QKeySequence(t));
        });
        EXPECT_EQ(gedrueckt, lauf([&] { klicken(knopf); })) << tasten;
        EXPECT_EQ(kind<QPushButton>(knopf)->accessibleDescription(),
                  QStringLiteral("Tastatur: ") + QString::fromUtf8(beschreibung));
    }
}

} // namespace
} // namespace zirvanto
