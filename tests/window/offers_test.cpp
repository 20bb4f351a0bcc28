#include <QApplication>
#include <QtTest>
#include <memory>

#include "cipher/text_cipher.h"
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

    void warnsOfCharactersThatCannotComeBackUntilTheNextCommand();
    void appendsTheOfferedSpacesWhenAltAIsPressed();
    void declinedOfferLeavesTheText_data();
    void declinedOfferLeavesTheText();
    void offersNoSpacesWhereNoneCanHelp();
    void decryptsAnywayWhenAltAIsPressed();

  private:
    std::unique_ptr<WindowDriver> driver;
    const cipher::TextCipher cipher;
};

void OffersTest::warnsOfCharactersThatCannotComeBackUntilTheNextCommand() {
    const QSize windowSize = driver->window().size();
    driver->press(Qt::Key_E);
    QApplication::processEvents();
    // The note wraps below the text area, which keeps its size and place.
    QCOMPARE(driver->window().size(), windowSize);
    QCOMPARE(driver->note()->geometry(), QRect(0, 0, 513, 345));
    QVERIFY2(driver->status().contains("2 characters are not in the alphabet (line break)"),
             qPrintable(driver->status()));

    driver->paste("a\tb");
    driver->press(Qt::Key_E);
    QVERIFY2(driver->status().contains("1 character is not in the alphabet (tab)"),
             qPrintable(driver->status()));

    driver->paste("Hello");
    driver->press(Qt::Key_E);
    QCOMPARE(driver->status(), QString());
}

void OffersTest::appendsTheOfferedSpacesWhenAltAIsPressed() {
    const auto spaces = cipher.spacesToEncrypt(U"AB");
    QVERIFY(spaces.has_value());
    const std::u32string padded = U"AB" + std::u32string(*spaces, U' ');

    driver->paste("AB");
    driver->answerNextMessage(Qt::Key_A, Qt::AltModifier);
    driver->press(Qt::Key_E);

    QVERIFY(driver->lastMessage().shown);
    QVERIFY2(driver->lastMessage().buttons.contains(
                 QString("&Add %1 space%2 and encrypt").arg(*spaces).arg(*spaces == 1 ? "" : "s")),
             qPrintable(driver->lastMessage().buttons.join(" | ")));
    QCOMPARE(driver->note()->toPlainText(), toQString(cipher.encryptText(padded)));

    driver->press(Qt::Key_D);
    QCOMPARE(driver->note()->toPlainText(), toQString(padded));
    driver->press(Qt::Key_Z);
    driver->press(Qt::Key_Z);
    QCOMPARE(driver->note()->toPlainText(), QString("AB"));
}

void OffersTest::declinedOfferLeavesTheText_data() {
    QTest::addColumn<int>("command");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("answer");
    QTest::newRow("encrypt, Return") << int(Qt::Key_E) << "AB" << int(Qt::Key_Return);
    QTest::newRow("encrypt, Escape") << int(Qt::Key_E) << "AB" << int(Qt::Key_Escape);
    QTest::newRow("decrypt, Return") << int(Qt::Key_D) << "Tb9vîf" << int(Qt::Key_Return);
    QTest::newRow("decrypt, Escape") << int(Qt::Key_D) << "Tb9vîf" << int(Qt::Key_Escape);
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
    QCOMPARE(driver->note()->toPlainText(), text);
    QCOMPARE(driver->note()->document()->availableUndoSteps(), undoSteps);
}

void OffersTest::offersNoSpacesWhereNoneCanHelp() {
    // At the length limit there is no room for a single space.
    std::u32string longest;
    for (int index = 0; index < 4681; ++index) {
        longest += cipher.alphabetCharacter(index * 37 % 127 + 1);
    }
    QVERIFY_THROWS_EXCEPTION(cipher::ZeroGroupError, (void)cipher.encryptText(longest));
    driver->paste(toQString(longest));
    driver->answerNextMessage(Qt::Key_Return);
    driver->press(Qt::Key_E);

    QVERIFY(driver->lastMessage().shown);
    QCOMPARE(driver->lastMessage().buttons.size(), 1);
    QVERIFY2(driver->lastMessage().text.contains("shorter pieces"),
             qPrintable(driver->lastMessage().text));
    QCOMPARE(driver->note()->toPlainText(), toQString(longest));
}

void OffersTest::decryptsAnywayWhenAltAIsPressed() {
    driver->press(Qt::Key_E);  // "Text" and a line break become "Tb9vîf"
    driver->answerNextMessage(Qt::Key_A, Qt::AltModifier);
    driver->press(Qt::Key_D);

    QVERIFY(driver->lastMessage().shown);
    QCOMPARE(driver->note()->toPlainText(), "Text" + kReplacement + kReplacement);
    QVERIFY2(driver->status().contains("2 characters could not come back"),
             qPrintable(driver->status()));
    driver->press(Qt::Key_Z);
    QCOMPARE(driver->note()->toPlainText(), QString("Tb9vîf"));
}

QTEST_MAIN(OffersTest)
#include "offers_test.moc"
