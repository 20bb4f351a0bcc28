// SPDX-License-Identifier: MIT
// Notes in the languages the alphabet was made for, and notes with tabs and
// emoji, go through Encrypt Text and Decrypt Text with real key presses and
// come back to the character.
#include <QApplication>
#include <QtTest>
#include <memory>

#include "cipher/text_cipher.h"
#include "notes/character_codes.h"
#include "notes/decrypted_note.h"
#include "real_notes.h"
#include "window_driver.h"

class EveryCharacterTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { driver = std::make_unique<WindowDriver>(); }
    void cleanup() { driver.reset(); }

    void notesComeBackExactly_data();
    void notesComeBackExactly();
    void encryptingTwiceThenDecryptingTwiceGivesTheNoteBack_data();
    void encryptingTwiceThenDecryptingTwiceGivesTheNoteBack();

  private:
    // Ctrl+E, taking any offer with Alt+A; the cipher text it wrote.
    QString encrypt() {
        driver->answerNextMessage(Qt::Key_A, Qt::AltModifier);
        driver->press(Qt::Key_E);
        return driver->note()->toPlainText();
    }
    // Ctrl+D, which must not ask; how many Ctrl+Z take it back.
    int decrypt() {
        driver->answerNextMessage(Qt::Key_Escape);
        driver->press(Qt::Key_D);
        if (driver->lastMessage().shown) {
            qWarning("Decrypt Text asked: %s", qPrintable(driver->lastMessage().text));
        }
        return driver->status().contains("Ctrl+Z shows it") ? 2 : 1;
    }

    std::unique_ptr<WindowDriver> driver;
    const cipher::TextCipher cipher;
};

void EveryCharacterTest::notesComeBackExactly_data() {
    QTest::addColumn<QString>("note");
    QTest::addColumn<QString>("codes");
    QTest::newRow("German shopping list")
        << QString::fromUtf8(
               "Einkauf für Samstag:\n- 2 kg Äpfel\n- Brötchen (6 Stück)\n- "
               "Süßes für Jörg\nÖl nicht vergessen! Große Straße 5.")
        << QString::fromUtf8("Ä as &Auml;, ß as &szlig; (3), Ö as &Ouml;");
    QTest::newRow("French letter")
        << QString::fromUtf8(
               "Chère Élodie,\nÀ demain à l\u2019école ? Ça me ferait plaisir\u2026 "
               "L\u2019Œuvre de Molière, à 20 h.\n\nBises,\nAmélie")
        << QString::fromUtf8(
               "É as &Eacute;, À as &Agrave;, right single quote \u2019 as &rsquo; (2), Ç as "
               "&Ccedil;, ellipsis \u2026 as &hellip;, Œ as &OElig;");
    QTest::newRow("Spanish reminder")
        << QString::fromUtf8(
               "¡Hola, Íñigo! ¿Vienes mañana? Á las 18:30 en la plaza Mayor.\n"
               "Última oportunidad para el regalo de Ángela.")
        << QString::fromUtf8("Í as &Iacute;, Á as &Aacute; (2), Ú as &Uacute;");
    QTest::newRow("Italian note")
        << QString::fromUtf8(
               "Caro Niccolò,\nÈ già tardi: perché non vieni? Città di Pisa, via "
               "Dante 3, interno 7.\nCiao, Lucia")
        << QString::fromUtf8("È as &Egrave;");
    QTest::newRow("Portuguese message")
        << QString::fromUtf8(
               "Olá João! Não te esqueças: às 9h na estação. Põe as botas e leva o "
               "pão.\nAbraço, Conceição")
        << QString::fromUtf8("ã as &atilde; (5), õ as &otilde;");
    QTest::newRow("tab-separated phone list")
        << QString::fromUtf8("Name\tPhone\tRoom\nAnna\t0171 234567\t12\nBen\t0172 765432\t3\n")
        << QString::fromUtf8("tab as &#9; (6)");
    QTest::newRow("emoji") << QString::fromUtf8("Party at 8 \U0001F389 bring snacks \U0001F355!")
                           << QString::fromUtf8("\U0001F389 as &#127881;, \U0001F355 as &#127829;");
    QTest::newRow("a note about HTML")
        << QString::fromUtf8("Write & as &amp; and É as &Eacute; in HTML.")
        << QString::fromUtf8("& as &amp; (3), É as &Eacute;");
}

void EveryCharacterTest::notesComeBackExactly() {
    QFETCH(QString, note);
    QFETCH(QString, codes);
    driver->paste(note);
    const std::u32string typed = samples::withLineBreaks(note.toStdU32String());
    QCOMPARE(readNote(*driver->note()), typed);

    const QString cipherText = encrypt();
    QVERIFY2(driver->status().startsWith("Encrypted"), qPrintable(driver->status()));
    QVERIFY2(driver->status().contains(" as codes: " + codes + ". Decrypt Text ") ||
                 driver->status().contains(" as a code: " + codes + ". Decrypt Text "),
             qPrintable(driver->status()));
    // Only alphabet characters leave the window.
    for (char32_t character : cipherText.toStdU32String()) {
        QVERIFY(cipher.alphabetPosition(character) != 0);
    }
    driver->press(Qt::Key_Z);
    QCOMPARE(readNote(*driver->note()), typed);
    QCOMPARE(encrypt(), cipherText);

    const int undoSteps = decrypt();
    QVERIFY2(!driver->lastMessage().shown, qPrintable(driver->lastMessage().text));
    QCOMPARE(readNote(*driver->note()), typed);
    const std::size_t codeCount = notes::codedCharacters(cipher, typed).count;
    const QString read =
        codeCount == 1 ? QString("1 code was read back as its character.")
                       : QString("%1 codes were read back as their characters.").arg(codeCount);
    QVERIFY2(driver->status().contains(read), qPrintable(driver->status()));
    for (int step = 0; step < undoSteps; ++step) {
        driver->press(Qt::Key_Z);
    }
    QCOMPARE(driver->note()->toPlainText(), cipherText);
}

void EveryCharacterTest::encryptingTwiceThenDecryptingTwiceGivesTheNoteBack_data() {
    notesComeBackExactly_data();
}

void EveryCharacterTest::encryptingTwiceThenDecryptingTwiceGivesTheNoteBack() {
    QFETCH(QString, note);
    driver->paste(note);
    const QString once = encrypt();
    const QString twice = encrypt();
    QVERIFY(twice != once);
    decrypt();
    QCOMPARE(driver->note()->toPlainText(), once);
    decrypt();
    QCOMPARE(readNote(*driver->note()), samples::withLineBreaks(note.toStdU32String()));
}

QTEST_MAIN(EveryCharacterTest)
#include "every_character_test.moc"
