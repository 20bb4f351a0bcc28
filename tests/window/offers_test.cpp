// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QtTest>
#include <memory>

#include "cipher/text_cipher.h"
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

    void notesWhatEncryptionCannotBringBack_data();
    void notesWhatEncryptionCannotBringBack();
    void addsTheOfferedCharactersWhenAltAIsPressed_data();
    void addsTheOfferedCharactersWhenAltAIsPressed();
    void offerNamesWhatStillCannotComeBack();
    void declinedOfferLeavesTheText_data();
    void declinedOfferLeavesTheText();
    void offersNothingWhereNothingCanHelp();
    void decryptsAnywayWhenAltAIsPressed();

  private:
    QString cipherTextOf(const std::u32string& text) const {
        return toQString(samples::cipherTextOf(cipher, text));
    }

    std::unique_ptr<WindowDriver> driver;
    const cipher::TextCipher cipher;
};

void OffersTest::notesWhatEncryptionCannotBringBack_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("ending");
    QTest::newRow("line breaks come back")
        << "Dear Ann,\nsee you"
        << " Decrypt Text brings the text back whole. Ctrl+Z restores the text.";
    QTest::newRow("a tab") << "a\tbcdefgh"
                           << " 1 character cannot come back when you decrypt: tab. "
                              "Ctrl+Z restores the text.";
    QTest::newRow("kinds with counts")
        << QString::fromUtf8("It\u2019s \u00C9mile\u2019s\t\tcaf\u00C9 \U0001F600 ok")
        << QString::fromUtf8(
               " 7 characters cannot come back when you decrypt: right single "
               "quote \u2019 (2), \u00C9 (2), tab (2), \U0001F600. Ctrl+Z "
               "restores the text.");
}

void OffersTest::notesWhatEncryptionCannotBringBack() {
    QFETCH(QString, text);
    QFETCH(QString, ending);
    driver->paste(text);
    const std::u32string padded = samples::encryptable(cipher, readNote(*driver->note()));
    driver->answerNextMessage(Qt::Key_A, Qt::AltModifier);
    driver->press(Qt::Key_E);
    QCOMPARE(driver->note()->toPlainText(), toQString(cipher.encryptText(padded)));
    QVERIFY2(driver->status().startsWith("Encrypted"), qPrintable(driver->status()));
    QVERIFY2(driver->status().endsWith(ending), qPrintable(driver->status()));
}

void OffersTest::addsTheOfferedCharactersWhenAltAIsPressed_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("caption");
    QTest::newRow("one space") << "AB"
                               << "&Add 1 space at the end";
    QTest::newRow("seven capital As") << "AAAAAAA" << QString();
    QTest::newRow("a note with line breaks") << "milk\neggs\nbread\nbutter\ntea" << QString();
}

void OffersTest::addsTheOfferedCharactersWhenAltAIsPressed() {
    QFETCH(QString, text);
    QFETCH(QString, caption);
    driver->paste(text);
    const std::u32string plain = readNote(*driver->note());
    QVERIFY(!cipher.encrypts(plain));
    const auto padding = cipher.paddingToEncrypt(plain);
    QVERIFY(padding.has_value());
    const std::u32string padded = plain + padding->characters;

    driver->answerNextMessage(Qt::Key_A, Qt::AltModifier);
    driver->press(Qt::Key_E);

    QVERIFY(driver->lastMessage().shown);
    if (!caption.isEmpty()) {
        QCOMPARE(driver->lastMessage().buttons.first(), caption);
    }
    QCOMPARE(driver->note()->toPlainText(), toQString(cipher.encryptText(padded)));
    QVERIFY2(driver->status().startsWith("Encrypted, with "), qPrintable(driver->status()));

    driver->press(Qt::Key_D);
    QCOMPARE(readNote(*driver->note()), padded);
    driver->press(Qt::Key_Z);
    driver->press(Qt::Key_Z);
    QCOMPARE(driver->note()->toPlainText(), text);
}

void OffersTest::offerNamesWhatStillCannotComeBack() {
    driver->paste("AB\t");
    QVERIFY(!cipher.encrypts(U"AB\t"));
    driver->answerNextMessage(Qt::Key_Escape);
    driver->press(Qt::Key_E);
    const QString& message = driver->lastMessage().text;
    QVERIFY2(message.contains("except 1 character that is not in the cipher's alphabet: tab."),
             qPrintable(message));
    QVERIFY2(!message.contains("back whole"), qPrintable(message));
    QCOMPARE(driver->note()->toPlainText(), QString("AB\t"));
}

void OffersTest::declinedOfferLeavesTheText_data() {
    QTest::addColumn<int>("command");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("answer");
    const QString lostTab = cipherTextOf(U"line\r\n\tindented");
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
    QVERIFY(!cipher.encrypts(longest));
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
    const std::u32string plain = samples::encryptable(cipher, U"line\r\n\tindented");
    const QString cipherText = toQString(cipher.encryptText(plain));
    driver->paste(cipherText);
    driver->answerNextMessage(Qt::Key_A, Qt::AltModifier);
    driver->press(Qt::Key_D);

    QVERIFY(driver->lastMessage().shown);
    QCOMPARE(driver->lastMessage().buttons.first(), QString("Decrypt &Anyway"));
    std::u32string expected = plain;
    expected[6] = cipher::kReplacementCharacter;  // the tab
    QCOMPARE(readNote(*driver->note()), expected);
    QCOMPARE(driver->status(),
             "Decrypted, with 1 line break put back. 1 character could not come "
             "back and is marked " +
                 kReplacement + ". Ctrl+Z restores the cipher text.");
    driver->press(Qt::Key_Z);
    QCOMPARE(driver->note()->toPlainText(), cipherText);
}

QTEST_MAIN(OffersTest)
#include "offers_test.moc"
