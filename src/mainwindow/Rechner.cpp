#include "mainwindow/Rechner.h"

#include "mainwindow/Kurztasten.h"
#include "mainwindow/Masse.h"
#include "mainwindow/Seitenlisten.h"
#include "mainwindow/Tastenfeld.h"
#include "plattform/Plattform.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QResource>

#include <algorithm>
#include <cmath>
#include <optional>
#include <tuple>
#include <type_traits>
#include <utility>

namespace zirvanto {

namespace {

constexpr int ClientBreite = 8010; // twips
constexpr int ClientHoehe = 5160;
constexpr int ZeilenAbstand = 300;

template <typename W>
W* anlegen(QWidget* eltern, const char* name, QRect rahmen, const QString& zugangsname) {
    auto* w = new W(eltern);
    w->setObjectName(QLatin1String(name));
    w->setGeometry(rahmen);
    w->setAccessibleName(zugangsname);
    // Captions may hold texts from the server: never rich text.
    if constexpr (std::is_base_of_v<QLabel, W>) w->setTextFormat(Qt::PlainText);
    return w;
}

// An output-only value box: looks like a text box, never takes the focus
// and cannot be typed into.
Wertanzeige* anzeigefeld(QWidget* eltern, const char* name, QRect rahmen,
                         const QString& zugangsname) {
    auto* feld = anlegen<Wertanzeige>(eltern, name, rahmen, zugangsname);
    feld->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    feld->setAutoFillBackground(true);
    feld->setBackgroundRole(QPalette::Base);
    feld->setForegroundRole(QPalette::Text);
    feld->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    feld->setTextFormat(Qt::PlainText);
    return feld;
}

// The widest texts a value box can hold: 23 characters of digits (each
// digit tried, as fonts may differ in their widths), separators and a sign,
// and the error texts.
QStringList laengsteWerte(const QLocale& locale) {
    QStringList texte{QCoreApplication::translate("Rechenwerk", "Division durch Null."),
                      QCoreApplication::translate("Rechenwerk", "Unzulässiger Funktionsaufruf."),
                      QCoreApplication::translate("Rechenwerk", "Überlauf")};
    for (char ziffer = '0'; ziffer <= '9'; ++ziffer) {
        const QString drei(3, QLatin1Char(ziffer));
        const QString g = locale.groupSeparator();
        texte << locale.negativeSign() + drei + g + drei + g + drei + g + drei + g + drei +
                     locale.decimalPoint() + QString(2, QLatin1Char(ziffer));
    }
    return texte;
}

// Gives the value boxes the font in which their longest text fits: the
// window's small font alone leaves too little room for it.
void wertschriftSetzen(const std::vector<QLabel*>& felder, const QLocale& locale) {
    const QStringList texte = laengsteWerte(locale);
    // Fields of one font and size share one font, found once.
    std::optional<std::tuple<QFont, QRect, int>> vorbild;
    QFont passend;
    for (QLabel* feld : felder) {
        const QRect innen = feld->contentsRect();
        auto art = std::tuple(feld->font(), innen, feld->margin());
        if (art != vorbild) {
            // A framed label keeps half an "x" free beside its text; the
            // other half is room for rounding.
            const qreal rand =
                2 * feld->margin() + QFontMetricsF(feld->font()).horizontalAdvance(u'x');
            passend = passendeSchrift(feld->font(), texte, innen.width() - rand, innen.height());
            vorbild = std::move(art);
        }
        feld->setFont(passend);
    }
}

QLabel* bild(QWidget* eltern, const char* name, QRect rahmen, const QString& zugangsname,
             const QString& datei = {}) {
    auto* label = anlegen<QLabel>(eltern, name, rahmen, zugangsname);
    if (!datei.isEmpty()) label->setPixmap(eingebautesBild(datei));
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

// An uncompressed top-down 32-bit bitmap (as tools/bilder writes them) is
// shown straight from the program's read-only data: no decoded copy of the
// logo's 95 KB on the heap. Anything else is decoded.
QPixmap eingebautesBild(const QString& pfad) {
    const QResource datei(pfad);
    const uchar* d = datei.data();
    const qint64 n = datei.size();
    const auto zahl = [&](int stelle) {
        return qint32(quint32(d[stelle]) | quint32(d[stelle + 1]) << 8 |
                      quint32(d[stelle + 2]) << 16 | quint32(d[stelle + 3]) << 24);
    };
    if (d && datei.compressionAlgorithm() == QResource::NoCompression && n >= 54 && d[0] == 'B' &&
        d[1] == 'M') {
        const qint64 anfang = zahl(10), breite = zahl(18), hoehe = -qint64(zahl(22));
        const qint64 zeile = breite * 4;
        const bool roh = zahl(14) >= 40 && (zahl(26) & 0xFFFF) == 1 && (zahl(28) & 0xFFFF) == 32 &&
                         zahl(30) == 0 && breite > 0 && hoehe > 0 && anfang >= 54 &&
                         anfang + zeile * hoehe <= n && quintptr(d + anfang) % 4 == 0;
        if (roh)
            return QPixmap::fromImage(
                QImage(d + anfang, int(breite), int(hoehe), zeile, QImage::Format_RGB32),
                Qt::NoFormatConversion);
    }
    return QPixmap(pfad);
}

Rechner::Rechner(Globals& globals, Plattform& plattform, QString programmordner, QLocale locale,
                 QStringList weitereBildordner, QWidget* parent, Fristen fristen)
    : QMainWindow(parent), globals_(globals), plattform_(plattform),
      programmordner_(std::move(programmordner)),
      bildordner_(QStringList{programmordner_} + weitereBildordner),
      werk_(globals.Waehrungen, std::move(locale),
            {[this] { plattform_.piep(); },
             [this](const QString& t) { plattform_.meldung(this, t); }}),
      webretreiver_(fristen) {
    setObjectName(QStringLiteral("Rechner"));
    oberflaecheAufbauen();
    menuesAufbauen();
    onlineEinrichten();
    stichtagEinrichten();
    tastaturVorschauEinrichten(this);
    Form_Load();
}

void Rechner::oberflaecheAufbauen() {
    // One small font for the whole window, so every caption fits its
    // control; the value boxes and the rate label fit theirs to their texts.
    QFont schrift = font();
    schrift.setPointSizeF(8);
    setFont(schrift);

    flaeche_ = new QWidget(this);
    flaeche_->setObjectName(QStringLiteral("Flaeche"));
    setCentralWidget(flaeche_);
    QWidget* f = flaeche_;

    Image1 = bild(f, "Image1", twipsRect(0, 120, 900, 1080), tr("Programmbild"),
                  QStringLiteral(":/bilder/image1.bmp"));
    Image1->setToolTip(tr("Klicken Sie hier, um die Wechselkurse zu bearbeiten!"));
    Image1->setCursor(Qt::PointingHandCursor);
    Kurs = anlegen<Wertanzeige>(f, "Kurs", twipsRect(1680, 120, 1815, 255),
                                tr("Wechselkurs der Hauptwährung"));
    Kurs->setText(QStringLiteral("1 EUR = 13,7603 ATS"));
    AufZu = anlegen<QPushButton>(f, "AufZu", twipsRect(3480, 0, 375, 375),
                                 tr("Kurstabelle öffnen oder schließen"));
    AufZu->setIcon(eingebautesBild(QStringLiteral(":/bilder/aufzu.bmp")));
    AufZu->setIconSize(QSize(21, 21));
    AufZu->setToolTip(tr("Hier klicken, um alle Kurse anzuzeigen"));
    connect(AufZu, &QPushButton::clicked, this, &Rechner::AufZu_Click);

    isEuro = anlegen<Wertanzeige>(f, "isEuro", twipsRect(855, 555, 765, 285), tr("Euro"));
    DispEuro = anzeigefeld(f, "DispEuro", twipsRect(1680, 555, 2130, 285), tr("Betrag in Euro"));
    isSchilling =
        anlegen<Wertanzeige>(f, "isSchilling", twipsRect(840, 960, 765, 285), tr("Hauptwährung"));
    DispSchilling = anzeigefeld(f, "DispSchilling", twipsRect(1680, 960, 2130, 285),
                                tr("Betrag in der Hauptwährung"));
    for (QLabel* l : {isEuro, isSchilling}) {
        l->setAlignment(Qt::AlignCenter);
        l->setAutoFillBackground(true);
    }

    Euro = anlegen<QPushButton>(f, "Euro", twipsRect(900, 1320, 710, 375),
                                tr("Eingabewährung wechseln"));
    Euro->setText(QStringLiteral("[EUR]"));
    Euro->setToolTip(tr("Hier wird die Eingabewährung festgelegt!"));
    connect(Euro, &QPushButton::clicked, this, &Rechner::Euro_Click);

    // The memory indicator sits in a sunken square.
    MemoryRahmen =
        anlegen<QFrame>(f, "MemoryRahmen", twipsRect(285, 1410, 270, 255), tr("Speicheranzeige"));
    MemoryRahmen->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Memory = anzeigefeld(f, "Memory", twipsRect(315, 1440, 210, 195), tr("Speicher belegt"));
    Memory->setFrameStyle(QFrame::NoFrame);
    Memory->setAlignment(Qt::AlignCenter);
    QPalette grau = Memory->palette();
    grau.setColor(QPalette::Base, bgrFarbe(0xC0C0C0));
    Memory->setPalette(grau);

    tastenfeldAufbauen(f);

    Logo = bild(f, "Logo", twipsRect(0, 3960, 3990, 1080), tr("Logo"));
    // Centred under the calculator.
    Logo->move(px((4050 - 3990) / 2), Logo->y());
    // Its picture comes with the start-up: a logo in the picture folders, or
    // the built-in one.
    WerbeLogo = bild(f, "WerbeLogo", twipsRect(0, 3840, 3990, 1335), tr("Werbung"));
    WerbeLogo->setCursor(Qt::PointingHandCursor);

    wertschriftSetzen({DispEuro, DispSchilling}, werk_.locale());

    Update = anlegen<QPushButton>(f, "Update", twipsRect(4200, 4560, 855, 495),
                                  tr("Wechselkurse aktualisieren"));
    Update->setText(tr("Update!"));
    Update->setToolTip(tr("Klicken Sie hier, um die Wechselkurse zu aktualisieren."));
    // A longer caption than "Update!" widens the button into the free room
    // on its right, keeping 4 pixels beside the text on each side.
    const qreal noetig = QFontMetricsF(Update->font()).horizontalAdvance(Update->text()) + 8;
    Update->resize(std::max(Update->width(), int(std::ceil(noetig))), Update->height());
    datum = anlegen<QLabel>(f, "datum", twipsRect(5280, 4560, 2550, 195), tr("Letztes Update"));
    datum->setText(tr("Das letzte Update erfolgte am"));
    lastUpdate = anlegen<Wertanzeige>(f, "lastUpdate", twipsRect(5280, 4800, 2895, 255),
                                      tr("Datum des letzten Updates"));
    lastUpdate->setText(QStringLiteral("1. 1. 2001"));
    for (QWidget* w : {static_cast<QWidget*>(Update), static_cast<QWidget*>(datum),
                       static_cast<QWidget*>(lastUpdate)})
        kurstabellenElemente_.push_back(w);
}

void Rechner::seitenleisteBauen() {
    if (seitenleiste_) return;
    seitenleiste_ = true;
    std::array<QComboBox*, Seitenzeilen + 1> listen{};
    std::vector<QLabel*> wertfelder;
    for (int zeile = 1; zeile <= Seitenzeilen; ++zeile) {
        seitenzeileAnlegen(zeile);
        const Seitenzeile& z = zeilen_[std::size_t(zeile)];
        listen[std::size_t(zeile)] = z.SideCombo;
        wertfelder.push_back(z.SideBox);
    }
    seitenlisten_ = new Seitenlisten(listen, this);
    wertschriftSetzen(wertfelder, werk_.locale());
    // In the place, the order for screen readers and the tab order the rows
    // had if built with the window: before the update button.
    setTabOrder(zeilen_[Seitenzeilen].SideCombo, Update);
    WaehrungslistenFuellen();
    TextfarbenSetzen();
    FlaggenLaden();
    anzeigeUebernehmen();
    stichtagMarkieren();
}

void Rechner::tastenfeldAufbauen(QWidget* flaeche) {
    for (const Tastendefinition& t : tastenfeld()) {
        auto* knopf = anlegen<QPushButton>(
            flaeche, t.name, twipsRect(t.links, t.oben, t.breite, t.hoehe), zugangsname(t));
        knopf->setText(QString::fromUtf8(t.beschriftung));
        knopf->setAccessibleDescription(tastenbeschreibung(t.code));
        const int16_t code = t.code;
        connect(knopf, &QPushButton::clicked, this, [this, code] { tasteGeklickt(code); });
        if (code == Taste::Gleich) Equals = knopf;
        if (code == Taste::Durch) Divide = knopf;
    }
    Equals->setDefault(true);
}

void Rechner::seitenzeileAnlegen(int zeile) {
    const int oben = 120 + ZeilenAbstand * (zeile - 1);
    const QString nr = QString::number(zeile);
    const auto name = [&](const char* stamm) {
        return QStringLiteral("%1(%2)").arg(QLatin1String(stamm), nr).toLatin1();
    };
    Seitenzeile& z = zeilen_[std::size_t(zeile)];
    z.SideLabel = anlegen<QLabel>(flaeche_, name("SideLabel").constData(),
                                  twipsRect(4200, oben, 45, 195), tr("Zeile %1").arg(nr));
    z.SideCombo =
        anlegen<Waehrungsliste>(flaeche_, name("SideCombo").constData(),
                                twipsRect(4200, oben, 855, 315), tr("Währung in Zeile %1").arg(nr));
    z.SidePicture = bild(flaeche_, name("SidePicture").constData(), twipsRect(5160, oben, 465, 360),
                         tr("Flagge in Zeile %1").arg(nr));
    z.SideBox = anzeigefeld(flaeche_, name("SideBox").constData(), twipsRect(5760, oben, 2130, 285),
                            tr("Betrag in Zeile %1").arg(nr));
    const bool offen = Kurstabelle->isChecked();
    for (QWidget* w : {static_cast<QWidget*>(z.SideCombo), static_cast<QWidget*>(z.SidePicture),
                       static_cast<QWidget*>(z.SideBox)}) {
        w->stackUnder(Update);
        w->setVisible(offen);
        kurstabellenElemente_.push_back(w);
    }
    z.SideLabel->lower();
    // Only the first row's label is ever shown; it carries no text.
    if (zeile == 1) {
        z.SideLabel->setVisible(offen);
        kurstabellenElemente_.push_back(z.SideLabel);
    } else {
        z.SideLabel->hide();
    }
    for (QWidget* w : {static_cast<QWidget*>(z.SideLabel), static_cast<QWidget*>(z.SideCombo),
                       static_cast<QWidget*>(z.SidePicture), static_cast<QWidget*>(z.SideBox)})
        tastaturVorschauEinrichten(w);
    z.SidePicture->setCursor(Qt::PointingHandCursor);
    connect(z.SideCombo, &QComboBox::activated, this, [this, zeile] { SideCombo_Click(zeile); });
}

void Rechner::breiteSetzen(int twips) {
    const int hoehe = px(ClientHoehe) + menuBar()->sizeHint().height();
    flaeche_->setMinimumSize(0, px(ClientHoehe));
    setFixedSize(px(twips), hoehe);
}

} // namespace zirvanto
