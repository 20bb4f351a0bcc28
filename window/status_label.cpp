// SPDX-License-Identifier: MIT
#include "status_label.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Laid out as the label draws wrapped text. Its lines can be taller than
// QFontMetrics::lineSpacing(), which rounds the font's ascent and descent
// together: at 10 points on 96 dpi a line of DejaVu Sans takes 16 pixels
// where lineSpacing() says 15.
int textHeight(const QLabel& label, int width, const QString& text) {
    const QRect room(0, 0, width, 1 << 20);
    return label.fontMetrics().boundingRect(room, Qt::TextWordWrap, text).height();
}

int measuredLinesHeight(const QLabel& label) {
    const QStringList lines(StatusLabel::kLines, QStringLiteral("Xg"));
    return textHeight(label, 1 << 20, lines.join('\n'));
}

// What a screen reader finds: a notification named with the whole note. The
// description stays empty, as the tooltip that would otherwise fill it
// holds the note a second time.
class NoteAccessible : public QAccessibleWidget {
  public:
    explicit NoteAccessible(QWidget* label) : QAccessibleWidget(label, QAccessible::Notification) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Description) {
            return widget()->accessibleDescription();
        }
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface* noteAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String(StatusLabel::staticMetaObject.className()) &&
        object->isWidgetType()) {
        return new NoteAccessible(static_cast<QWidget*>(object));
    }
    return nullptr;
}

}  // namespace

StatusLabel::StatusLabel(QWidget* parent) : QLabel(parent) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(noteAccessible);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    setWordWrap(true);
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // The note's text never decides the window's width.
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    setFixedHeight(measuredLinesHeight(*this));
    // It paints its own background, so that a keystroke's new words do not
    // have the status bar and the window beneath painted first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QSize StatusLabel::sizeHint() const {
    return {0, height()};
}

QSize StatusLabel::minimumSizeHint() const {
    return sizeHint();
}

void StatusLabel::setMessage(const QString& text) {
    fullText = text;
    setToolTip(text);
    // Also tells a screen reader that the name changed, which it reads
    // without speaking: the line changes with every keystroke.
    setAccessibleName(text);
    fitNote();
}

void StatusLabel::announce() {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // Spoken as it is. Orca 48 would speak the note twice if the
    // notification were shown as well, once after the word "notification".
    QAccessibleAnnouncementEvent announcement(this, fullText);
    QAccessible::updateAccessibility(&announcement);
#else
    // A notification that shows is spoken at once.
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
#endif
}

void StatusLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        setFixedHeight(measuredLinesHeight(*this));
        fitNote();
    }
}

void StatusLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    fitNote();
}

// The label draws the words it keeps shaped rather than a text of its own:
// QLabel would lay its text out anew at every keystroke, and ask the note
// bar's layout to do the same, which paints the label a second time.
void StatusLabel::fitNote() {
    words.setStyle(font(), palette().color(foregroundRole()), devicePixelRatioF());
    const int width = contentsRect().width();
    // Before the label is laid out, the whole note stands on one line.
    const qsizetype linesBefore = words.lineCount();
    if (!words.wrap(fullText, width > 0 ? width : std::numeric_limits<int>::max(), kLines)) {
        return;
    }
    if (words.lineCount() == linesBefore) {
        updateChangedWords();
    } else {
        update(contentsRect());
    }
}

// Lines stay where they are when their number does: only the words that
// changed or moved are painted again, where paintEvent draws them.
void StatusLabel::updateChangedWords() {
    const QRect room = contentsRect();
    const int lineHeight = linesHeight() / kLines;
    const int top =
        room.top() + (room.height() - lineHeight * static_cast<int>(words.lineCount())) / 2;
    for (const StatusWords::Change& change : words.changedSince()) {
        const int lineTop = top + lineHeight * static_cast<int>(change.line);
        const int left = room.left() + static_cast<int>(std::floor(change.from)) - 1;
        const int right = room.left() + static_cast<int>(std::ceil(change.to)) + 2;
        update(QRect(QPoint(left, lineTop), QPoint(right, lineTop + lineHeight)).intersected(room));
    }
}

void StatusLabel::paintEvent(QPaintEvent* event) {
    // The colours or the screen's pixel ratio may have changed since.
    if (words.setStyle(font(), palette().color(foregroundRole()), devicePixelRatioF())) {
        fitNote();
    }
    QPainter painter(this);
    painter.fillRect(event->rect(), palette().brush(backgroundRole()));
    const QRect room = contentsRect();
    const int lineHeight = linesHeight() / kLines;
    int top = room.top() + (room.height() - lineHeight * static_cast<int>(words.lineCount())) / 2;
    for (qsizetype line = 0; line < words.lineCount(); ++line) {
        words.draw(painter, line, room.left(), top, event->rect());
        top += lineHeight;
    }
}
