#include "form1.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "cipher/text_cipher.h"

namespace {

QString fromU32(const std::u32string& text) {
    return QString::fromUcs4(text.data(), static_cast<qsizetype>(text.size()));
}

// The text area's raw content: a line end shows as a paragraph separator.
QString rawText(QPlainTextEdit* note) {
    return note->document()->toRawText();
}

const QString kParagraph(QChar::ParagraphSeparator);

}  // namespace

class Form1Test : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();

    void showsTheWindowAsLaidOut();
    void encryptsTheInitialText();
    void commandsGiveTheKnownTexts_data();
    void commandsGiveTheKnownTexts();
    void menuItemsRunTheSameCommandsAsTheirShortcuts();
    void typedAndPastedLineEndsReachTheCipherAsCarriageReturnLineFeed();
    void keepsNoBreakSpaceAndLineSeparatorAsTheyAre();
    void countsACharacterBeyondTheBasicPlaneOnce();
    void undoesAndRedoesACommandInOneStep();
    void failureLeavesTheTextAndItsHistoryAlone_data();
    void failureLeavesTheTextAndItsHistoryAlone();

  private:
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier);
    // Arranges for the next modal message to be read and closed with closeKey.
    void answerNextMessage(Qt::Key closeKey);

    std::unique_ptr<Form1> window;
    QPlainTextEdit* note = nullptr;
    QString messageText;
    bool messageSeen = false;
    const cipher::TextCipher cipher;
};

void Form1Test::init() {
    window = std::make_unique<Form1>();
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    note = window->findChild<QPlainTextEdit*>("txtnote");
    QVERIFY(note != nullptr);
    note->setFocus();
    messageText.clear();
    messageSeen = false;
}

void Form1Test::cleanup() {
    window.reset();
}

void Form1Test::press(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(note, key, modifiers);
}

void Form1Test::answerNextMessage(Qt::Key closeKey) {
    QTimer::singleShot(0, this, [this, closeKey] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            return;
        }
        messageSeen = true;
        messageText = box->text();
        QTest::keyClick(box, closeKey);
    });
}

void Form1Test::showsTheWindowAsLaidOut() {
    QCOMPARE(window->windowTitle(), QString("Form1"));
    QCOMPARE(window->centralWidget()->size(), QSize(512, 345));
    QCOMPARE(note->geometry(), QRect(0, 0, 513, 345));
    QCOMPARE(window->minimumSize(), window->maximumSize());
    QCOMPARE(note->font().family(), QString("Times New Roman"));
    QCOMPARE(note->font().pointSizeF(), 14.25);
    QCOMPARE(note->font().weight(), QFont::Normal);
    QCOMPARE(note->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(rawText(note), "Text" + kParagraph);

    auto* file = window->findChild<QMenu*>("mnuFile");
    QVERIFY(file != nullptr);
    QCOMPARE(file->title().remove('&'), QString("File"));
    const struct {
        const char* name;
        const char* caption;
        QKeySequence shortcut;
    } items[] = {{"mnuET", "Encrypt Text", QKeySequence("Ctrl+E")},
                 {"mnuDT", "Decrypt Text", QKeySequence("Ctrl+D")}};
    for (const auto& item : items) {
        auto* action = window->findChild<QAction*>(item.name);
        QVERIFY2(action != nullptr, item.name);
        QCOMPARE(action->text().remove('&'), QString(item.caption));
        QCOMPARE(action->shortcut(), item.shortcut);
        QVERIFY(file->actions().contains(action));
    }
}

void Form1Test::encryptsTheInitialText() {
    press(Qt::Key_E);
    QCOMPARE(note->toPlainText(), QString("Tb9vîf"));
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
    note->setPlainText(before);
    press(static_cast<Qt::Key>(key));
    QCOMPARE(note->toPlainText(), after);
    QVERIFY(!messageSeen);
}

void Form1Test::menuItemsRunTheSameCommandsAsTheirShortcuts() {
    note->setPlainText("Hello");
    window->findChild<QAction*>("mnuET")->trigger();
    QCOMPARE(note->toPlainText(), QString("ZST=q"));

    // Through the menu as a keyboard user opens it: Alt+F, then D.
    QTest::keyClick(window.get(), Qt::Key_F, Qt::AltModifier);
    auto* file = window->findChild<QMenu*>("mnuFile");
    QTRY_VERIFY(file->isVisible());
    QTest::keyClick(file, Qt::Key_D);
    QTRY_COMPARE(note->toPlainText(), QString("Hello"));
}

void Form1Test::typedAndPastedLineEndsReachTheCipherAsCarriageReturnLineFeed() {
    const std::u32string plain = U"Dear Ann,\r\nsee you";
    const QString expected = fromU32(cipher.encryptText(plain));

    note->clear();
    QTest::keyClicks(note, "Dear Ann,");
    press(Qt::Key_Return, Qt::NoModifier);
    QTest::keyClicks(note, "see you");
    press(Qt::Key_E);
    QCOMPARE(note->toPlainText(), expected);

    for (const char* lineEnd : {"\n", "\r\n"}) {
        note->clear();
        QApplication::clipboard()->setText(QString("Dear Ann,%1see you").arg(lineEnd));
        press(Qt::Key_V);
        press(Qt::Key_E);
        QCOMPARE(note->toPlainText(), expected);
    }
}

void Form1Test::keepsNoBreakSpaceAndLineSeparatorAsTheyAre() {
    const std::u32string plain = U"a\u00A0b\u2028cdefghijk";
    const std::u32string flattened = U"a b\ncdefghijk";
    const QString expected = fromU32(cipher.encryptText(plain));
    QVERIFY(expected != fromU32(cipher.encryptText(flattened)));

    note->setPlainText(fromU32(plain));
    press(Qt::Key_E);
    QCOMPARE(note->toPlainText(), expected);
}

void Form1Test::countsACharacterBeyondTheBasicPlaneOnce() {
    // 4,681 characters, 4,682 UTF-16 units: within the limit.
    const QString text = QString(4680, QChar(0x00FC)) + QString::fromUcs4(U"\U0001F600", 1);
    note->setPlainText(text);
    answerNextMessage(Qt::Key_Escape);
    press(Qt::Key_E);
    QVERIFY2(!messageSeen, qPrintable(messageText));
    QCOMPARE(note->toPlainText().toUcs4().size(), 4681);
}

void Form1Test::undoesAndRedoesACommandInOneStep() {
    press(Qt::Key_E);
    QCOMPARE(note->toPlainText(), QString("Tb9vîf"));
    press(Qt::Key_Z);
    QCOMPARE(rawText(note), "Text" + kParagraph);
    press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(note->toPlainText(), QString("Tb9vîf"));
}

void Form1Test::failureLeavesTheTextAndItsHistoryAlone_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("closeKey");
    QTest::addColumn<QString>("mentioned");
    QTest::newRow("encrypt meets a zero group")
        << int(Qt::Key_E) << "AB" << int(Qt::Key_Escape) << "group 2";
    QTest::newRow("decrypt meets a line break")
        << int(Qt::Key_D) << "Tb9vîf" << int(Qt::Key_Return) << "line break";
    QTest::newRow("encrypt too long")
        << int(Qt::Key_E) << QString(4682, 'a') << int(Qt::Key_Return) << "4,682";
    QTest::newRow("decrypt too long, line breaks count twice")
        << int(Qt::Key_D) << QString(4680, 'a') + "\n"
        << int(Qt::Key_Escape) << "4,682";
}

void Form1Test::failureLeavesTheTextAndItsHistoryAlone() {
    QFETCH(int, key);
    QFETCH(QString, text);
    QFETCH(int, closeKey);
    QFETCH(QString, mentioned);

    // One earlier edit, so that an undo after the failure shows what the history held.
    note->clear();
    QApplication::clipboard()->setText(text);
    press(Qt::Key_V);
    const QString before = rawText(note);
    const int undoSteps = note->document()->availableUndoSteps();

    answerNextMessage(static_cast<Qt::Key>(closeKey));
    press(static_cast<Qt::Key>(key));

    QVERIFY(messageSeen);
    QVERIFY2(messageText.contains(mentioned), qPrintable(messageText));
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    QCOMPARE(rawText(note), before);
    QCOMPARE(note->document()->availableUndoSteps(), undoSteps);
    // Without a window manager the window is not reactivated, but it is the
    // text area that takes the keyboard when it is.
    QCOMPARE(window->focusWidget(), note);
    press(Qt::Key_Z);
    QCOMPARE(note->toPlainText(), QString());
}

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
