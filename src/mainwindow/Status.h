#pragma once

#include <QWidget>

class QLabel;

namespace zirvanto {

// The notice shown, without being modal, while the rates are loaded.
class Status : public QWidget {
    Q_OBJECT

public:
    Status(const QString& titel, QWidget* parent = nullptr);

private:
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
};

} // namespace zirvanto
