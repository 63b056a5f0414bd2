#include "mainwindow/Stichtag.h"

#include "plattform/Wertanzeige.h"

#include <QBoxLayout>
#include <QCalendarWidget>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>

#include <algorithm>
#include <utility>

namespace zirvanto {

namespace {
// The first day of the ECB's history.
const QDate ErsterKurstag(1999, 1, 4);
} // namespace

Stichtag::Stichtag(const QString& titel, QDate gewaehlt, QLocale locale,
                   std::function<std::optional<QDate>(QDate)> genutzterTag, QWidget* parent)
    : QDialog(parent), locale_(std::move(locale)), genutzterTag_(std::move(genutzterTag)) {
    setObjectName(QStringLiteral("Stichtag"));
    setWindowTitle(titel);

    Kalender = new QCalendarWidget(this);
    Kalender->setObjectName(QStringLiteral("Kalender"));
    Kalender->setAccessibleName(tr("Stichtag"));
    Kalender->setLocale(locale_);
    Kalender->setDateRange(ErsterKurstag, QDate::currentDate());
    Kalender->setSelectedDate(gewaehlt);
    Kalender->setGridVisible(true);
    // Enter or a double click on a day confirms it.
    connect(Kalender, &QCalendarWidget::activated, this, &QDialog::accept);
    connect(Kalender, &QCalendarWidget::selectionChanged, this, &Stichtag::tagZeigen);
    // The year is typed in a spin box of the calendar's own.
    jahrfeld_ = Kalender->findChild<QSpinBox*>();
    if (jahrfeld_) jahrfeld_->installEventFilter(this);
    // The month arrows show a picture only; a screen reader reads these names.
    for (const auto& [name, text] : {std::pair("qt_calendar_prevmonth", tr("Vorheriger Monat")),
                                     std::pair("qt_calendar_nextmonth", tr("Nächster Monat"))})
        if (auto* pfeil = Kalender->findChild<QToolButton*>(QLatin1String(name)))
            pfeil->setAccessibleName(text);

    GenutzterTag = new Wertanzeige(this);
    GenutzterTag->setObjectName(QStringLiteral("GenutzterTag"));
    GenutzterTag->setAccessibleName(tr("Kurse dieses Tages"));
    GenutzterTag->setTextFormat(Qt::PlainText);
    GenutzterTag->setWordWrap(true);

    auto* knoepfe = new QDialogButtonBox(this);
    const auto knopf = [&](const char* name, const QString& text, const QString& zugang,
                           QDialogButtonBox::ButtonRole rolle) {
        auto* k = knoepfe->addButton(text, rolle);
        k->setObjectName(QLatin1String(name));
        k->setAccessibleName(zugang);
        return k;
    };
    Ok = knopf("Ok", tr("&Ok"), tr("Mit den Kursen dieses Tages rechnen"),
               QDialogButtonBox::AcceptRole);
    HeuteKnopf = knopf("Heute", tr("&Heute"), tr("Mit den aktuellen Kursen rechnen"),
                       QDialogButtonBox::ActionRole);
    Abbrechen = knopf("Abbrechen", tr("&Abbrechen"), tr("Abbrechen"), QDialogButtonBox::RejectRole);
    Ok->setDefault(true);
    connect(Ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(HeuteKnopf, &QPushButton::clicked, this, [this] { done(Heute); });
    connect(Abbrechen, &QPushButton::clicked, this, &QDialog::reject);

    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(Kalender);
    spalte->addWidget(GenutzterTag);
    spalte->addWidget(knoepfe);
    tagZeigen();
    Kalender->setFocus();
}

QDate Stichtag::gewaehlterTag() const {
    return Kalender->selectedDate();
}

void Stichtag::tagZeigen() {
    const QDate gewaehlt = Kalender->selectedDate();
    const std::optional<QDate> tag = genutzterTag_ ? genutzterTag_(gewaehlt) : std::nullopt;
    if (!genutzterTag_) {
        GenutzterTag->setText(tr("Die Kursgeschichte der EZB wird nach „Ok“ einmal "
                                 "geladen (etwa 0,7 MB)."));
        return;
    }
    const QString datum = tag ? locale_.toString(*tag, QLocale::LongFormat) : QString();
    GenutzterTag->setText(!tag ? tr("Für diesen Tag gibt es keine Kurse.")
                          : *tag == gewaehlt
                              ? tr("Es gelten die Kurse vom %1.").arg(datum)
                              : tr("Es gelten die Kurse des letzten Bankarbeitstages "
                                   "davor, %1.")
                                    .arg(datum));
}

bool Stichtag::eventFilter(QObject* objekt, QEvent* ereignis) {
    // Enter in the year field takes the typed year for the chosen day, and
    // the dialog stays open; the focus goes back to the days.
    if (objekt == jahrfeld_ && ereignis->type() == QEvent::KeyPress) {
        const int taste = static_cast<QKeyEvent*>(ereignis)->key();
        if (taste == Qt::Key_Return || taste == Qt::Key_Enter) {
            jahrfeld_->interpretText();
            const QDate tag = Kalender->selectedDate();
            Kalender->setSelectedDate(std::clamp(tag.addYears(jahrfeld_->value() - tag.year()),
                                                 Kalender->minimumDate(), Kalender->maximumDate()));
            Kalender->setFocus();
            return true;
        }
    }
    return QDialog::eventFilter(objekt, ereignis);
}

} // namespace zirvanto
