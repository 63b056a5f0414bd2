#include "mainwindow/Options.h"

#include "mainwindow/Masse.h"
#include "plattform/Plattform.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace zirvanto {

namespace {

template <typename W>
W* anlegen(QWidget* eltern, const char* name, QRect rahmen, const QString& text,
           const QString& zugangsname) {
    auto* w = new W(eltern);
    w->setObjectName(QLatin1String(name));
    w->setGeometry(rahmen);
    w->setAccessibleName(zugangsname);
    if (!text.isEmpty()) w->setText(text);
    return w;
}

QLabel* hilfetext(QWidget* eltern, const char* name, QRect rahmen, const QString& text) {
    auto* label = anlegen<QLabel>(eltern, name, rahmen, text, text);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

// A small font, so that every text fits the place the layout gives it.
void schriftSetzen(QWidget* dialog, int pixel) {
    QFont schrift = dialog->font();
    schrift.setPixelSize(pixel);
    dialog->setFont(schrift);
}

} // namespace

Options::Options(const QString& titel, Plattform& plattform, QWidget* parent)
    : QDialog(parent), titel_(titel), plattform_(plattform) {
    setObjectName(QStringLiteral("Options"));
    setWindowTitle(titel);
    setFixedSize(px(5625), px(2250));
    schriftSetzen(this, 11);

    // The two captions reach up to their fields: the design font was
    // narrower than the desktop's, and a caption must not lose its colon.
    auto* proxyText =
        anlegen<QLabel>(this, "Label2", twipsRect(240, 240, 585, 195), tr("Proxy:"), QString());
    Proxy = anlegen<QLineEdit>(this, "Proxy", twipsRect(840, 240, 3375, 285), QString(),
                               tr("Proxy-Server"));
    auto* portText =
        anlegen<QLabel>(this, "Label1", twipsRect(4440, 240, 465, 195), tr("Port:"), QString());
    Port = anlegen<QLineEdit>(this, "Port", twipsRect(4920, 240, 615, 285), QString(),
                              tr("Port des Proxy-Servers"));
    proxyText->setBuddy(Proxy);
    portText->setBuddy(Port);
    // A longer caption grows to the left, its colon staying at its field.
    for (QLabel* text : {proxyText, portText}) {
        const int mehr = text->sizeHint().width() - text->width();
        if (mehr > 0) text->setGeometry(text->geometry().adjusted(-mehr, 0, 0, 0));
    }
    autoUpdate =
        anlegen<QCheckBox>(this, "autoUpdate", twipsRect(840, 720, 4335, 255),
                           tr("automatisches Update"), tr("Automatisches Update bei jedem Start"));
    datum = anlegen<QLabel>(this, "datum", twipsRect(240, 1200, 5175, 255),
                            tr("Das letzte Update erfolgte am 1. 1. 1999"), tr("Letztes Update"));
    datum->setTextFormat(Qt::PlainText);

    const char* namen[] = {"Neu(0)", "Neu(1)"};
    const QString texte[] = {tr("&Ok"), tr("&Abbruch")};
    const QString zugang[] = {tr("Einstellungen übernehmen"), tr("Abbrechen")};
    for (int i = 0; i < 2; ++i) {
        Neu[std::size_t(i)] = anlegen<QPushButton>(
            this, namen[i], twipsRect(240 + 1320 * i, 1680, 1095, 375), texte[i], zugang[i]);
        Neu[std::size_t(i)]->setAutoDefault(false);
        connect(Neu[std::size_t(i)], &QPushButton::clicked, this, [this, i] { Neu_Click(i); });
    }
    Neu[0]->setDefault(true); // Enter confirms; Esc cancels as in every dialog
    Hilfe = anlegen<QPushButton>(this, "Hilfe", twipsRect(4320, 1680, 1095, 375), tr("&Hilfe"),
                                 tr("Hilfe"));
    Hilfe->setAutoDefault(false);
    connect(Hilfe, &QPushButton::clicked, this, &Options::Hilfe_Click);
}

void Options::Neu_Click(int index) {
    if (index == 0) Tag = QStringLiteral("OK");
    done(index == 0 ? Accepted : Rejected);
}

void Options::Hilfe_Click() {
    HilfeDialog hilfe(titel_, this);
    plattform_.modalZeigen(hilfe);
}

HilfeDialog::HilfeDialog(const QString& titel, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("HilfeDialog"));
    setWindowTitle(titel);
    setFixedSize(px(4770), px(4800));
    schriftSetzen(this, 10);

    hilfetext(this, "Label1", twipsRect(240, 240, 4230, 780),
              tr("In diesem Dialog legen Sie die Einstellungen fest, die zum "
                 "erfolgreichen Update der Wechselkurse über das Internet notwendig "
                 "sind. Bitte beachten Sie dabei die nachstehend angeführten Punkte:"));
    hilfetext(this, "Label3", twipsRect(240, 1200, 4335, 1335),
              tr("Im Feld \"Proxy\" geben Sie bitte gegebenenfalls den Namen Ihres "
                 "Proxy-Servers an. Falls Sie keinen Proxy-Server verwenden, lassen "
                 "Sie dieses Feld einfach leer. Die Adresse Ihres Proxy-Servers kann "
                 "Ihnen Ihr Systemverwalter sagen, Sie finden Sie auch in Ihrem "
                 "Webbrowser bei den Netzwerkeinstellungen."));
    // Taller than its neighbour, down to the button: the desktop's font
    // needs one line more for this text.
    hilfetext(this, "Label2", twipsRect(240, 2520, 4335, 1575),
              tr("Mit der Einstellung \"automatisches Update\" legen Sie fest, ob der "
                 "Rechner bei jedem Programmstart die aktuellen Wechselkurse aus dem "
                 "Internet laden soll. Falls Sie eine permanente Verbindung zum "
                 "Internet haben, wird diese Einstellung empfohlen. Für "
                 "Modembesitzer besteht die Möglichkeit, die automatische "
                 "Modemverbindung durch Abwahl dieser Option zu unterdrücken."));
    auto* schliessen = anlegen<QPushButton>(this, "Neu", twipsRect(1920, 4200, 1095, 375),
                                            tr("&Schließen"), tr("Hilfe schließen"));
    schliessen->setDefault(true); // Enter and Esc both close
    connect(schliessen, &QPushButton::clicked, this, &HilfeDialog::Neu_Click);
}

void HilfeDialog::Neu_Click() {
    Tag = QStringLiteral("Ok");
    accept();
}

} // namespace zirvanto
