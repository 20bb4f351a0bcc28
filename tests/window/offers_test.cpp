// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QtTest>
#include <memory>

#include "cipher/text_cipher.h"
#include "cipher/zero_groups.h"
#include "notes/character_codes.h"
#include "notes/offered_line.h"
#include "notes/outlook.h"
#include "notes/outside_characters.h"
#include "notes/padding.h"
#include "notes/recovered_text.h"
#include "sample_texts.h"
#include "window_driver.h"

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
    void addsALineWhenAltAIsPressedAndDecryptTakesItOff_data();
    void addsALineWhenAltAIsPressedAndDecryptTakesItOff();
    void declinedOfferLeavesTheText_data();
    void declinedOfferLeavesTheText();
    void offersNothingWhereNothingCanHelp();
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
               "&Eacute; (2), tab as &#9; (2), \U0001F600 as &#128512;. Decrypt Text takes that "
               "line off and brings the text back whole. Ctrl+Z restores the text.");
}

void OffersTest::notesWhatTravelsAsCodes() {
    QFETCH(QString, text);
    QFETCH(QString, ending);
    driver->paste(text);
    const std::u32string note = readNote(*driver->note());
    driver->answerNextMessage(Qt::Key_A, Qt::AltModifier);
    driver->press(Qt::Key_E);
    QCOMPARE(driver->note()->toPlainText(), toQString(samples::cipherTextOf(cipher, note)));
    QVERIFY2(driver->status().startsWith("Encrypted"), qPrintable(driver->status()));
    QVERIFY2(driver->status().endsWith(ending), qPrintable(driver->status()));
    driver->answerNextMessage(Qt::Key_Escape);
    driver->press(Qt::Key_D);
    QVERIFY2(!driver->lastMessage().shown, qPrintable(driver->lastMessage().text));
    QCOMPARE(readNote(*driver->note()), note);
}

void OffersTest::addsALineWhenAltAIsPressedAndDecryptTakesItOff_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("caption");
    QTest::newRow("a full stop") << "AB"
                                 << "&Add a line of 1 character at the end";
    QTest::newRow("seven capital As") << "AAAAAAA" << QString();
    QTest::newRow("a note with line breaks") << "milk\neggs\nbread\nbutter\ntea" << QString();
    QTest::newRow("a note with codes") << QString::fromUtf8("Stra\u00DFe\tAA") << QString();
}

void OffersTest::addsALineWhenAltAIsPressedAndDecryptTakesItOff() {
    QFETCH(QString, text);
    QFETCH(QString, caption);
    driver->paste(text);
    const std::u32string note = readNote(*driver->note());
    const notes::Outlook outlook = notes::outlookOf(cipher, note);
    QCOMPARE(outlook.verdict, notes::Outlook::Verdict::NeedsPadding);
    if (!outlook.padding) {
        QFAIL("Encrypt Text offers no line for this text");
    }
    const std::u32string added = notes::additionOf(*outlook.padding);

    driver->answerNextMessage(Qt::Key_A, Qt::AltModifier);
    driver->press(Qt::Key_E);

    QVERIFY(driver->lastMessage().shown);
    if (!caption.isEmpty()) {
        QCOMPARE(driver->lastMessage().buttons.first(), caption);
    }
    const QString cipherText = driver->note()->toPlainText();
    QCOMPARE(cipherText, toQString(cipher.encryptText(notes::withCodes(cipher, note) + added)));
    QVERIFY2(driver->status().startsWith("Encrypted, with a line of "),
             qPrintable(driver->status()));

    driver->answerNextMessage(Qt::Key_Escape);
    driver->press(Qt::Key_D);
    QVERIFY2(!driver->lastMessage().shown, qPrintable(driver->lastMessage().text));
    QCOMPARE(readNote(*driver->note()), note);
    QVERIFY2(driver->status().contains("The line that Encrypt Text had added at the end was taken "
                                       "off: Ctrl+Z shows it, and Ctrl+Z again restores the "
                                       "cipher text."),
             qPrintable(driver->status()));
    // One Ctrl+Z shows the line, one more the cipher text, one more the note.
    driver->press(Qt::Key_Z);
    QCOMPARE(readNote(*driver->note()), note + added);
    driver->press(Qt::Key_Z);
    QCOMPARE(driver->note()->toPlainText(), cipherText);
    driver->press(Qt::Key_Z);
    QCOMPARE(driver->note()->toPlainText(), text);
}

void OffersTest::declinedOfferLeavesTheText_data() {
    QTest::addColumn<int>("command");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("answer");
    const QString lostTab = toQString(samples::earlierCipherTextOf(cipher, U"line\r\n\tindented"));
    QTest::newRow("encrypt, Return") << int(Qt::Key_E) << "AB" << int(Qt::Key_Return);
    QTest::newRow("encrypt, Escape") << int(Qt::Key_E) << "AB" << int(Qt::Key_Escape);
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

void OffersTest::offersNothingWhereNothingCanHelp() {
    // At the length limit there is no room for a single character.
    std::u32string longest;
    for (int index = 0; index < 4681; ++index) {
        longest += cipher.alphabetCharacter(index * 37 % 127 + 1);
    }
    QVERIFY(!cipher::encrypts(cipher, longest));
    driver->paste(toQString(longest));
    driver->answerNextMessage(Qt::Key_Return);
    driver->press(Qt::Key_E);

    QVERIFY(driver->lastMessage().shown);
    QCOMPARE(driver->lastMessage().buttons.size(), 1);
    QVERIFY2(driver->lastMessage().text.contains("Encrypt it in two shorter pieces instead."),
             qPrintable(driver->lastMessage().text));
    QVERIFY2(driver->lastMessage().text.contains("limit of 4,681 characters"),
             qPrintable(driver->lastMessage().text));
    QCOMPARE(driver->note()->toPlainText(), toQString(longest));
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
