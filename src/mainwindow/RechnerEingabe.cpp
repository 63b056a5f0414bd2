// Keys, keypad clicks, the input-currency switch and the rate-table toggle.
#include "mainwindow/Rechner.h"

#include "core/Zahlbild.h"
#include "mainwindow/Kurztasten.h"
#include "mainwindow/Masse.h"
#include "plattform/Plattform.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStringEncoder>

#include <optional>

namespace zirvanto {

namespace {

constexpr uint32_t Blau = 0xFF0000; // 0x00BBGGRR
constexpr uint32_t Weiss = 0xFFFFFF;
constexpr uint32_t Hellgrau = 0xC0C0C0;
constexpr uint32_t Schwarz = 0x000000;

// The key tables take a character by its code in the Windows character set:
// "„" is 132, the code of M+. Characters outside it, and the control
// characters 128..159 that nobody types, become 0: they mean nothing to the
// calculator but are swallowed all the same, so no control receives them.
int16_t windowsZeichencode(QChar zeichen) {
    if (zeichen.unicode() >= 0x80 && zeichen.unicode() <= 0x9F) return 0;
    QStringEncoder windows("windows-1252", QStringEncoder::Flag::Stateless);
    const QByteArray code = windows.encode(QStringView(&zeichen, 1));
    return !windows.hasError() && code.size() == 1 ? int16_t(uchar(code[0])) : int16_t(0);
}

// The calculator's code for a typed key, or nothing for keys that are not
// characters (Tab, arrows, shortcuts), which keep their usual meaning.
std::optional<int16_t> tastencode(const QKeyEvent& taste) {
    switch (taste.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return Taste::Enter;
    case Qt::Key_Backspace: return Taste::Back;
    case Qt::Key_Escape: return Taste::Escape;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return std::nullopt;
    default: break;
    }
    if (taste.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return std::nullopt;
    const QString text = taste.text();
    if (text.isEmpty()) return std::nullopt;
    return windowsZeichencode(text.front());
}

void farbenSetzen(QLabel* label, uint32_t hintergrund, uint32_t text) {
    QPalette p = label->palette();
    p.setColor(QPalette::Window, bgrFarbe(hintergrund));
    p.setColor(QPalette::WindowText, bgrFarbe(text));
    label->setPalette(p);
}

void textSetzen(Wertanzeige* feld, const QString& text) {
    if (feld) feld->setText(text);
}

} // namespace

void Rechner::tastaturVorschauEinrichten(QWidget* w) {
    w->installEventFilter(this);
    for (QWidget* kind : w->findChildren<QWidget*>())
        kind->installEventFilter(this);
}

bool Rechner::eventFilter(QObject* objekt, QEvent* ereignis) {
    switch (ereignis->type()) {
    case QEvent::KeyPress: {
        // The window sees every typed character before its controls do.
        auto* w = qobject_cast<QWidget*>(objekt);
        // The menu bar keeps its own keys (access keys after Alt).
        if (!w || w->window() != this || qobject_cast<QMenuBar*>(w)) break;
        const auto& taste = *static_cast<QKeyEvent*>(ereignis);
        auto code = kurztastencode(taste);
        if (!code) code = tastencode(taste);
        if (!code) break;
        // The switch key does what its button does; the engine alone would
        // see a switch that never happened.
        if (*code == Taste::WaehrungGewechselt) {
            Euro_Click();
            return true;
        }
        int16_t KeyAscii = *code;
        Form_KeyPress(KeyAscii);
        return true;
    }
    case QEvent::FocusIn:
        // The focus stays on Equals, so Enter always computes.
        if (objekt == Divide) {
            Equals->setFocus();
            return true;
        }
        break;
    case QEvent::MouseButtonRelease:
        if (objekt == Kurs) Kurs_Click();
        if (objekt == WerbeLogo) WerbeLogo_Click();
        if (objekt == Image1) Image1_Click();
        for (int k = 1; k <= Seitenzeilen; ++k)
            if (objekt == zeilen_[std::size_t(k)].SidePicture) SidePicture_Click(k);
        break;
    default: break;
    }
    return QMainWindow::eventFilter(objekt, ereignis);
}

void Rechner::Form_KeyPress(int16_t& KeyAscii) {
    werk_.Form_KeyPress(KeyAscii);
    anzeigeUebernehmen();
}

void Rechner::tasteGeklickt(int16_t code) {
    Form_KeyPress(code);
    Equals->setFocus();
}

void Rechner::anzeigeUebernehmen() {
    const Anzeigetexte& a = werk_.anzeige();
    textSetzen(DispEuro, a.DispEuro);
    textSetzen(DispSchilling, a.DispSchilling);
    textSetzen(Memory, a.Memory);
    for (std::size_t i = 1; i < zeilen_.size() && seitenleiste_; ++i)
        textSetzen(zeilen_[i].SideBox, a.SideBox[i]);
}

void Rechner::Euro_Click() {
    const QString code = globals_.Waehrungen.hauptwaehrung().ISO;
    const QString inKlammern = QLatin1Char('[') + code + QLatin1Char(']');
    if (werk_.Eingabewaehrung == HauptwaehrungEingabe) {
        Euro->setText(inKlammern);
        farbenSetzen(isSchilling, Hellgrau, Schwarz);
        isSchilling->setText(inKlammern);
        farbenSetzen(isEuro, Blau, Weiss);
        isEuro->setText(QStringLiteral("EUR"));
        werk_.Eingabewaehrung = EuroEingabe;
    } else if (werk_.Eingabewaehrung == EuroEingabe) {
        Euro->setText(QStringLiteral("[EUR]"));
        farbenSetzen(isSchilling, Blau, Weiss);
        isSchilling->setText(code);
        farbenSetzen(isEuro, Hellgrau, Schwarz);
        isEuro->setText(QStringLiteral("[EUR]"));
        werk_.Eingabewaehrung = HauptwaehrungEingabe;
    } else {
        plattform_.meldung(this, tr("Ungültige Währung"));
    }
    int16_t KeyAscii = Taste::WaehrungGewechselt;
    Form_KeyPress(KeyAscii);
    Kurs_Click();
    if (!FormLaedt) Equals->setFocus();
}

// Switching twice keeps the input currency and rebuilds every caption and
// display from the current main currency and rates.
void Rechner::beideWaehrungenAuffrischen() {
    Euro_Click();
    Euro_Click();
}

void Rechner::Kurs_Click() {
    const Waehrung& haupt = globals_.Waehrungen.hauptwaehrung();
    const QString kurs = Kursformat.schreiben(haupt.Kurs, werk_.locale()).value_or(tr("Überlauf"));
    const QString text = QStringLiteral("1 EUR = %1 %2").arg(kurs, haupt.ISO);
    Kurs->setText(text);
    // The label has no room to grow: a long rate gets a smaller font.
    Kurs->setFont(passendeSchrift(font(), {text}, Kurs->contentsRect().width(),
                                  Kurs->contentsRect().height()));
    stichtagMarkieren();
}

void Rechner::Kurstabelle_Click() {
    Kurstabelle->setChecked(!Kurstabelle->isChecked());
    const bool offen = Kurstabelle->isChecked();
    if (offen) seitenleisteBauen();
    // The rate table lies outside the narrow window; hidden there, its
    // controls cost nothing to lay out and paint.
    for (QWidget* w : kurstabellenElemente_)
        w->setVisible(offen);
    breiteSetzen(offen ? BreiteMitTabelle : BreiteOhneTabelle);
}

void Rechner::AufZu_Click() {
    Kurstabelle_Click();
    const QString datei =
        Kurstabelle->isChecked() ? QStringLiteral("pfeilzu.bmp") : QStringLiteral("pfeilauf.bmp");
    if (const auto pfad = programmdatei(datei)) {
        const QPixmap pfeil(*pfad);
        if (!pfeil.isNull()) AufZu->setIcon(pfeil);
    }
    Equals->setFocus();
}

} // namespace zirvanto
