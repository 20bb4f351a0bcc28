// SPDX-License-Identifier: MIT
#include "note_label.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QStringList>

namespace {

constexpr QChar kEllipsis(0x2026);

// Laid out as the label draws wrapped text. Its lines can be taller than
// QFontMetrics::lineSpacing(), which rounds the font's ascent and descent
// together: at 10 points on 96 dpi a line of DejaVu Sans takes 16 pixels
// where lineSpacing() says 15.
int textHeight(const QLabel& label, int width, const QString& text) {
    const QRect room(0, 0, width, 1 << 20);
    return label.fontMetrics().boundingRect(room, Qt::TextWordWrap, text).height();
}

// The longest start of text, cut after a word, that fits with "…".
QString fitted(const NoteLabel& label, const QString& text) {
    const int width = label.contentsRect().width();
    const int room = label.linesHeight();
    if (width <= 0 || textHeight(label, width, text) <= room) {
        return text;
    }
    QString shown = text;
    while (!shown.isEmpty()) {
        const qsizetype space = shown.lastIndexOf(' ');
        shown.truncate(space < 0 ? 0 : space);
        if (textHeight(label, width, shown + kEllipsis) <= room) {
            return shown + kEllipsis;
        }
    }
    return QString(kEllipsis);
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
    if (className == QLatin1String(NoteLabel::staticMetaObject.className()) &&
        object->isWidgetType()) {
        return new NoteAccessible(static_cast<QWidget*>(object));
    }
    return nullptr;
}

}  // namespace

NoteLabel::NoteLabel(QWidget* parent) : QLabel(parent) {
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
    setFixedHeight(linesHeight());
}

int NoteLabel::linesHeight() const {
    const QStringList lines(kLines, QStringLiteral("Xg"));
    return textHeight(*this, 1 << 20, lines.join('\n'));
}

void NoteLabel::setNote(const QString& text) {
    fullText = text;
    setToolTip(text);
    // Also tells a screen reader that the name changed, which it reads
    // without speaking: the line changes with every keystroke.
    setAccessibleName(text);
    fitNote();
}

void NoteLabel::announce() {
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

void NoteLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        setFixedHeight(linesHeight());
        fitNote();
    }
}

void NoteLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    fitNote();
}

void NoteLabel::fitNote() {
    setText(fitted(*this, fullText));
}
