#include "plattform/Wertanzeige.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QStyle>
#include <QTextDocumentFragment>

#include <algorithm>

namespace zirvanto {

namespace {

// The shown text of a label as plain text.
QString gezeigterText(const QLabel& label) {
    const QString text = label.text();
    const bool reich = label.textFormat() == Qt::RichText ||
                       (label.textFormat() == Qt::AutoText && Qt::mightBeRichText(text));
    return reich ? QTextDocumentFragment::fromHtml(text).toPlainText() : text;
}

// A text label for assistive technology: its name says what it is, its
// text and its value are what it shows. Read-only, without selection or
// caret.
class Beschriftungszugang : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit Beschriftungszugang(QLabel* label)
        : QAccessibleWidget(label, QAccessible::StaticText) {}

    // The interface is made when a label is first named, often before it
    // gets its picture; a label that shows a picture has no text.
    bool bild() const { return !label()->pixmap().isNull() || label()->movie(); }

    void* interface_cast(QAccessible::InterfaceType art) override {
        if (art == QAccessible::TextInterface)
            return bild() ? nullptr : static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(art);
    }
    QAccessible::Role role() const override {
        return bild() ? QAccessible::Graphic : QAccessible::StaticText;
    }

    QString text(QAccessible::Text art) const override {
        switch (art) {
        case QAccessible::Name: {
            const QString name = widget()->accessibleName();
            return name.isEmpty() ? inhalt() : name;
        }
        case QAccessible::Value: return inhalt();
        default: return QAccessibleWidget::text(art);
        }
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        return s;
    }

    // Text interface.
    QString text(int anfang, int ende) const override {
        const QString t = inhalt();
        anfang = std::clamp(anfang, 0, int(t.size()));
        ende = std::clamp(ende < 0 ? int(t.size()) : ende, anfang, int(t.size()));
        return t.mid(anfang, ende - anfang);
    }
    int characterCount() const override { return int(inhalt().size()); }

    // One line, placed in the label as its alignment puts it.
    QRect characterRect(int stelle) const override {
        const QString t = inhalt();
        if (stelle < 0 || stelle >= t.size()) return {};
        const QFontMetrics metrik(label()->font());
        const QRect feld = label()->contentsRect();
        const int breite = metrik.horizontalAdvance(t);
        const Qt::Alignment ausrichtung =
            QStyle::visualAlignment(label()->layoutDirection(), label()->alignment());
        int x = feld.left();
        if (ausrichtung & Qt::AlignRight) x = feld.right() + 1 - breite;
        if (ausrichtung & Qt::AlignHCenter) x = feld.left() + (feld.width() - breite) / 2;
        x += metrik.horizontalAdvance(t.left(stelle));
        const int y = feld.top() + (feld.height() - metrik.height()) / 2;
        return {label()->mapToGlobal(QPoint(x, y)),
                QSize(metrik.horizontalAdvance(t.at(stelle)), metrik.height())};
    }
    int offsetAtPoint(const QPoint& punkt) const override {
        for (int i = 0, n = characterCount(); i < n; ++i)
            if (characterRect(i).contains(punkt)) return i;
        return -1;
    }

    void selection(int, int* anfang, int* ende) const override { *anfang = *ende = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* anfang, int* ende) const override {
        *anfang = 0;
        *ende = characterCount();
        return {};
    }

private:
    QLabel* label() const { return static_cast<QLabel*>(widget()); }
    QString inhalt() const { return gezeigterText(*label()); }
};

QAccessibleInterface* beschriftungsfabrik(const QString& klasse, QObject* objekt) {
    if (klasse != QLatin1String("QLabel")) return nullptr;
    auto* label = qobject_cast<QLabel*>(objekt);
    return label ? new Beschriftungszugang(label) : nullptr;
}

} // namespace

void Wertanzeige::setText(const QString& text) {
    if (text == QLabel::text()) return;
    const QString vorher = gezeigterText(*this);
    QLabel::setText(text);
    QAccessibleTextUpdateEvent ereignis(this, 0, vorher, gezeigterText(*this));
    QAccessible::updateAccessibility(&ereignis);
}

void beschriftungenZugaenglichMachen() {
    QAccessible::installFactory(beschriftungsfabrik);
}

} // namespace zirvanto
