#pragma once

#include <QLocale>
#include <QWidget>

class QLabel;
class QProgressBar;

namespace zirvanto {

// The notice shown, without being modal, while the rates are loaded.
class Status : public QWidget {
    Q_OBJECT

public:
    Status(const QString& titel, QWidget* parent = nullptr);

    // For a large download: its own first line, and a progress bar of the
    // bytes received (`gesamt` -1: not known yet).
    void downloadZeigen(const QString& was, const QLocale& locale);
    void fortschritt(qint64 empfangen, qint64 gesamt);

private:
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QProgressBar* Fortschritt = nullptr;
    QLocale locale_;
};

} // namespace zirvanto
