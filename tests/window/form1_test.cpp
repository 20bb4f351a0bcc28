// SPDX-License-Identifier: MIT
#include "form1.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QStatusBar>
#include <QtTest>
#include <memory>
#include <random>

#include "cipher/limits.h"
#include "cipher/text_cipher.h"
#include "note_replacement.h"
#include "note_text.h"
#include "notes/note_encryption.h"
#include "number_format.h"
#include "sample_texts.h"
#include "window_driver.h"

namespace {

const QString kParagraph(QChar::ParagraphSeparator);
using Runs = QList<std::pair<int, int>>;

// The pieces of a note of three pieces or more.
std::vector<std::u32string> piecesOfALongNote() {
    const cipher::TextCipher cipher;
    std::u32string note;
    while (note.size() < 3 * cipher::kMaxTextLength) {
        note += U"Dear Ann, thanks for the tea and the cake. ";
    }
    const std::u32string written = notes::encryptNote(cipher, note).cipherText;
    std::vector<std::u32string> pieces;
    for (std::size_t at = 0; at <= written.size();) {
        const std::size_t end = std::min(written.find(notes::kPieceSeparator, at), written.size());
        pieces.push_back(written.substr(at, end - at));
        at = end + notes::kPieceSeparator.size();
    }
    return pieces.size() >= 3 ? pieces : std::vector<std::u32string>(3);
}

}  // namespace

class Form1Test : public QObject {
    Q_OBJECT

  private slots:
    void init() { driver = std::make_unique<WindowDriver>(); }
    void cleanup() { driver.reset(); }

    void showsTheWindowAsLaidOut();
    void encryptsTheInitialText();
    void theFirstKeystrokeReplacesTheStartingText();
    void copiesExactlyWhatTheTextAreaHolds();
    void encryptingACipherTextSaysSo();
    void showsTheEndOfALongResult_data();
    void showsTheEndOfALongResult();
    void groupsDigitsInThrees_data();
    void groupsDigitsInThrees();
    void commandsGiveTheKnownTexts_data();
    void commandsGiveTheKnownTexts();
    void menuItemsRunTheSameCommandsAsTheirShortcuts();
    void typedAndPastedLineEndsReachTheCipherAsCarriageReturnLineFeed();
    void keepsNoBreakSpaceAndLineSeparatorAsTheyAre();
    void countsACharacterBeyondTheBasicPlaneOnce();
    void aReplacementLeftUnwrittenPutsTheNoteBack();
    void findsRunsOfWholeCharacters_data();
    void findsRunsOfWholeCharacters();
    void undoesAndRedoesACommandInOneStep();
    void failureLeavesTheTextAndItsHistoryAlone_data();
    void failureLeavesTheTextAndItsHistoryAlone();

  private:
    std::unique_ptr<WindowDriver> driver;
    const cipher::TextCipher cipher;
};

void Form1Test::showsTheWindowAsLaidOut() {
    Form1& window = driver->window();
    QPlainTextEdit* note = driver->note();
    QCOMPARE(window.windowTitle(), QString("Form1"));
    QVERIFY(!window.windowIcon().pixmap(QSize(48, 48)).isNull());
    // Drawn at each size a desktop asks for, so none is scaled from another.
    QCOMPARE(window.windowIcon().availableSizes(),
             QList<QSize>({{32, 32}, {48, 48}, {64, 64}, {128, 128}, {256, 256}}));
    QCOMPARE(window.centralWidget()->size(), QSize(512, 345));
    // The bars' heights follow the fonts of the platform and its Qt.
    QCOMPARE(window.size(),
             QSize(512, window.menuBar()->height() + 345 + window.statusBar()->height()));
    QCOMPARE(note->geometry(), QRect(0, 0, 513, 345));
    QCOMPARE(window.minimumSize(), window.maximumSize());
    QVERIFY(!window.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(window.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(window.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QCOMPARE(note->font().family(), QString("Times New Roman"));
    QCOMPARE(note->font().pointSizeF(), 14.25);
    QCOMPARE(note->font().weight(), QFont::Normal);
    QCOMPARE(note->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(note->wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
    QCOMPARE(note->accessibleName(), QString("Text"));
    QCOMPARE(driver->rawText(), "Text" + kParagraph);
    // The note reads as plain words from the left, centred in its fixed lines.
    auto* status = window.findChild<QLabel*>("lblStatus");
    QVERIFY(status != nullptr);
    QCOMPARE(status->alignment(), Qt::AlignLeft | Qt::AlignVCenter);
    QCOMPARE(status->textFormat(), Qt::PlainText);
    QVERIFY(status->wordWrap());

    auto* file = window.findChild<QMenu*>("mnuFile");
    QVERIFY(file != nullptr);
    QCOMPARE(file->title(), QString("&File"));
    const struct {
        const char* name;
        const char* caption;
        QKeySequence shortcut;
    } items[] = {{"mnuET", "Encrypt Text", QKeySequence("Ctrl+E")},
                 {"mnuDT", "Decrypt Text", QKeySequence("Ctrl+D")}};
    for (const auto& item : items) {
        auto* action = window.findChild<QAction*>(item.name);
        QVERIFY2(action != nullptr, item.name);
        QCOMPARE(action->text(), QString("&") + item.caption);
        QCOMPARE(action->shortcut(), item.shortcut);
        QVERIFY(file->actions().contains(action));
    }
    QCOMPARE(file->actions(), QList<QAction*>({window.findChild<QAction*>("mnuET"),
                                               window.findChild<QAction*>("mnuDT")}));
}

void Form1Test::encryptsTheInitialText() {
    driver->press(Qt::Key_E);
    QCOMPARE(driver->note()->toPlainText(), QString("Tb9vîf"));
    // The caret ends after the result, with nothing selected.
    QCOMPARE(driver->note()->textCursor().position(), 6);
    QVERIFY(!driver->note()->textCursor().hasSelection());
}

void Form1Test::theFirstKeystrokeReplacesTheStartingText() {
    QTest::keyClicks(driver->note(), "Hallo");
    QCOMPARE(driver->rawText(), QString("Hallo"));
}

// A note decrypted and copied out is the note, every character as it came
// back, and pasted again it is the same text.
void Form1Test::copiesExactlyWhatTheTextAreaHolds() {
    const std::u32string note =
        U"Rendez-vous\u00A0: 14\u202Fh, \u00AB\u00A0caf\u00E9\u00A0\u00BB\u2028"
        U"2\u2009000\u00A0\u20AC\r\n\tfin";
    driver->paste(toQString(samples::cipherTextOf(cipher, note)));
    driver->press(Qt::Key_D);
    QCOMPARE(readNote(*driver->note()), note);
    driver->press(Qt::Key_A);
    driver->press(Qt::Key_C);
    QString lineFeeds = toQString(note);
    lineFeeds.replace("\r\n", "\n");
    QCOMPARE(QApplication::clipboard()->text(), lineFeeds);
    driver->press(Qt::Key_V);
    QCOMPARE(readNote(*driver->note()), note);
}

// Encrypt Text on a cipher text encrypts it again, says so, and both ways back hold.
void Form1Test::encryptingACipherTextSaysSo() {
    const QString note = "Meet at the old mill at seven, and bring the map.";
    driver->paste(note);
    driver->press(Qt::Key_E);
    const QString once = driver->note()->toPlainText();
    QVERIFY2(!driver->status().contains("second time"), qPrintable(driver->status()));
    driver->press(Qt::Key_E);
    QVERIFY2(driver->status().startsWith("Encrypted a second time: this text looked like a "
                                         "cipher text already.") &&
                 driver->status().endsWith("Ctrl+D twice brings the note back; Ctrl+Z takes "
                                           "this back now."),
             qPrintable(driver->status()));
    driver->press(Qt::Key_Z);
    QCOMPARE(driver->note()->toPlainText(), once);
    driver->press(Qt::Key_E);
    driver->press(Qt::Key_D);
    driver->press(Qt::Key_D);
    QCOMPARE(driver->note()->toPlainText(), note);
}

void Form1Test::showsTheEndOfALongResult_data() {
    QTest::addColumn<Qt::Key>("key");
    QTest::newRow("Encrypt Text") << Qt::Key_E;
    QTest::newRow("Decrypt Text") << Qt::Key_D;
}

// A result many screens long is written whole, and the view follows the
// caret to its end, where the user is told what happened.
void Form1Test::showsTheEndOfALongResult() {
    QFETCH(Qt::Key, key);
    std::mt19937 random(11);
    const std::u32string text = samples::textThatEncrypts(cipher, 3000, random);
    driver->paste(toQString(key == Qt::Key_E ? text : samples::cipherTextOf(cipher, text)));
    QPlainTextEdit* note = driver->note();
    note->moveCursor(QTextCursor::Start);
    QScrollBar* scroll = note->verticalScrollBar();
    QCOMPARE(scroll->value(), 0);

    driver->press(key);
    driver->settle();
    QVERIFY(scroll->maximum() > 0);
    QCOMPARE(scroll->value(), scroll->maximum());
    QVERIFY(note->viewport()->rect().contains(note->cursorRect()));
    QCOMPARE(note->textCursor().position(), note->document()->characterCount() - 1);
}

void Form1Test::groupsDigitsInThrees_data() {
    QTest::addColumn<qulonglong>("value");
    QTest::addColumn<QString>("shown");
    QTest::newRow("0") << 0ull << "0";
    QTest::newRow("999") << 999ull << "999";
    QTest::newRow("1000") << 1000ull << "1,000";
    QTest::newRow("4681") << 4681ull << "4,681";
    QTest::newRow("100000") << 100000ull << "100,000";
    QTest::newRow("999999") << 999999ull << "999,999";
    QTest::newRow("1000000") << 1000000ull << "1,000,000";
    QTest::newRow("10191754") << 10191754ull << "10,191,754";
}

void Form1Test::groupsDigitsInThrees() {
    QFETCH(qulonglong, value);
    QFETCH(QString, shown);
    QCOMPARE(groupedNumber(value), shown);
}

void Form1Test::commandsGiveTheKnownTexts_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::newRow("encrypt Hello") << int(Qt::Key_E) << "Hello"
                                   << "ZST=q";
    QTest::newRow("decrypt ZST=q") << int(Qt::Key_D) << "ZST=q"
                                   << "Hello";
    QTest::newRow("encrypt abc") << int(Qt::Key_E) << "abc"
                                 << ":J¿";
    QTest::newRow("decrypt :J¿") << int(Qt::Key_D) << ":J¿"
                                 << "abc";
    QTest::newRow("encrypt nothing") << int(Qt::Key_E) << ""
                                     << "";
    QTest::newRow("decrypt nothing") << int(Qt::Key_D) << ""
                                     << "";
}

void Form1Test::commandsGiveTheKnownTexts() {
    QFETCH(int, key);
    QFETCH(QString, before);
    QFETCH(QString, after);
    driver->note()->setPlainText(before);
    driver->answerNextMessage(Qt::Key_Escape);
    driver->press(static_cast<Qt::Key>(key));
    QCOMPARE(driver->note()->toPlainText(), after);
    QVERIFY(!driver->lastMessage().shown);
}

void Form1Test::menuItemsRunTheSameCommandsAsTheirShortcuts() {
    driver->note()->setPlainText("Hello");
    driver->window().findChild<QAction*>("mnuET")->trigger();
    QCOMPARE(driver->note()->toPlainText(), QString("ZST=q"));

    // Through the menu as a keyboard user opens it: Alt+F, then D.
    QTest::keyClick(&driver->window(), Qt::Key_F, Qt::AltModifier);
    auto* file = driver->window().findChild<QMenu*>("mnuFile");
    // QTest::qWaitFor, not QTRY_VERIFY or QTRY_COMPARE: from Qt 6.8 on, those
    // macros narrow a std::chrono count to int, and GCC reports that here.
    QVERIFY(QTest::qWaitFor([file] { return file->isVisible(); }));
    QTest::keyClick(file, Qt::Key_D);
    // Waits without failing, so that QCOMPARE shows the text a fault leaves.
    static_cast<void>(
        QTest::qWaitFor([this] { return driver->note()->toPlainText() == QString("Hello"); }));
    QCOMPARE(driver->note()->toPlainText(), QString("Hello"));
}

void Form1Test::typedAndPastedLineEndsReachTheCipherAsCarriageReturnLineFeed() {
    const QString expected = toQString(cipher.encryptText(U"Dear Ann,\r\nsee you"));

    driver->note()->clear();
    QTest::keyClicks(driver->note(), "Dear Ann,");
    driver->press(Qt::Key_Return, Qt::NoModifier);
    QTest::keyClicks(driver->note(), "see you");
    driver->press(Qt::Key_E);
    QCOMPARE(driver->note()->toPlainText(), expected);

    for (const char* lineEnd : {"\n", "\r\n"}) {
        driver->paste(QString("Dear Ann,%1see you").arg(lineEnd));
        driver->press(Qt::Key_E);
        QCOMPARE(driver->note()->toPlainText(), expected);
    }
}

void Form1Test::keepsNoBreakSpaceAndLineSeparatorAsTheyAre() {
    const std::u32string plain = U"a\u00A0b\u2028cdefghijk";
    const QString expected = toQString(samples::cipherTextOf(cipher, plain));
    QVERIFY(expected != toQString(samples::cipherTextOf(cipher, U"a b\ncdefghijk")));

    driver->note()->setPlainText(toQString(plain));
    driver->answerNextMessage(Qt::Key_A, Qt::AltModifier);
    driver->press(Qt::Key_E);
    QCOMPARE(driver->note()->toPlainText(), expected);
    driver->press(Qt::Key_D);
    QCOMPARE(readNote(*driver->note()), plain);
}

// What a command does when working out its result fails after the text
// area let go of the note.
void Form1Test::aReplacementLeftUnwrittenPutsTheNoteBack() {
    const std::u32string note = U"PIN 4711\r\n\r\n\U0001F600 a\u00A0b\u2028c";
    driver->paste(toQString(note));
    {
        NoteReplacement replacement(*driver->note());
        replacement.letGo(rawText(*driver->note()));
        QCOMPARE(driver->note()->toPlainText(), QString());
    }
    QCOMPARE(readNote(*driver->note()), note);
}

void Form1Test::countsACharacterBeyondTheBasicPlaneOnce() {
    // 4,673 characters, 4,674 UTF-16 units; the emoji travels as "&#128512;",
    // which brings the text to the limit.
    const QString emoji = toQString(U"\U0001F600");
    driver->note()->setPlainText(QString(4672, QChar(0x00FC)) + emoji);
    driver->answerNextMessage(Qt::Key_Escape);
    driver->press(Qt::Key_E);
    QVERIFY2(!driver->lastMessage().shown, qPrintable(driver->lastMessage().text));
    QCOMPARE(driver->note()->toPlainText().toUcs4().size(), 4681);
    driver->press(Qt::Key_D);
    QCOMPARE(driver->note()->toPlainText(), QString(4672, QChar(0x00FC)) + emoji);

    // One more character, and the note goes in pieces.
    driver->note()->setPlainText(QString(4673, QChar(0x00FC)) + emoji);
    driver->answerNextMessage(Qt::Key_Escape);
    driver->press(Qt::Key_E);
    QVERIFY2(!driver->lastMessage().shown, qPrintable(driver->lastMessage().text));
    QVERIFY2(driver->status().startsWith("Encrypted in 2 pieces"), qPrintable(driver->status()));
    driver->press(Qt::Key_D);
    QCOMPARE(driver->note()->toPlainText(), QString(4673, QChar(0x00FC)) + emoji);
}

void Form1Test::findsRunsOfWholeCharacters_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<Runs>("runs");
    // A character beyond the basic plane takes two places in the document.
    QTest::newRow("inside a line") << toQString(U"a\U0001F600b") << Runs({{1, 3}});
    QTest::newRow("two at the start") << toQString(U"\U0001F600\U0001F600x") << Runs({{0, 4}});
    QTest::newRow("two at the end") << toQString(U"ab\U0001F600\U0001F600") << Runs({{2, 6}});
    QTest::newRow("its halves alone") << toQString(U"\U0001F601\U0001F600") << Runs({{2, 4}});
    QTest::newRow("on each side of a line end")
        << toQString(U"\U0001F600\n\U0001F600x") << Runs({{0, 2}, {3, 5}});
}

void Form1Test::findsRunsOfWholeCharacters() {
    QFETCH(QString, text);
    QFETCH(Runs, runs);
    QTextDocument document(text);
    QCOMPARE(runsOf(document, [](char32_t character) { return character == U'\U0001F600'; }), runs);
}

void Form1Test::undoesAndRedoesACommandInOneStep() {
    driver->press(Qt::Key_E);
    QCOMPARE(driver->note()->toPlainText(), QString("Tb9vîf"));
    driver->press(Qt::Key_Z);
    QCOMPARE(driver->rawText(), "Text" + kParagraph);
    driver->press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(driver->note()->toPlainText(), QString("Tb9vîf"));
}

void Form1Test::failureLeavesTheTextAndItsHistoryAlone_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("closeKey");
    QTest::addColumn<QString>("mentioned");
    const std::vector<std::u32string> pieces = piecesOfALongNote();
    for (const Qt::Key close : {Qt::Key_Return, Qt::Key_Escape}) {
        const char* key = close == Qt::Key_Return ? "Return" : "Escape";
        QTest::addRow("decrypt a piece without the others, %s", key)
            << int(Qt::Key_D) << toQString(pieces[1]) << int(close)
            << "This cipher text is piece 2 of a note in pieces";
        QTest::addRow("decrypt with a piece missing, %s", key)
            << int(Qt::Key_D) << toQString(pieces[0] + U"\r\n\r\n" + pieces[2]) << int(close)
            << "Piece 3 of a note stands where piece 2 should be";
        QTest::addRow("decrypt too long, line breaks count twice, %s", key)
            << int(Qt::Key_D) << QString(4680, 'a') + "\n"
            << int(close) << "counts 4,682 in this text, 1 too many. You see 4,681 characters";
    }
    QTest::newRow("decrypt meets a tab an earlier version lost")
        << int(Qt::Key_D) << toQString(samples::earlierCipherTextOf(cipher, U"line\r\n\tindented"))
        << int(Qt::Key_Return) << "1 character of its note cannot come back";
}

void Form1Test::failureLeavesTheTextAndItsHistoryAlone() {
    QFETCH(int, key);
    QFETCH(QString, text);
    QFETCH(int, closeKey);
    QFETCH(QString, mentioned);

    // One earlier edit, so that an undo after the failure shows what the history held.
    driver->note()->clear();
    driver->paste(text);
    const QString before = driver->rawText();
    const int undoSteps = driver->note()->document()->availableUndoSteps();

    driver->answerNextMessage(static_cast<Qt::Key>(closeKey));
    driver->press(static_cast<Qt::Key>(key));

    QVERIFY(driver->lastMessage().shown);
    QVERIFY2(driver->lastMessage().text.contains(mentioned),
             qPrintable(driver->lastMessage().text));
    QVERIFY(QStringList({"&OK", "&Keep the Text"}).contains(driver->lastMessage().defaultButton));
    QCOMPARE(driver->lastMessage().escapeButton, driver->lastMessage().defaultButton);
    QCOMPARE(driver->rawText(), before);
    QCOMPARE(driver->note()->document()->availableUndoSteps(), undoSteps);
    // Without a window manager the window is not reactivated, but it is the
    // text area that takes the keyboard when it is.
    QCOMPARE(driver->window().focusWidget(), driver->note());
    driver->press(Qt::Key_Z);
    QCOMPARE(driver->note()->toPlainText(), QString());
}

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
