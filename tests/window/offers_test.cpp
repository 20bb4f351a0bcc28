// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QtTest>
#include <memory>
#include <random>

#include "cipher/text_cipher.h"
#include "cipher/zero_groups.h"
#include "long_notes.h"
#include "notes/character_codes.h"
#include "notes/decryption_outlook.h"
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
    void everyQuestionKeepsTheTextOnReturnAndEscape_data();
    void everyQuestionKeepsTheTextOnReturnAndEscape();
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

// The first random text over the alphabet that decrypts with lost
// characters into what does not read like text.
std::u32string noCipherText(const cipher::TextCipher& cipher) {
    std::mt19937 random(3);
    std::u32string text;
    do {
        text = samples::alphabetText(cipher, 40, random);
    } while (notes::decryptionOutlookOf(cipher, text).decrypted.complete());
    return text;
}

void OffersTest::everyQuestionKeepsTheTextOnReturnAndEscape_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("looks");
    QTest::addColumn<QStringList>("buttons");
    const std::u32string written =
        notes::encryptNote(cipher, U"Meet at the old mill at seven, and bring the map.").cipherText;
    std::mt19937 random(3);
    std::u32string garbled = samples::alphabetText(cipher, 40, random);
    garbled.insert(garbled.begin() + 20, U'\t');
    // The buttons with their roles: the way without what the text picked up
    // is the answer the question expects, and Decrypt Anyway stands apart.
    const QStringList anyway = {"Decrypt &Anyway=0", "&Keep the Text=1"};
    const QStringList without = {"Decrypt &Without It=0", "&Keep the Text=1", "Decrypt &Anyway=3"};
    const struct {
        const char* name;
        std::u32string text;
        const char* looks;
        QStringList buttons;
    } questions[] = {
        {"an ordinary text", U"Please call the plumber about the kitchen tap before Friday.",
         "This looks like an ordinary text", anyway},
        {"a space picked up", written + U" ", "This looks like a cipher text that picked up",
         without},
        {"cut short", written.substr(0, written.size() - 1),
         "This looks like a cipher text cut short", anyway},
        {"an earlier version's", samples::earlierCipherTextOf(cipher, U"line\r\n\tindented"),
         "This looks like a cipher text from an earlier version", anyway},
        {"garbled", garbled, "This looks like a garbled cipher text", anyway},
        {"no cipher text", noCipherText(cipher), "This does not look like a cipher text", anyway},
    };
    for (const auto& question : questions) {
        for (const char* key : {"Return", "Escape"}) {
            QTest::addRow("%s, %s", question.name, key)
                << toQString(question.text) << QString(question.looks) << question.buttons;
        }
    }
}

// Each question says what the text looks like, then what each button does;
// each button has its role and tells its access key, and the button that
// keeps the text is the one Return and Escape press.
void OffersTest::everyQuestionKeepsTheTextOnReturnAndEscape() {
    QFETCH(QString, text);
    QFETCH(QString, looks);
    QFETCH(QStringList, buttons);
    driver->paste(text);
    const QString before = driver->rawText();
    const int undoSteps = driver->note()->document()->availableUndoSteps();
    const bool escape = QString(QTest::currentDataTag()).endsWith("Escape");
    driver->answerNextMessage(escape ? Qt::Key_Escape : Qt::Key_Return);
    driver->press(Qt::Key_D);

    const SeenMessage& seen = driver->lastMessage();
    QVERIFY(seen.shown);
    QVERIFY2(seen.text.startsWith(looks), qPrintable(seen.text));
    const QStringList sentences = seen.text.split("\n\n");
    QCOMPARE(sentences.size(), 2);
    for (const QString& sentence : sentences) {
        QVERIFY2(sentence.endsWith('.') && !sentence.contains(". "), qPrintable(sentence));
    }
    QStringList roles;
    for (qsizetype index = 0; index < seen.buttons.size(); ++index) {
        roles << QString("%1=%2").arg(seen.buttons[index]).arg(seen.roles[index]);
        const QString key = QKeySequence::mnemonic(seen.buttons[index]).toString();
        QVERIFY2(!key.isEmpty() && seen.descriptions[index].startsWith(key),
                 qPrintable(seen.descriptions[index]));
    }
    QCOMPARE(roles, buttons);
    QCOMPARE(seen.defaultButton, QString("&Keep the Text"));
    QCOMPARE(seen.escapeButton, QString("&Keep the Text"));
    QCOMPARE(driver->rawText(), before);
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
