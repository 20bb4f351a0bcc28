// SPDX-License-Identifier: MIT
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QGlyphRun>
#include <QLabel>
#include <QScreen>
#include <QTextLayout>
#include <QtTest>
#include <algorithm>
#include <memory>
#include <random>

#include "cipher/text_cipher.h"
#include "long_notes.h"
#include "messages.h"
#include "note_edit.h"
#include "note_text.h"
#include "notes/character_codes.h"
#include "notes/encryption_plan.h"
#include "notes/note_encryption.h"
#include "notes/outlook.h"
#include "notes/text_length.h"
#include "status_label.h"
#include "window_driver.h"

namespace {

using Run = std::pair<int, int>;

// Types text key by key, letters beyond ASCII as a keyboard layout sends them.
void type(QPlainTextEdit& note, const QString& text) {
    for (char32_t character : text.toStdU32String()) {
        const QString key = QString::fromUcs4(&character, 1);
        if (character == U'\n') {
            QTest::keyClick(&note, Qt::Key_Return);
        } else if (character < 0x80) {
            QTest::keyClicks(&note, key);
        } else {
            QTest::sendKeyEvent(QTest::Click, &note, Qt::Key_unknown, key, Qt::NoModifier);
        }
    }
}

QList<Run> markedRuns(const QPlainTextEdit& note) {
    return qobject_cast<const NoteEdit*>(&note)->markedRuns();
}

// Where the glyphs of each marked run lie in the text area's viewport,
// with the room below them where their dots belong.
QList<QRectF> glyphsOfMarks(const NoteEdit& note) {
    const qreal ascent = QFontMetricsF(note.font()).ascent();
    QList<QRectF> below;
    for (const auto& [from, to] : note.markedRuns()) {
        const QTextBlock block = note.document()->findBlock(from);
        for (const QGlyphRun& run : block.layout()->glyphRuns(from - block.position(), to - from)) {
            const QRectF glyphs = run.boundingRect().translated(note.blockPlace(block));
            below << glyphs.adjusted(-3, ascent - 1, 3, 3);
        }
    }
    return below;
}

// Reads the viewport as it was last painted on the screen, not painted
// afresh: a mark that was never repainted shows as missing.
void expectDotsUnderMarksOnly(const NoteEdit& note) {
    const QWidget& viewport = *note.viewport();
    const QPoint origin = viewport.mapTo(viewport.window(), QPoint(0, 0));
    const QImage drawn = viewport.screen()
                             ->grabWindow(viewport.window()->winId(), origin.x(), origin.y(),
                                          viewport.width(), viewport.height())
                             .toImage();
    const QList<QRectF> below = glyphsOfMarks(note);
    QList<int> dots(below.size());
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x) {
            if (drawn.pixelColor(x, y) == note.palette().color(QPalette::Link)) {
                const QPointF at = QPointF(x, y) / drawn.devicePixelRatio();
                const auto run = std::find_if(below.begin(), below.end(), [at](const QRectF& room) {
                    return room.contains(at);
                });
                QVERIFY2(run != below.end(), qPrintable(QString("a dot at %1, %2").arg(x).arg(y)));
                ++dots[run - below.begin()];
            }
        }
    }
    for (qsizetype run = 0; run < below.size(); ++run) {
        // A dotted line sets every other pixel.
        QVERIFY(dots[run] * 4 >= (below[run].width() - 6) * drawn.devicePixelRatio());
    }
}

}  // namespace

// The line below the text says what Encrypt Text will do before it runs.
class LiveLineTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        driver = std::make_unique<WindowDriver>();
        driver->settle();
        windowSize = driver->window().size();
    }
    void cleanup() { driver.reset(); }

    void saysWhatEncryptTextWillDo_data();
    void saysWhatEncryptTextWillDo();
    void pointsLongCipherTextsToDecryptText_data();
    void pointsLongCipherTextsToDecryptText();
    void marksExactlyTheCharactersThatTravelAsCodes();
    void marksAreDrawnUnderTheirCharactersOnly();
    void marksOfLinesNotEditedArePaintedWhenCodesComeAndGo();
    void marksFollowEditsWithinARun_data();
    void marksFollowEditsWithinARun();
    void marksSplitAndJoinWithTheirRuns_data();
    void marksSplitAndJoinWithTheirRuns();
    void lineAndMarksFollowEveryKindOfEdit();
    void lineAndMarksFollowACommandsResult();
    void plainFormsAreOneUndoableEdit();
    void commandNoteShowsUntilTheNextEdit();
    void aNoteTooLongForTheLineCanBeReadWhole();

  private:
    void expectWindowSizeKept() {
        driver->settle();
        QCOMPARE(driver->window().size(), windowSize);
        QCOMPARE(driver->note()->geometry(), QRect(0, 0, 513, 345));
    }

    std::unique_ptr<WindowDriver> driver;
    QSize windowSize;
};

void LiveLineTest::saysWhatEncryptTextWillDo_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("plainForms");
    const QString twice = " A line break counts as two characters.";
    const QString codes =
        " A line break counts as two characters, a code as its length. The cipher's alphabet has "
        "letters such as \u00E4 and \u00E9, but not these: each travels as a code of alphabet "
        "characters, written as HTML writes it. ";
    QTest::newRow("encrypts") << "Hello"
                              << "5 of 4,681 characters: Encrypt Text takes it as it is." + twice
                              << false;
    QTest::newRow("needs an ending") << "AB"
                                     << "2 of 4,681 characters: Encrypt Text adds 2 characters at "
                                        "the end so that it encrypts." +
                                            twice
                                     << false;
    QTest::newRow("line breaks count twice")
        << "Hello\nyou"
        << "10 of 4,681 characters: Encrypt Text takes it as it is." + twice << false;
    QTest::newRow("past the cipher's limit")
        << QString(4690, 'a')
        << "4,690 characters: Encrypt Text writes it in pieces of at most 4,681." + twice << false;
    // Two capitals over and over leave most digits 0: many short pieces.
    const QString pairs = QString("AB").repeated(2300);
    const std::size_t pieces =
        notes::planEncryption(cipher::TextCipher(), pairs.toStdU32String()).pieces.size();
    QTest::newRow("pieces within the limit")
        << pairs
        << QString(
               "4,600 characters, %1 pieces: Encrypt Text writes each as a cipher text of its "
               "own.")
                   .arg(pieces) +
               twice
        << false;
    QTest::newRow("past the limit with codes")
        << QString(4675, '\t')
        << "18,700 characters: Encrypt Text writes it in pieces of at most 4,681. Tabs travel as "
           "codes." +
               codes +
               "4,675 characters travel as codes, 14,025 characters longer: tab as &#9; "
               "(4,675)."
        << false;
    QTest::newRow("codes") << QString::fromUtf8("It\u2019s\tok\u00A0\u00C9\u00C9")
                           << QString::fromUtf8(
                                  "38 of 4,681 characters: Encrypt Text takes it as it is. \u2019, "
                                  "a tab, a no-break space and \u00C9 travel as codes.") +
                                  codes +
                                  QString::fromUtf8(
                                      "5 characters travel as codes, 28 characters longer: right "
                                      "single quote \u2019 as &rsquo;, tab as &#9;, no-break space "
                                      "as &nbsp;, \u00C9 as &Eacute; (2).")
                           << true;
    QTest::newRow("an ampersand travels as a code only beside others")
        << QString::fromUtf8("Tom & Jerry \u00C9")
        << QString::fromUtf8(
               "24 of 4,681 characters: Encrypt Text takes it as it is. \u00C9 "
               "travels as a code.") +
               codes +
               "Beside them, & travels as &amp;, so that it is not read as the start of a code. 2 "
               "characters travel as codes, 11 characters longer: & as &amp;, \u00C9 as &Eacute;."
        << false;
}

void LiveLineTest::saysWhatEncryptTextWillDo() {
    QFETCH(QString, text);
    QFETCH(QString, line);
    QFETCH(bool, plainForms);
    driver->paste(text);
    QCOMPARE(driver->status(), line);
    QCOMPARE(driver->offer() != nullptr, plainForms);
    if (plainForms) {
        QCOMPARE(driver->offer()->text(), QString("Use &Plain Forms"));
    }
    expectWindowSizeKept();
}

void LiveLineTest::pointsLongCipherTextsToDecryptText_data() {
    QTest::addColumn<QStringList>("notes");
    QTest::addColumn<QString>("bringsBack");
    const QString letter = toQString(samples::longLetter(12'000, U"\r\n"));
    QTest::newRow("one note") << QStringList{letter} << "the note they hold.";
    QTest::newRow("two notes") << QStringList{letter, letter.left(6'000)}
                               << "the 2 notes they hold.";
}

// Once the work done ahead has read them: a long text that is cipher texts
// is one to decrypt, and a long note, its pieces counted, is not.
void LiveLineTest::pointsLongCipherTextsToDecryptText() {
    QFETCH(QStringList, notes);
    QFETCH(QString, bringsBack);
    const cipher::TextCipher cipher;
    std::vector<std::u32string> cipherTexts;
    std::size_t pieces = 0;
    for (const QString& note : notes) {
        const notes::NoteEncryption encryption = notes::encryptNote(cipher, note.toStdU32String());
        cipherTexts.push_back(encryption.cipherText);
        pieces += encryption.plan.pieces.size();
    }
    const std::u32string text = samples::joined(cipherTexts, U"\r\n\r\n");
    driver->paste(toQString(text));
    const QString line =
        QString("%1 characters, %2 cipher texts: Decrypt Text brings back %3")
            .arg(
                QLocale(QLocale::English).toString(qulonglong{notes::measureText(text).characters}))
            .arg(pieces)
            .arg(bringsBack);
    QVERIFY2(QTest::qWaitFor([&] { return driver->status() == line; }),
             qPrintable(driver->status() + " instead of " + line));
    // The command's own note stays once its result is worked on in turn.
    constexpr int kAfterWorkAhead = 600;
    driver->press(Qt::Key_D);
    QTest::qWait(kAfterWorkAhead);
    QVERIFY2(driver->status().startsWith("Decrypted "), qPrintable(driver->status()));
    driver->press(Qt::Key_E);
    QTest::qWait(kAfterWorkAhead);
    QVERIFY2(driver->status().startsWith("Encrypted "), qPrintable(driver->status()));

    driver->paste(notes.front());
    QVERIFY2(QTest::qWaitFor([&] { return driver->status().contains(" pieces: "); }),
             qPrintable(driver->status()));
    QVERIFY2(!driver->status().contains("Decrypt Text"), qPrintable(driver->status()));
}

void LiveLineTest::marksExactlyTheCharactersThatTravelAsCodes() {
    driver->paste(QString::fromUtf8("a\u2019b\t\tc\u00C9\nd\U0001F600e&"));
    const QString before = driver->note()->toPlainText();
    const int undoSteps = driver->note()->document()->availableUndoSteps();
    const int caret = driver->note()->textCursor().position();
    // The emoji takes two places in the document; the line end is no mark.
    QCOMPARE(markedRuns(*driver->note()), QList<Run>({{1, 2}, {3, 5}, {6, 7}, {9, 11}, {12, 13}}));
    QCOMPARE(driver->note()->toPlainText(), before);
    QCOMPARE(driver->note()->document()->availableUndoSteps(), undoSteps);
    QCOMPARE(driver->note()->textCursor().position(), caret);

    // An ampersand travels as a code only when the note needs codes.
    driver->paste("Tom & Jerry\nworld");
    QCOMPARE(markedRuns(*driver->note()), QList<Run>());
}

// Every dotted pixel in the mark's colour lies below the glyphs of a coded
// character, as Qt's layout places them, on their line of a paragraph that
// wraps; below the glyphs of each lie dots across them.
void LiveLineTest::marksAreDrawnUnderTheirCharactersOnly() {
    const QString words = QString("plain words that wrap in the text area ").repeated(3);
    driver->paste("Plain words first\n" + words + QString::fromUtf8("Stra\u00DFe ") + words +
                  QString::fromUtf8("\u0152uvre \u201Cquoted\u201D ") + words);
    driver->settle();
    const auto& note = static_cast<const NoteEdit&>(*driver->note());
    QCOMPARE(glyphsOfMarks(note).size(), 4);
    QVERIFY(glyphsOfMarks(note).first().top() > 2 * note.fontMetrics().lineSpacing());
    expectDotsUnderMarksOnly(note);
}

// An ß on the second line makes the ampersand of the first travel as a
// code: its mark is painted, though Qt repaints only the line typed in.
void LiveLineTest::marksOfLinesNotEditedArePaintedWhenCodesComeAndGo() {
    driver->paste("Tom & Jerry\nworld");
    driver->settle();
    const auto& note = static_cast<const NoteEdit&>(*driver->note());
    QVERIFY(glyphsOfMarks(note).isEmpty());
    type(*driver->note(), QString::fromUtf8("\u00DF"));
    driver->settle();
    QCOMPARE(glyphsOfMarks(note).size(), 2);
    expectDotsUnderMarksOnly(note);
    driver->press(Qt::Key_Backspace, Qt::NoModifier);
    driver->settle();
    QVERIFY(glyphsOfMarks(note).isEmpty());
    expectDotsUnderMarksOnly(note);
}

void LiveLineTest::marksFollowEditsWithinARun_data() {
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QList<Run>>("marked");
    // "ab\t\tcd": one run of two tabs, from 2 to 4.
    QTest::newRow("first tab typed over") << 2 << 3 << "x" << QList<Run>({{3, 4}});
    QTest::newRow("last tab typed over") << 3 << 4 << "x" << QList<Run>({{2, 3}});
    QTest::newRow("letter before typed over") << 1 << 2 << "\t" << QList<Run>({{1, 4}});
    QTest::newRow("tab added after") << 4 << 4 << "\t" << QList<Run>({{2, 5}});
}

// Each edit keeps one run, so the marks must follow its ends, not its count.
void LiveLineTest::marksFollowEditsWithinARun() {
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QString, typed);
    QFETCH(QList<Run>, marked);
    driver->paste("ab\t\tcd");
    QCOMPARE(markedRuns(*driver->note()), QList<Run>({{2, 4}}));
    QTextCursor cursor = driver->note()->textCursor();
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    driver->note()->setTextCursor(cursor);
    QTest::keyClicks(driver->note(), typed);
    QCOMPARE(markedRuns(*driver->note()), marked);
}

void LiveLineTest::marksSplitAndJoinWithTheirRuns_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QList<Run>>("before");
    QTest::addColumn<QList<Run>>("after");
    QTest::newRow("a letter splits a run")
        << "ab\t\tcd" << 3 << 3 << "x" << QList<Run>({{2, 4}}) << QList<Run>({{2, 3}, {4, 5}});
    QTest::newRow("a tab joins two runs")
        << "a\tx\tb" << 2 << 3 << "\t" << QList<Run>({{1, 2}, {3, 4}}) << QList<Run>({{1, 4}});
    QTest::newRow("a line break splits a run")
        << "ab\t\tcd" << 3 << 3 << "\n"
        << QList<Run>({{2, 4}}) << QList<Run>({{2, 3}, {4, 5}});
    QTest::newRow("joining two lines joins their runs")
        << "ab\t\ncd\tef" << 3 << 4 << "" << QList<Run>({{2, 3}, {6, 7}})
        << QList<Run>({{2, 3}, {5, 6}});
    QTest::newRow("an ampersand is marked once the note needs codes")
        << "Tom & Jerry" << 0 << 0 << "\t" << QList<Run>() << QList<Run>({{0, 1}, {5, 6}});
}

// An edit inside or between runs sets the marks anew, and Ctrl+Z and
// Ctrl+Shift+Z bring back the marks with the text.
void LiveLineTest::marksSplitAndJoinWithTheirRuns() {
    QFETCH(QString, text);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QString, typed);
    QFETCH(QList<Run>, before);
    QFETCH(QList<Run>, after);
    driver->paste(text);
    QCOMPARE(markedRuns(*driver->note()), before);
    const QString line = driver->status();
    QTextCursor cursor = driver->note()->textCursor();
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    driver->note()->setTextCursor(cursor);
    if (typed.isEmpty()) {
        driver->press(Qt::Key_Delete, Qt::NoModifier);
    } else if (typed == "\n") {
        driver->press(Qt::Key_Return, Qt::NoModifier);
    } else {
        QTest::keyClicks(driver->note(), typed);
    }
    QCOMPARE(markedRuns(*driver->note()), after);
    const QString edited = driver->status();
    driver->press(Qt::Key_Z);
    QCOMPARE(driver->note()->toPlainText(), text);
    QCOMPARE(markedRuns(*driver->note()), before);
    QCOMPARE(driver->status(), line);
    driver->press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(markedRuns(*driver->note()), after);
    QCOMPARE(driver->status(), edited);
}

// Whatever the edit (typing, deleting, pasting over a selection, undoing,
// redoing), the line and the marks are those of the whole text counted
// afresh.
void LiveLineTest::lineAndMarksFollowEveryKindOfEdit() {
    const cipher::TextCipher cipher;
    std::mt19937 random(107);
    const QStringList pieces = {"a", "\t", QString::fromUtf8("\u00DF"), "&", "&amp;", "\n",
                                QString::fromUtf8("\u2019"), "Text ", "&Eacute;", "\n\tx\n",
                                QString::fromUtf8("\U0001F600"),
                                // Enough lines to be read out of the text area at once.
                                QString("A line\n").repeated(70)};
    std::uniform_int_distribution<qsizetype> piece(0, pieces.size() - 1);
    std::uniform_int_distribution<int> action(0, 5);
    driver->paste("Start of a note.\nSecond line.");
    for (int edit = 0; edit < 150; ++edit) {
        QPlainTextEdit& note = *driver->note();
        const int length = note.document()->characterCount() - 1;
        std::uniform_int_distribution<int> place(0, length);
        QTextCursor cursor = note.textCursor();
        int from = place(random);
        int to = std::min(length, from + static_cast<int>(random() % 6));
        // Never between the halves of a character beyond the basic plane.
        for (int* at : {&from, &to}) {
            if (*at > 0 && *at < length && note.document()->characterAt(*at).isLowSurrogate()) {
                --*at;
            }
        }
        cursor.setPosition(from);
        cursor.setPosition(to, QTextCursor::KeepAnchor);
        note.setTextCursor(cursor);
        switch (action(random)) {
            case 0:
                type(note, pieces[piece(random)]);
                break;
            case 1:
                driver->press(Qt::Key_Backspace, Qt::NoModifier);
                break;
            case 2:
                QApplication::clipboard()->setText(pieces[piece(random)] + pieces[piece(random)]);
                driver->press(Qt::Key_V);
                break;
            case 3:
                driver->press(Qt::Key_Z);
                break;
            case 4:
                driver->press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
                break;
            default:
                driver->press(Qt::Key_Return, Qt::NoModifier);
                break;
        }
        const std::u32string text = readNote(note);
        const bool coded = notes::needsCodes(cipher, text);
        const QList<Run> wanted = runsOf(*note.document(), [&cipher, coded](char32_t character) {
            return notes::travelsAsCode(cipher, character, coded);
        });
        QCOMPARE(markedRuns(note), wanted);
        QCOMPARE(driver->status(), Messages::outlook(notes::outlookOf(cipher, text)));
    }
}

// A command's result is counted from the text it writes, unless the text
// area breaks its lines elsewhere: at a carriage return of its own.
void LiveLineTest::lineAndMarksFollowACommandsResult() {
    const cipher::TextCipher cipher;
    for (const std::u32string note : {U"ab\u00DF\r\ncd\tef", U"ab\rcd\u00DF\r\nef"}) {
        driver->paste(toQString(notes::encryptNote(cipher, note).cipherText));
        driver->press(Qt::Key_D);
        driver->press(Qt::Key_End, Qt::ControlModifier);
        type(*driver->note(), "x");
        const std::u32string text = readNote(*driver->note());
        QCOMPARE(driver->status(), Messages::outlook(notes::outlookOf(cipher, text)));
        const QList<Run> wanted = runsOf(*driver->note()->document(), [&cipher](char32_t c) {
            return notes::travelsAsCode(cipher, c, true);
        });
        QCOMPARE(markedRuns(*driver->note()), wanted);
    }
}

void LiveLineTest::plainFormsAreOneUndoableEdit() {
    const QString typographic = QString::fromUtf8("\u201CIt\u2019s\u2026\u201D \u2013 \u00C9");
    driver->paste(typographic);
    QVERIFY(driver->offer() != nullptr);
    // What it will change, as the text holds it.
    const QString changes = QString::fromUtf8(
        "\u201C \u201D \u2192 \", \u2019 \u2192 ', \u2026 \u2192 ..., "
        "\u2013 \u2192 -");
    QCOMPARE(driver->offer()->toolTip(), changes);
    QCOMPARE(driver->offer()->accessibleDescription(), changes);
    driver->takeOffer(Qt::Key_P);
    QCOMPARE(QApplication::focusWidget(), driver->note());

    QCOMPARE(driver->note()->toPlainText(), QString::fromUtf8("\"It's...\" - \u00C9"));
    QCOMPARE(markedRuns(*driver->note()), QList<Run>({{12, 13}}));
    QVERIFY(driver->offer() == nullptr);
    QVERIFY2(driver->status().endsWith("1 character travels as a code, 7 characters longer: "
                                       "\u00C9 as &Eacute;."),
             qPrintable(driver->status()));
    expectWindowSizeKept();

    driver->press(Qt::Key_Z);
    QCOMPARE(driver->note()->toPlainText(), typographic);
    QVERIFY(driver->offer() != nullptr);
}

void LiveLineTest::commandNoteShowsUntilTheNextEdit() {
    driver->paste("Hello");
    driver->press(Qt::Key_E);
    QVERIFY2(driver->status().startsWith("Encrypted."), qPrintable(driver->status()));
    expectWindowSizeKept();

    driver->press(Qt::Key_X, Qt::NoModifier);
    QCOMPARE(driver->status(), QString("6 of 4,681 characters: Encrypt Text takes it as it is. A "
                                       "line break counts as two characters."));
    driver->press(Qt::Key_D);
    QVERIFY2(driver->status().startsWith("Decrypted"), qPrintable(driver->status()));
    driver->press(Qt::Key_Z);
    QVERIFY2(driver->status().startsWith("6 of 4,681"), qPrintable(driver->status()));
    expectWindowSizeKept();
}

void LiveLineTest::aNoteTooLongForTheLineCanBeReadWhole() {
    QString many;
    for (char32_t character = 0xC0; character < 0x100; ++character) {
        many += QString::fromUcs4(&character, 1);
    }
    driver->paste(many);
    driver->settle();
    auto* label = driver->window().findChild<StatusLabel*>("lblStatus");
    // The line spans the window, less its margins, and shows the longest
    // start of the note that fits in two lines, cut after a word.
    QCOMPARE(label->geometry(), label->parentWidget()->rect().adjusted(4, 2, -4, -2));
    const QString shown = label->shown();
    QVERIFY(shown.endsWith(QChar(0x2026)));
    const QString start = shown.chopped(1);
    QVERIFY2(start.size() > 80 && driver->status().startsWith(start + ' '), qPrintable(shown));
    const qsizetype nextWord = driver->status().indexOf(' ', start.size() + 1);
    const QString longer = driver->status().left(nextWord) + QChar(0x2026);
    const QRect room(0, 0, label->contentsRect().width(), 1000);
    QVERIFY(label->fontMetrics().boundingRect(room, Qt::TextWordWrap, longer).height() >
            2 * label->fontMetrics().lineSpacing());
    QCOMPARE(label->toolTip(), driver->status());
    // A screen reader reads the whole note as the name of a notification, once.
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(label);
    QVERIFY(accessible != nullptr);
    QCOMPARE(accessible->role(), QAccessible::Notification);
    QCOMPARE(accessible->text(QAccessible::Name), driver->status());
    QCOMPARE(accessible->text(QAccessible::Description), QString());
    QVERIFY(label->height() * 2 > 3 * label->fontMetrics().lineSpacing());
    expectWindowSizeKept();
}

QTEST_MAIN(LiveLineTest)
#include "live_line_test.moc"
