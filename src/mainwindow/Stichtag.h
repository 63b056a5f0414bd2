#pragma once

#include <QDate>
#include <QDialog>
#include <QLocale>

#include <functional>
#include <optional>

class QCalendarWidget;
class QPushButton;
class QSpinBox;

namespace zirvanto {

class Wertanzeige;

// The dialog that picks the day whose rates the calculator uses: a
// calendar from the first day of the ECB's history to today, and below it
// the working day whose rates hold for the chosen day.
class Stichtag : public QDialog {
    Q_OBJECT

public:
    // The result of "&Heute": back to the current rates.
    static constexpr int Heute = 2;

    // `genutzterTag` names the working day of the history for a chosen day;
    // empty while there is no history yet.
    Stichtag(const QString& titel, QDate gewaehlt, QLocale locale,
             std::function<std::optional<QDate>(QDate)> genutzterTag, QWidget* parent = nullptr);

    QDate gewaehlterTag() const;

    QCalendarWidget* Kalender = nullptr;
    Wertanzeige* GenutzterTag = nullptr;
    QPushButton* Ok = nullptr;
    QPushButton* HeuteKnopf = nullptr;
    QPushButton* Abbrechen = nullptr;

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    void tagZeigen();

    QLocale locale_;
    std::function<std::optional<QDate>(QDate)> genutzterTag_;
    QSpinBox* jahrfeld_ = nullptr;
};

} // namespace zirvanto
