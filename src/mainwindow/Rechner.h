#pragma once

#include "core/Rechenwerk.h"
#include "data/Globals.h"
#include "online/Webretreiver.h"
#include "plattform/Wertanzeige.h"

#include <QMainWindow>
#include <QPixmap>
#include <QStringList>

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

class QAction;
class QComboBox;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;

namespace zirvanto {

class Plattform;
class Seitenlisten;
struct Kursupdateergebnis;
struct Stichtagsansicht;
struct StichtagsansichtLoeschen {
    void operator()(Stichtagsansicht* s) const;
};

// A picture built into the program (":/bilder/...").
QPixmap eingebautesBild(const QString& pfad);

// The main window: the pocket calculator with its two displays and the
// side currency panel. Its handlers turn keys and clicks into key codes for
// the engine and copy the engine's display texts into the widgets.
class Rechner : public QMainWindow {
    Q_OBJECT

public:
    // Builds the window and runs the start-up: reads the rate file and the
    // settings file from the program folder (asking the first-start
    // question when there is none) and brings every display into its
    // first state. Pictures are looked up in the program folder, then in
    // `weitereBildordner` in their order. `fristen` bound every server request.
    Rechner(Globals& globals, Plattform& plattform, QString programmordner, QLocale locale,
            QStringList weitereBildordner = {}, QWidget* parent = nullptr, Fristen fristen = {});

    // Every key of the calculator ends here; KeyAscii is 0 on return.
    void Form_KeyPress(int16_t& KeyAscii);
    void C_Click() { tasteGeklickt(Taste::C); }
    void CE_Click() { tasteGeklickt(Taste::CE); }
    void Euro_Click();
    void Kurs_Click();
    void AufZu_Click();
    void Kurstabelle_Click();

    // Side currency panel.
    void WaehrungslistenFuellen();
    void TextfarbenSetzen();
    void FlaggenLaden();
    void SideCombo_Click(int zeile);
    void SidePicture_Click(int zeile);

    // Menus.
    void Kopieren_Click();
    void Einfuegen_Click();
    void waehrungsetzen_Click();
    void Info_Click();
    void Wechselkurs_Click();
    void Image1_Click();
    void WerbeLogo_Click();

    // Online services: registration, logo, rate update, options.
    void ServerAnmelden();
    void LogoHerunterladen();
    // 0: rates received and applied; -1: no usable reply; -2: the request failed.
    int16_t KurseHerunterladen(bool showMessages);
    void Internetupdate_Click();
    void Update_Click() { Internetupdate_Click(); }
    void Einstellungen_Click();

    // Rates on a past date (RechnerStichtag.cpp): the dialog, the return to
    // today's rates (nothing when they are shown), and where the ECB's
    // history is fetched from (the ECB's own addresses unless set).
    void Stichtag_Click();
    void heuteZeigen();
    bool imStichtag() const;
    void historienadressenSetzen(const QString& zip, const QString& neunzigTage);

    // Write the two files; a failure is reported to the user.
    bool KurseSpeichern();
    bool IniSpeichern();

    Rechenwerk& rechenwerk() { return werk_; }
    const Rechenwerk& rechenwerk() const { return werk_; }

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    struct Seitenzeile {
        QComboBox* SideCombo = nullptr;
        QLabel* SidePicture = nullptr;
        Wertanzeige* SideBox = nullptr;
        QLabel* SideLabel = nullptr;
    };

    void Form_Load();
    void oberflaecheAufbauen();
    void tastenfeldAufbauen(QWidget* flaeche);
    // The fourteen side rows, hidden until the rate table is opened, are
    // built when it is first opened or a row is first needed.
    void seitenleisteBauen();
    void seitenzeileAnlegen(int zeile);
    void menuesAufbauen();
    void onlineEinrichten();
    // The age of the rates at lastUpdate: tooltip, accessible description,
    // and the warning colour when they are stale.
    void kursstandZeigen();
    void stichtagEinrichten();
    Stichtagsansicht& stichtagsansicht();
    bool historieBereitstellen(QDate gewaehlt);
    void stichtagAnwenden(QDate gewaehlt);
    // Greys the values of currencies without a rate on the chosen day.
    void stichtagMarkieren();
    // The day of an update from the ECB's feed joins a history fetched
    // earlier; at start, once the window is shown.
    void updateVermerken(const Kursupdateergebnis& ergebnis);
    // A text from the server as a tooltip, shown as plain text.
    static QString klartext(const QString& text);
    void tastaturVorschauEinrichten(QWidget* w);
    void breiteSetzen(int twips);
    void beideWaehrungenAuffrischen();
    // Clears the values of side-panel rows that no currency holds.
    void seitenzeilenFreigeben();

    void tasteGeklickt(int16_t code);
    void anzeigeUebernehmen();

    // The path of a picture file in the first picture folder that holds it,
    // or nothing when the name is not a plain file name (names may come from
    // the server).
    std::optional<QString> programmdatei(const QString& name) const;
    // Shows a picture file of the picture folders; a missing or unreadable
    // file leaves the picture as it was.
    bool bildLaden(QLabel* ziel, const QString& name) const;
    void dateifehlerMelden(const QString& satz, const QString& datei, const QString& fehler);
    void speicherfehlerMelden(const QString& datei, const QString& fehler);
    void lesefehlerMelden(const QString& datei, const QString& fehler);

    Globals& globals_;
    Plattform& plattform_;
    QString programmordner_;
    QStringList bildordner_; // the program folder first
    Rechenwerk werk_;
    bool FormLaedt = true;
    Webretreiver webretreiver_;

    QLabel* Image1 = nullptr;
    Wertanzeige* Kurs = nullptr;
    QPushButton* AufZu = nullptr;
    Wertanzeige* isEuro = nullptr;
    Wertanzeige* DispEuro = nullptr;
    Wertanzeige* isSchilling = nullptr;
    Wertanzeige* DispSchilling = nullptr;
    QPushButton* Euro = nullptr;
    Wertanzeige* Memory = nullptr;
    QFrame* MemoryRahmen = nullptr;
    QPushButton* Equals = nullptr;
    QPushButton* Divide = nullptr;
    QLabel* Logo = nullptr;
    QLabel* WerbeLogo = nullptr;
    QPushButton* Update = nullptr;
    QLabel* datum = nullptr;
    Wertanzeige* lastUpdate = nullptr;
    std::array<Seitenzeile, Seitenzeilen + 1> zeilen_{}; // rows 1..14
    bool seitenleiste_ = false;                          // the rows are built
    Seitenlisten* seitenlisten_ = nullptr;               // what their lists offer
    std::vector<QWidget*> kurstabellenElemente_;         // shown with the rate table
    QWidget* flaeche_ = nullptr;
    QMenu* Optionen = nullptr;
    QAction* Kurstabelle = nullptr;
    QAction* StichtagAktion = nullptr;
    // Made when a date is first chosen.
    std::unique_ptr<Stichtagsansicht, StichtagsansichtLoeschen> stichtag_;
};

} // namespace zirvanto
