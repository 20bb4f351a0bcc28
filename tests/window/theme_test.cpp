// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QTextLayout>
#include <QtTest>
#include <algorithm>
#include <cstdlib>
#include <memory>
#include <random>

#include "status_label.h"
#include "status_line.h"
#include "window_driver.h"

namespace {

// The lines text takes in label, wrapped at words as the label wraps it.
int lineCount(const QLabel& label, const QString& text) {
    QTextLayout layout(text, label.font(), &label);
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    int lines = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(label.contentsRect().width());
        ++lines;
    }
    layout.endLayout();
    return lines;
}

int shownHeight(const StatusLabel& label) {
    const QRect room(0, 0, label.contentsRect().width(), 1 << 20);
    return label.fontMetrics().boundingRect(room, Qt::TextWordWrap, label.shown()).height();
}

bool libraryLoaded(const char* name) {
    QFile maps("/proc/self/maps");
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains(name);
}

}  // namespace

// The note below the text shows two whole lines in the font that the
// platform theme gives it, and again after a larger font is set while the
// window is open; the window keeps its layout's one size. The environment
// chooses the theme (tests/CMakeLists.txt): TEXTCIPHER_TEST_THEME names the
// theme that must be in force ("gtk3", or empty for Qt's own),
// TEXTCIPHER_TEST_COLOURS says whether it is "dark" or "light" and
// TEXTCIPHER_TEST_FONT_POINTS the size of the font it gives.
class ThemeTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void init() {
        driver = std::make_unique<WindowDriver>();
        driver->settle();
    }
    void cleanup() {
        driver.reset();
        QApplication::setFont(defaultFont);
    }

    void theNoteShowsTwoLines();
    void theNoteFollowsALargerFont();
    void aLongNoteIsCutAfterTheLastWordThatLeavesRoomForTheEllipsis();
    void aCutAfterAFullStopShowsOnlyTheEllipsis();
    void aLoneWordTakesTheWordBeforeItAlong();
    void theWordsAreDrawnWhereTheLayoutPutsThem();
    void aChangedNoteLeavesNothingOldOnScreen();

  private:
    StatusLabel& label() { return *driver->window().findChild<StatusLabel*>("lblStatus"); }
    void expectTwoWholeLines();
    void expectWindowPinned();

    std::unique_ptr<WindowDriver> driver;
    QFont defaultFont;
};

// The test must not pass by running under another theme than it claims.
void ThemeTest::initTestCase() {
    defaultFont = QApplication::font();
    const QString theme = qEnvironmentVariable("TEXTCIPHER_TEST_THEME");
    QCOMPARE(libraryLoaded("libqgtk3.so"), theme == "gtk3");
    const QColor window = QApplication::palette().color(QPalette::Window);
    const QString colours = qEnvironmentVariable("TEXTCIPHER_TEST_COLOURS", "light");
    QVERIFY2(colours == "dark" ? window.lightness() < 128 : window.lightness() > 128,
             qPrintable(window.name()));
    bool sized = false;
    const double points = qEnvironmentVariable("TEXTCIPHER_TEST_FONT_POINTS").toDouble(&sized);
    if (sized) {
        QCOMPARE(QApplication::font().pointSizeF(), points);
    }
}

// Notes of growing length, from one line to more than two: one that takes
// two lines shows whole, a longer one shows the two lines that fit.
void ThemeTest::expectTwoWholeLines() {
    StatusLine& bar = *driver->window().findChild<StatusLine*>();
    QString note = "Note";
    bool sawTwoLines = false;
    bool sawCut = false;
    for (int word = 1; word < 500 && !sawCut; ++word) {
        note += QString(" word%1").arg(word);
        bar.setMessage(note);
        driver->settle();
        const int lines = lineCount(label(), note);
        QVERIFY2(shownHeight(label()) <= label().contentsRect().height(),
                 qPrintable(QString("%1 pixels of text in a line %2 high: %3")
                                .arg(shownHeight(label()))
                                .arg(label().contentsRect().height())
                                .arg(label().shown())));
        if (lines <= 2) {
            QCOMPARE(label().shown(), note);
            sawTwoLines = sawTwoLines || lines == 2;
        } else {
            QVERIFY2(label().shown().endsWith(QChar(0x2026)), qPrintable(label().shown()));
            QCOMPARE(lineCount(label(), label().shown()), 2);
            sawCut = true;
        }
    }
    QVERIFY(sawTwoLines);
    QVERIFY(sawCut);
}

void ThemeTest::expectWindowPinned() {
    driver->settle();
    Form1& window = driver->window();
    QCOMPARE(window.windowTitle(), QString("Form1"));
    QCOMPARE(window.minimumSize(), window.maximumSize());
    QCOMPARE(window.size(), window.minimumSize());
    QCOMPARE(driver->note()->geometry(), QRect(0, 0, 513, 345));
    QCOMPARE(window.size(),
             QSize(512, window.menuBar()->height() + 345 + window.statusBar()->height()));
    QVERIFY(window.statusBar()->height() >= label().height());
}

void ThemeTest::theNoteShowsTwoLines() {
    expectTwoWholeLines();
    expectWindowPinned();
}

void ThemeTest::theNoteFollowsALargerFont() {
    const int before = label().height();
    QFont larger = QApplication::font();
    larger.setPointSizeF(larger.pointSizeF() * 1.5);
    QApplication::setFont(larger);
    driver->settle();
    QVERIFY2(label().height() > before, qPrintable(QString::number(label().height())));
    expectTwoWholeLines();
    expectWindowPinned();
}

// Words of every width, so that the room left on the second line before the
// cut varies from nothing to a word's width.
void ThemeTest::aLongNoteIsCutAfterTheLastWordThatLeavesRoomForTheEllipsis() {
    const QStringList pool = {"a",    "I",     "Wm",   "ill",       "WWW",       "note",
                              "mmmm", "Über",  "lii",  "wholesome", "encrypted", "M",
                              "l",    "quiet", "MWMW", "é"};
    std::mt19937 random(11);
    for (int trial = 0; trial < 40; ++trial) {
        QStringList words;
        for (int word = 0; word < 80; ++word) {
            words << pool[static_cast<qsizetype>(random() % pool.size())];
        }
        const QString note = words.join(' ');
        driver->window().findChild<StatusLine*>()->setMessage(note);
        driver->settle();
        const QString shown = label().shown();
        QVERIFY2(shown.endsWith(QChar(0x2026)), qPrintable(shown));
        QCOMPARE(lineCount(label(), shown), 2);
        const QString kept = shown.chopped(1);
        QVERIFY2(note.startsWith(kept + ' '), qPrintable(shown));
        const qsizetype keptWords = kept.count(' ') + 1;
        // One word more would not fit.
        const QString oneMore = QStringList(words.mid(0, keptWords + 1)).join(' ') + QChar(0x2026);
        QVERIFY2(lineCount(label(), oneMore) > 2, qPrintable(oneMore));
    }
}

void ThemeTest::aCutAfterAFullStopShowsOnlyTheEllipsis() {
    driver->window().findChild<StatusLine*>()->setMessage(QString("Done. Also, ").repeated(60));
    driver->settle();
    const QString shown = label().shown();
    QVERIFY2(shown.endsWith("Done\u2026") || shown.endsWith("Also\u2026"), qPrintable(shown));
}

// Words are added one at a time; where the second line would start with
// the last word alone, it takes the word before it along.
void ThemeTest::aLoneWordTakesTheWordBeforeItAlong() {
    StatusLine& bar = *driver->window().findChild<StatusLine*>();
    QString note = "Encrypt";
    for (int word = 0; lineCount(label(), note) < 2; ++word) {
        note += QStringList({" Text", " takes", " it", " as", " is."})[word % 5];
    }
    bar.setMessage(note);
    driver->settle();
    QCOMPARE(label().shownLines().size(), 2);
    QCOMPARE(label().shownLines().join(' '), note);
    QCOMPARE(label().shownLines().last().count(' '), 1);
}

// The label draws words it shaped itself. Drawn, each lies where Qt's own
// layout of its line puts it, its space before it, in its line's band: a
// word drawn without its space, or on another line, leaves ink where the
// layout has none.
void ThemeTest::theWordsAreDrawnWhereTheLayoutPutsThem() {
    driver->window().findChild<StatusLine*>()->setMessage(
        "38 of 4,681 characters: Encrypt Text takes it as it is. \u2019, a tab, a no-break space "
        "and \u00C9 travel as codes. A line break counts as two characters, a code as its length.");
    driver->settle();
    const QImage drawn = label().grab().toImage();
    const QRect room = label().contentsRect();
    const QStringList lines = label().shownLines();
    QCOMPARE(lines.size(), 2);
    const int height = label().linesHeight() / StatusLabel::kLines;
    QList<QRectF> words;
    for (int index = 0; index < 2; ++index) {
        QTextLayout layout(lines[index], label().font());
        layout.beginLayout();
        const QTextLine line = layout.createLine();
        layout.endLayout();
        const int top = room.top() + (room.height() - 2 * height) / 2 + index * height;
        for (qsizetype from = 0, to = 0; from < lines[index].size(); from = to + 1) {
            to = lines[index].indexOf(' ', from);
            to = to < 0 ? lines[index].size() : to;
            const qreal left = room.left() + line.cursorToX(static_cast<int>(from));
            const qreal right = room.left() + line.cursorToX(static_cast<int>(to));
            words << QRectF(left - 1.5, top, right - left + 3, height);
        }
    }
    const QRgb background = drawn.pixel(0, 0);
    QList<int> ink(words.size());
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x) {
            const QRgb pixel = drawn.pixel(x, y);
            if (std::abs(qGray(pixel) - qGray(background)) < 40) {
                continue;
            }
            const QPointF at = QPointF(x + 0.5, y + 0.5) / drawn.devicePixelRatio();
            const auto word = std::find_if(words.begin(), words.end(),
                                           [at](const QRectF& box) { return box.contains(at); });
            QVERIFY2(word != words.end(), qPrintable(QString("ink at %1, %2 beside the words of %3")
                                                         .arg(at.x())
                                                         .arg(at.y())
                                                         .arg(lines.join(" | "))));
            ++ink[word - words.begin()];
        }
    }
    QVERIFY(!ink.contains(0));
}

// The note repaints only the words that changed or moved, over a background
// of its own: after numbers that shrink, grow and keep their width, the
// screen shows what a fresh painting of the last note shows, on the status
// bar's background.
void ThemeTest::aChangedNoteLeavesNothingOldOnScreen() {
    auto& line = *driver->window().findChild<StatusLine*>();
    const std::pair<QString, QString> counts[] = {{"1,000,000", "214"},
                                                  {"1,000,000", "215"},
                                                  {"999", "215"},
                                                  {"1,000,000,000", "215"},
                                                  {"1,000,000,000", "216"}};
    for (const auto& [characters, pieces] : counts) {
        const QString note = characters + " characters, " + pieces +
                             " pieces: Encrypt Text writes each as a cipher text of its own. A "
                             "line break counts as two characters.";
        line.setMessage(note);
        driver->settle();
        // Cut short with "…" where the font is large.
        const QString shown = label().shown();
        QVERIFY2(shown == note || note.startsWith(shown.chopped(1)), qPrintable(shown));
    }
    QCOMPARE(label().shownLines().size(), 2);
    const QPoint origin = label().mapTo(&driver->window(), QPoint(0, 0));
    const QImage shown = label()
                             .screen()
                             ->grabWindow(driver->window().winId(), origin.x(), origin.y(),
                                          label().width(), label().height())
                             .toImage()
                             .convertToFormat(QImage::Format_RGB32);
    const QImage fresh = label().grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown, fresh);
    const QPoint besideLabel = line.mapTo(&driver->window(), QPoint(2, 1));
    const QImage bar =
        label()
            .screen()
            ->grabWindow(driver->window().winId(), besideLabel.x(), besideLabel.y(), 1, 1)
            .toImage();
    QCOMPARE(QColor(shown.pixel(0, 0)), bar.pixelColor(0, 0));
}

QTEST_MAIN(ThemeTest)
#include "theme_test.moc"
