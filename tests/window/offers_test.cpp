// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QtTest>
#include <memory>

#include "cipher/text_cipher.h"
#include "cipher/zero_groups.h"
#include "long_notes.h"
#include "notes/character_codes.h"
#include "notes/note_encryption.h"
#include "notes/outlook.h"
#include "notes/outside_characters.h"
#include "notes/padding.h"
#include "notes/recovered_text.h"
#include "real_notes.h"
#include "sample_texts.h"
#include "window_driver.h"
#include "written_notes.h"

namespace {

const QString kReplacement(QChar::ReplacementCharacter);

}  // namespace

// What the window tells and offers when a command cannot keep every character.
class OffersTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { driver = std::make_unique<WindowDriver>(); }
    void cleanup() { driver.reset(); }

    void notesWhatTravelsAsCodes_data();
    void notesWhatTravelsAsCodes();
    void encryptsAtOnceAndDecryptTakesTheEndingOff_data();
    void encryptsAtOnceAndDecryptTakesTheEndingOff();
    void declinedOfferLeavesTheText_data();
    void declinedOfferLeavesTheText();
    void decryptsAnywayWhenAltAIsPressed();

  private:
    std::unique_ptr<WindowDriver> driver;
    const cipher::TextCipher cipher;
};

void OffersTest::notesWhatTravelsAsCodes_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("ending");
    QTest::newRow("line breaks come back")
        << "Dear Ann,\nsee you"
        << " Decrypt Text brings the text back whole. Ctrl+Z restores the text.";
    QTest::newRow("a tab") << "a\tbcdefgh"
                           << " 1 character travels as a code: tab as &#9;. Decrypt Text brings "
                              "the text back whole. Ctrl+Z restores the text.";
    QTest::newRow("kinds with counts")
        << QString::fromUtf8("It\u2019s \u00C9mile\u2019s\t\tcaf\u00C9 \U0001F600 ok")
        << QString::fromUtf8(
               " 7 characters travel as codes: right single quote \u2019 as &rsquo; (2), \u00C9 as "
               "&Eacute; (2), tab as &#9; (2), \U0001F600 as &#128512;. Decrypt Text takes them "
               "off "
               "and brings the text back whole. Ctrl+Z restores the text.");
}

void OffersTest::notesWhatTravelsAsCodes() {
    QFETCH(QString, text);
    QFETCH(QString, ending);
    driver->paste(text);
    const std::u32string note = readNote(*driver->note());
    driver->answerNextMessage(Qt::Key_A, Qt::AltModifier);
    driver->press(Qt::Key_E);
    QCOMPARE(driver->note()->toPlainText(), toQString(notes::encryptNote(cipher, note).cipherText));
    QVERIFY2(driver->status().startsWith("Encrypted"), qPrintable(driver->status()));
    QVERIFY2(driver->status().endsWith(ending), qPrintable(driver->status()));
    driver->answerNextMessage(Qt::Key_Escape);
    driver->press(Qt::Key_D);
    QVERIFY2(!driver->lastMessage().shown, qPrintable(driver->lastMessage().text));
    QCOMPARE(readNote(*driver->note()), note);
}

void OffersTest::encryptsAtOnceAndDecryptTakesTheEndingOff_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("said");
    QTest::newRow("two capitals") << "AB"
                                  << "Encrypted, with ";
    QTest::newRow("seven capital As") << "AAAAAAA"
                                      << "Encrypted, with ";
    QTest::newRow("a list") << "milk\neggs\nbread\nbutter\ntea"
                            << "Encrypted, with ";
    QTest::newRow("codes") << QString::fromUtf8("Stra\u00DFe\tAA") << "Encrypted, with ";
    QTest::newRow("a note ending as an ending does") << "see you ~~"
                                                     << "Encrypted, with ";
    std::u32string longest;
    for (int index = 0; index < 4681; ++index) {
        longest += cipher.alphabetCharacter(index * 37 % 127 + 1);
    }
    QTest::newRow("at the cipher's limit") << toQString(longest) << "Encrypted in ";
    QTest::newRow("3,000 characters")
        << toQString(samples::longLetter(3'000, U"\r\n")) << "Encrypted in ";
    // The first note of each language, and the first password, that meets a
    // zero group as it stands.
    for (const samples::Language language : samples::kLanguages) {
        for (const samples::WrittenNote& note : samples::writtenNotes()) {
            const std::u32string typed = samples::withLineBreaks(note.text);
            if (note.language == language &&
                !cipher::encrypts(cipher, notes::withCodes(cipher, typed))) {
                QTest::newRow(samples::languageName(language).data())
                    << toQString(typed) << "Encrypted, with ";
                break;
            }
        }
    }
    for (const samples::WrittenNote& note : samples::writtenNotes()) {
        const std::u32string typed = samples::withLineBreaks(note.text);
        if (typed.find(U"PIN") != std::u32string::npos &&
            !cipher::encrypts(cipher, notes::withCodes(cipher, typed))) {
            QTest::newRow("a PIN") << toQString(typed) << "Encrypted, with ";
            break;
        }
    }
}

void OffersTest::encryptsAtOnceAndDecryptTakesTheEndingOff() {
    QFETCH(QString, text);
    QFETCH(QString, said);
    driver->paste(text);
    const std::u32string note = readNote(*driver->note());
    const int undoSteps = driver->note()->document()->availableUndoSteps();

    driver->answerNextMessage(Qt::Key_Escape);
    driver->press(Qt::Key_E);
    QVERIFY2(!driver->lastMessage().shown, qPrintable(driver->lastMessage().text));
    QVERIFY2(driver->status().startsWith(said), qPrintable(driver->status()));
    const QString cipherText = driver->note()->toPlainText();
    QCOMPARE(readNote(*driver->note()), notes::encryptNote(cipher, note).cipherText);

    driver->answerNextMessage(Qt::Key_Escape);
    driver->press(Qt::Key_D);
    QVERIFY2(!driver->lastMessage().shown, qPrintable(driver->lastMessage().text));
    QCOMPARE(readNote(*driver->note()), note);
    // One Ctrl+Z for each command.
    driver->press(Qt::Key_Z);
    QCOMPARE(driver->note()->toPlainText(), cipherText);
    driver->press(Qt::Key_Z);
    QCOMPARE(readNote(*driver->note()), note);
    QCOMPARE(driver->note()->document()->availableUndoSteps(), undoSteps);
}

void OffersTest::declinedOfferLeavesTheText_data() {
    QTest::addColumn<int>("command");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("answer");
    const QString lostTab = toQString(samples::earlierCipherTextOf(cipher, U"line\r\n\tindented"));
    QTest::newRow("decrypt, Return") << int(Qt::Key_D) << lostTab << int(Qt::Key_Return);
    QTest::newRow("decrypt, Escape") << int(Qt::Key_D) << lostTab << int(Qt::Key_Escape);
}

void OffersTest::declinedOfferLeavesTheText() {
    QFETCH(int, command);
    QFETCH(QString, text);
    QFETCH(int, answer);
    driver->paste(text);
    const int undoSteps = driver->note()->document()->availableUndoSteps();

    driver->answerNextMessage(static_cast<Qt::Key>(answer));
    driver->press(static_cast<Qt::Key>(command));

    QVERIFY(driver->lastMessage().shown);
    QCOMPARE(driver->lastMessage().buttons.size(), 2);
    QCOMPARE(driver->lastMessage().buttons.last(), QString("Keep the Text"));
    QCOMPARE(driver->note()->toPlainText(), text);
    QCOMPARE(driver->note()->document()->availableUndoSteps(), undoSteps);
}

void OffersTest::decryptsAnywayWhenAltAIsPressed() {
    const std::u32string plain = samples::encryptableWithoutCodes(cipher, U"line\r\n\tindented");
    const QString cipherText = toQString(cipher.encryptText(plain));
    driver->paste(cipherText);
    driver->answerNextMessage(Qt::Key_A, Qt::AltModifier);
    driver->press(Qt::Key_D);

    QVERIFY(driver->lastMessage().shown);
    QCOMPARE(driver->lastMessage().buttons.first(), QString("Decrypt &Anyway"));
    std::u32string expected = plain;
    expected[6] = notes::kReplacementCharacter;  // the tab
    QCOMPARE(readNote(*driver->note()), expected);
    QCOMPARE(driver->status(),
             "Decrypted, with 1 line break put back. 1 character could not come back and is "
             "marked " +
                 kReplacement +
                 ". Two such characters side by side look like a line break, so a line break may "
                 "stand for two of them. Ctrl+Z restores the cipher text.");
    driver->press(Qt::Key_Z);
    QCOMPARE(driver->note()->toPlainText(), cipherText);
}

QTEST_MAIN(OffersTest)
#include "offers_test.moc"
