// SPDX-License-Identifier: MIT
// Long notes through the window with real key presses: one Ctrl+E writes
// pieces, one Ctrl+D brings the note back, also after a mail program wrapped
// the pieces, and several notes' cipher texts come back apart.
#include "long_notes.h"

#include <QtTest>
#include <memory>

#include "cipher/limits.h"
#include "cipher/text_cipher.h"
#include "literal_transcription.h"
#include "notes/note_encryption.h"
#include "window_driver.h"

class LongNotesTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { driver = std::make_unique<WindowDriver>(); }
    void cleanup() { driver.reset(); }

    void encryptsInPiecesAndDecryptsWhole_data();
    void encryptsInPiecesAndDecryptsWhole();
    void severalNotesComeBackApart();
    void aResultWorkedOutAheadIsOfTheTextAsItStands();

  private:
    // Presses the key and checks that no message came up.
    void pressWithoutMessage(Qt::Key key) {
        driver->answerNextMessage(Qt::Key_Escape);
        driver->press(key);
        QVERIFY2(!driver->lastMessage().shown, qPrintable(driver->lastMessage().text));
    }

    std::unique_ptr<WindowDriver> driver;
    const cipher::TextCipher cipher;
};

void LongNotesTest::encryptsInPiecesAndDecryptsWhole_data() {
    QTest::addColumn<QString>("note");
    QTest::addColumn<bool>("oneLine");
    QTest::newRow("12,000 characters on one line")
        << toQString(samples::oneLine(samples::longLetter(12'000, U" "))) << true;
    QTest::newRow("35,000 characters on many lines")
        << toQString(samples::longLetter(35'000, U"\r\n")) << false;
}

void LongNotesTest::encryptsInPiecesAndDecryptsWhole() {
    QFETCH(QString, note);
    QFETCH(bool, oneLine);
    driver->paste(note);
    const std::u32string typed = readNote(*driver->note());
    // The live line counts the pieces once the text is still: as many as Ctrl+E writes.
    const QRegularExpression counted(", ([0-9]+) pieces: ");
    // QTest::qWaitFor: from Qt 6.8 on, QTRY_VERIFY2 trips -Wconversion.
    QVERIFY2(QTest::qWaitFor([&] { return counted.match(driver->status()).hasMatch(); }),
             qPrintable(driver->status()));
    const int announced = counted.match(driver->status()).captured(1).toInt();

    pressWithoutMessage(Qt::Key_E);
    const std::u32string written = readNote(*driver->note());
    const std::vector<std::u32string> pieces = samples::piecesOf(written);
    QVERIFY(pieces.size() > 2);
    QCOMPARE(static_cast<std::size_t>(announced), pieces.size());
    QVERIFY2(driver->status().startsWith(QString("Encrypted in %1 pieces").arg(pieces.size())),
             qPrintable(driver->status()));
    const LiteralTranscription procedures(cipher);
    for (const std::u32string& piece : pieces) {
        QVERIFY(piece.size() <= cipher::kMaxTextLength);
        if (oneLine) {
            const std::string bits = procedures.decryptBits(piece);
            for (std::size_t group = 0; group < bits.size(); group += cipher::kCodeLength) {
                QVERIFY(bits.compare(group, cipher::kCodeLength, "0000000") != 0);
            }
        }
    }

    pressWithoutMessage(Qt::Key_D);
    QCOMPARE(readNote(*driver->note()), typed);
    driver->press(Qt::Key_Z);
    QCOMPARE(readNote(*driver->note()), written);

    std::vector<std::u32string> wrapped;
    for (const std::u32string& piece : pieces) {
        wrapped.push_back(samples::wrapped(piece, 76));
    }
    driver->paste(toQString(samples::joined(wrapped, U"\r\n\r\n")));
    pressWithoutMessage(Qt::Key_D);
    QCOMPARE(readNote(*driver->note()), typed);
}

void LongNotesTest::severalNotesComeBackApart() {
    const std::u32string first = U"PIN 4711, door code 0815#";
    const std::u32string second = samples::longLetter(9'000, U"\r\n");
    driver->paste(toQString(samples::joined({notes::encryptNote(cipher, first).cipherText,
                                             notes::encryptNote(cipher, second).cipherText},
                                            U"\r\n\r\n")));
    pressWithoutMessage(Qt::Key_D);
    QCOMPARE(readNote(*driver->note()), first + U"\r\n\r\n" + second);
    QVERIFY2(driver->status().contains("into 2 notes"), qPrintable(driver->status()));

    // Without its second piece the note is not put together.
    std::vector<std::u32string> pieces =
        samples::piecesOf(notes::encryptNote(cipher, second).cipherText);
    pieces.erase(pieces.begin() + 1);
    const QString incomplete = toQString(samples::joined(pieces, U"\r\n\r\n"));
    driver->paste(incomplete);
    const QString before = driver->note()->toPlainText();
    driver->answerNextMessage(Qt::Key_Return);
    driver->press(Qt::Key_D);
    QVERIFY(driver->lastMessage().shown);
    QVERIFY2(
        driver->lastMessage().text.contains("Piece 3 of a note stands where piece 2 should be"),
        qPrintable(driver->lastMessage().text));
    QCOMPARE(driver->note()->toPlainText(), before);

    // A character lost on the way: which cipher text, never "too long".
    pieces[2].erase(pieces[2].size() / 2, 1);
    driver->paste(toQString(samples::joined(pieces, U"\r\n\r\n")));
    const QString damaged = driver->note()->toPlainText();
    driver->answerNextMessage(Qt::Key_Return);
    driver->press(Qt::Key_D);
    QVERIFY2(driver->lastMessage().text.startsWith(
                 QString("Cipher text 3 of the %1 here").arg(pieces.size())),
             qPrintable(driver->lastMessage().text));
    QCOMPARE(driver->note()->toPlainText(), damaged);
}

// A pasted or still text is encrypted or decrypted ahead of the command:
// what the command then writes is exactly what it would have written, and
// a change during or after that work is in what the command takes.
void LongNotesTest::aResultWorkedOutAheadIsOfTheTextAsItStands() {
    const std::u32string note = samples::longLetter(30'000, U"\r\n") + U"Stra\u00DFe";
    const std::u32string encrypted = notes::encryptNote(cipher, note).cipherText;
    // Well past the moment the text counts as still, and the work's end.
    constexpr int kStillMilliseconds = 1500;
    driver->paste(toQString(note));
    QTest::qWait(kStillMilliseconds);
    pressWithoutMessage(Qt::Key_E);
    QCOMPARE(readNote(*driver->note()), encrypted);
    QTest::qWait(kStillMilliseconds);
    pressWithoutMessage(Qt::Key_D);
    QCOMPARE(readNote(*driver->note()), note);
    driver->press(Qt::Key_Z);
    QCOMPARE(readNote(*driver->note()), encrypted);
    driver->press(Qt::Key_Z);
    QCOMPARE(readNote(*driver->note()), note);

    QTest::qWait(kStillMilliseconds);
    QTest::keyClicks(driver->note(), "x");
    pressWithoutMessage(Qt::Key_E);
    QCOMPARE(readNote(*driver->note()), notes::encryptNote(cipher, note + U"x").cipherText);
    QTest::qWait(kStillMilliseconds);
    const std::u32string other = samples::longLetter(20'000, U"\r\n");
    driver->paste(toQString(notes::encryptNote(cipher, other).cipherText));
    pressWithoutMessage(Qt::Key_D);
    QCOMPARE(readNote(*driver->note()), other);

    // Typed into while the pasted text is being worked on.
    driver->paste(toQString(note));
    QTest::keyClicks(driver->note(), "y");
    pressWithoutMessage(Qt::Key_E);
    QCOMPARE(readNote(*driver->note()), notes::encryptNote(cipher, note + U"y").cipherText);
}

QTEST_MAIN(LongNotesTest)
#include "long_notes_test.moc"
