// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QtTest>
#include <memory>
#include <random>

#include "cipher/text_cipher.h"
#include "cipher/zero_groups.h"
#include "notes/character_codes.h"
#include "notes/decrypted_note.h"
#include "notes/offered_line.h"
#include "notes/outlook.h"
#include "notes/outside_characters.h"
#include "notes/padding.h"
#include "notes/recovered_text.h"
#include "real_notes.h"
#include "sample_texts.h"
#include "window_driver.h"

namespace {

// A cipher text as it comes back from a mail: wrapped every 76 characters.
QString wrapped(const QString& text) {
    QString lines;
    for (qsizetype at = 0; at < text.size(); at += 76) {
        lines += text.mid(at, 76) + (at + 76 < text.size() ? "\r\n" : "");
    }
    return lines;
}

}  // namespace

// Notes come back from their cipher texts with their line breaks, and cipher
// texts that picked up characters on the way still decrypt.
class NoteRoundTripsTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { driver = std::make_unique<WindowDriver>(); }
    void cleanup() { driver.reset(); }

    void notesComeBackWithTheirLineBreaks_data();
    void notesComeBackWithTheirLineBreaks();
    void theInitialTextComesBack();
    void pickedUpCharactersAreOfferedAway_data();
    void pickedUpCharactersAreOfferedAway();
    void strayCharactersMeetingAZeroGroupAreOfferedAway_data();
    void strayCharactersMeetingAZeroGroupAreOfferedAway();
    void strayCharactersThatDecryptAreOfferedAwayInTheNote_data();
    void strayCharactersThatDecryptAreOfferedAwayInTheNote();
    void aCleanCipherTextShowsNeitherOffer();
    void anEditReplacesTheOfferWithTheLinesOwn();
    void tooLongMessageCountsAsTheUserDoes();

  private:
    // Encrypts what the text area holds, taking any offer, and returns the
    // line that the offer added, if any.
    std::u32string encryptTakingAnyOffer() {
        const std::u32string note = readNote(*driver->note());
        const std::u32string added =
            samples::encryptable(cipher, note).substr(notes::withCodes(cipher, note).size());
        driver->answerNextMessage(Qt::Key_A, Qt::AltModifier);
        driver->press(Qt::Key_E);
        return added;
    }
    // The cipher text of a note made so that adding stray at where either
    // meets a zero group on decryption or does not.
    QString travelled(const QString& stray, bool atStart, bool meetsZeroGroup);
    void addStrayCases();

    std::unique_ptr<WindowDriver> driver;
    const cipher::TextCipher cipher;
};

void NoteRoundTripsTest::notesComeBackWithTheirLineBreaks_data() {
    QTest::addColumn<QString>("note");
    QTest::newRow("shopping list") << "Shopping:\nmilk\neggs\nbread\n";
    QTest::newRow("blank lines") << "Dear Ann,\n\nthanks for the tea.\n\n\nBest, Bo";
    QTest::newRow("no line break at the end") << "12 Hill Road\nLeeds";
    QTest::newRow("starts with line breaks") << "\n\nindented by a blank line";
    QTest::newRow("only line breaks") << "\n\n\n";
    QTest::newRow("recipe") << "Pancakes\n- 2 eggs\n- 250 ml milk\n- 125 g flour\nMix, rest "
                               "30 min, fry.\n";
}

void NoteRoundTripsTest::notesComeBackWithTheirLineBreaks() {
    QFETCH(QString, note);
    driver->paste(note);
    const std::u32string added = encryptTakingAnyOffer();
    const QString cipherText = driver->note()->toPlainText();

    driver->answerNextMessage(Qt::Key_Escape);
    driver->press(Qt::Key_D);

    QVERIFY2(!driver->lastMessage().shown, qPrintable(driver->lastMessage().text));
    QCOMPARE(readNote(*driver->note()), samples::withLineBreaks(note.toStdU32String()));
    const auto lineBreaks = static_cast<int>(note.count('\n'));
    QCOMPARE(driver->note()->document()->blockCount(), lineBreaks + 1);
    const QString count =
        lineBreaks == 1 ? QString("1 line break") : QString("%1 line breaks").arg(lineBreaks);
    QCOMPARE(driver->status(),
             "Decrypted, with " + count + " put back. Ctrl+Z restores the cipher text.");
    driver->press(Qt::Key_Z);
    QCOMPARE(driver->note()->toPlainText(), cipherText);
}

void NoteRoundTripsTest::theInitialTextComesBack() {
    driver->press(Qt::Key_E);
    QCOMPARE(driver->note()->toPlainText(), QString("Tb9vîf"));
    driver->answerNextMessage(Qt::Key_Escape);
    driver->press(Qt::Key_D);
    QVERIFY(!driver->lastMessage().shown);
    QCOMPARE(driver->rawText(), "Text" + QString(QChar::ParagraphSeparator));
}

QString NoteRoundTripsTest::travelled(const QString& stray, bool atStart, bool meetsZeroGroup) {
    std::mt19937 random(47);
    for (int variant = 0; variant < 400; ++variant) {
        const std::u32string cipherText =
            samples::cipherTextOf(cipher, samples::alphabetText(cipher, 8, random));
        const std::u32string picked =
            atStart ? stray.toStdU32String() + cipherText : cipherText + stray.toStdU32String();
        const bool zeroGroup =
            notes::decryptTextLeniently(cipher, picked).find(U'\uFFFD') != std::u32string::npos;
        if (zeroGroup == meetsZeroGroup) {
            return toQString(picked);
        }
    }
    return {};
}

void NoteRoundTripsTest::addStrayCases() {
    QTest::addColumn<QString>("cipherText");
    QTest::addColumn<QString>("clean");
    QTest::addColumn<QString>("named");
}

namespace {

// Notes whose cipher texts pick things up on the way.
const char* const kNotes[] = {
    "Dentist on Tuesday at 10:30, bring the insurance card.",
    "Einkaufsliste: Milch, Eier, Brot und zwei Kilo \u00C4pfel f\u00FCr den Kuchen.",
    "Rendez-vous chez \u00C9milie samedi \u00E0 15 h, apporter le g\u00E2teau.",
    "Recordar: pagar la factura del gas antes del viernes 12.",
    "Milk\neggs\nbread\nbutter\nremember the stamps for the letters",
};

}  // namespace

void NoteRoundTripsTest::pickedUpCharactersAreOfferedAway_data() {
    QTest::addColumn<QString>("note");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("named");
    const struct {
        const char* name;
        const char* before;
        const char* after;
        const char* named;
    } pickups[] = {
        {"a space before", " ", "", "1 space at the start"},
        {"a space after", "", " ", "1 space at the end"},
        {"two spaces after", "", "  ", "2 spaces at the end"},
        {"a tab before", "\t", "", "1 tab at the start"},
        {"a line break after", "", "\r\n", "1 line break at the end"},
        {"a space before, a line break after", " ", "\r\n",
         "1 space at the start and 1 line break at the end"},
    };
    for (const char* note : kNotes) {
        for (const auto& pickup : pickups) {
            QTest::addRow("%s: %.20s", pickup.name, note)
                << QString::fromUtf8(note) << pickup.before << pickup.after << pickup.named;
        }
    }
}

// Each gets the offer, which gives the note back exactly; Ctrl+Z brings back
// the cipher text as it was pasted.
void NoteRoundTripsTest::pickedUpCharactersAreOfferedAway() {
    QFETCH(QString, note);
    QFETCH(QString, before);
    QFETCH(QString, after);
    QFETCH(QString, named);
    const std::u32string typed = samples::withLineBreaks(note.toStdU32String());
    const QString pasted = before + toQString(samples::cipherTextOf(cipher, typed)) + after;
    driver->paste(pasted);
    const QString shown = driver->note()->toPlainText();
    driver->answerNextMessage(Qt::Key_W, Qt::AltModifier);
    driver->press(Qt::Key_D);

    QVERIFY(driver->lastMessage().shown);
    const bool one = named.startsWith("1 ") && !named.contains(" and ");
    QCOMPARE(driver->lastMessage().buttons,
             QStringList({one ? "Decrypt &Without It" : "Decrypt &Without Them", "&Keep the Text",
                          "Decrypt &Anyway"}));
    QVERIFY2(driver->lastMessage().text.contains(": " + named + ".\n\n"),
             qPrintable(driver->lastMessage().text));
    QCOMPARE(readNote(*driver->note()), typed);
    QVERIFY2(driver->status().startsWith(
                 "Decrypted without what the cipher text had picked up: " + named + "."),
             qPrintable(driver->status()));
    for (int undo = driver->status().contains("Ctrl+Z shows it") ? 2 : 1; undo > 0; --undo) {
        driver->press(Qt::Key_Z);
    }
    QCOMPARE(driver->note()->toPlainText(), shown);
}

void NoteRoundTripsTest::strayCharactersMeetingAZeroGroupAreOfferedAway_data() {
    addStrayCases();
    for (bool atStart : {false, true}) {
        const QString text = travelled("\r\n", atStart, true);
        QTest::newRow(atStart ? "line break at the start" : "line break at the end")
            << text << toQString(notes::alphabetOnly(cipher, text.toStdU32String()))
            << (atStart ? ": 1 line break at the start." : ": 1 line break at the end.");
    }
    // Long enough to wrap, and to meet a zero group once wrapped.
    for (int variant = 0; variant < 50; ++variant) {
        const std::u32string long_ = samples::cipherTextOf(
            cipher, QString("Variant %1. ").arg(variant).repeated(20).toStdU32String());
        const QString mail = wrapped(toQString(long_));
        if (!notes::decryptRestoringLineBreaks(cipher, mail.toStdU32String()).complete()) {
            QTest::newRow("wrapped every 76 characters")
                << mail << toQString(long_) << "line breaks inside, as mail programs wrap lines";
            break;
        }
    }
}

void NoteRoundTripsTest::strayCharactersMeetingAZeroGroupAreOfferedAway() {
    QFETCH(QString, cipherText);
    QFETCH(QString, clean);
    QFETCH(QString, named);
    QVERIFY(!cipherText.isEmpty());
    const notes::DecryptedNote decrypted = notes::decryptNote(cipher, clean.toStdU32String());
    const std::u32string& plain = decrypted.text;
    driver->paste(cipherText);
    const QString pasted = driver->note()->toPlainText();
    driver->answerNextMessage(Qt::Key_W, Qt::AltModifier);
    driver->press(Qt::Key_D);

    QVERIFY(driver->lastMessage().shown);
    const bool one = driver->lastMessage().buttons.first() == "Decrypt &Without It";
    QCOMPARE(driver->lastMessage().buttons,
             QStringList({one ? "Decrypt &Without It" : "Decrypt &Without Them", "&Keep the Text",
                          "Decrypt &Anyway"}));
    QVERIFY2(driver->lastMessage().text.contains(named), qPrintable(driver->lastMessage().text));
    QVERIFY2(driver->lastMessage().text.contains(
                 one ? "\n\nDecrypt Without It takes it off and decrypts the rest; Decrypt Anyway "
                       "decrypts the text as it stands, with \uFFFD where a character cannot come "
                       "back; Keep the Text leaves it as it is."
                     : "\n\nDecrypt Without Them takes them off and decrypts the rest; Decrypt "
                       "Anyway decrypts the text as it stands, with \uFFFD where a character "
                       "cannot come back; Keep the Text leaves it as it is."),
             qPrintable(driver->lastMessage().text));
    QCOMPARE(readNote(*driver->note()), plain);
    QVERIFY2(driver->status().startsWith("Decrypted without what the cipher text had picked up: "),
             qPrintable(driver->status()));
    if (!decrypted.offeredLine.empty()) {
        driver->press(Qt::Key_Z);
        QCOMPARE(readNote(*driver->note()), decrypted.withOfferedLine());
    }
    driver->press(Qt::Key_Z);
    QCOMPARE(driver->note()->toPlainText(), pasted);
    // The undo is an edit like any other: the live line is back.
    QVERIFY2(driver->status().contains(" of 4,681 characters: "), qPrintable(driver->status()));
}

void NoteRoundTripsTest::strayCharactersThatDecryptAreOfferedAwayInTheNote_data() {
    addStrayCases();
    for (bool atStart : {false, true}) {
        const QString text = travelled("\r\n", atStart, false);
        QTest::newRow(atStart ? "line break at the start" : "line break at the end")
            << text << toQString(notes::alphabetOnly(cipher, text.toStdU32String()))
            << "1 line break";
    }
    QTest::newRow("a tab inside") << travelled("\t", false, false)
                                  << toQString(notes::alphabetOnly(
                                         cipher, travelled("\t", false, false).toStdU32String()))
                                  << "1 character that no cipher text has (tab)";
}

void NoteRoundTripsTest::strayCharactersThatDecryptAreOfferedAwayInTheNote() {
    QFETCH(QString, cipherText);
    QFETCH(QString, clean);
    QFETCH(QString, named);
    QVERIFY(!cipherText.isEmpty());
    driver->paste(cipherText);
    const QString pasted = driver->note()->toPlainText();
    const std::u32string asItStands = notes::decryptNote(cipher, readNote(*driver->note())).text;
    driver->answerNextMessage(Qt::Key_Escape);
    driver->press(Qt::Key_D);

    // The command's own result first, untouched.
    QVERIFY(!driver->lastMessage().shown);
    QCOMPARE(readNote(*driver->note()), asItStands);
    QCOMPARE(driver->status(), "Likely garbled: the cipher text held " + named +
                                   ". Decrypt Without It takes it off and decrypts again. "
                                   "Ctrl+Z restores the cipher text.");
    QVERIFY(driver->offer() != nullptr);
    QCOMPARE(driver->offer()->text(), QString("Decrypt &Without It"));

    driver->takeOffer(Qt::Key_W);
    QCOMPARE(QApplication::focusWidget(), driver->note());
    QCOMPARE(readNote(*driver->note()), notes::decryptNote(cipher, clean.toStdU32String()).text);
    QVERIFY(driver->offer() == nullptr);
    driver->press(Qt::Key_Z);
    QCOMPARE(driver->note()->toPlainText(), pasted);
    // The undo is an edit like any other: the live line is back.
    QVERIFY2(driver->status().contains(" of 4,681 characters: "), qPrintable(driver->status()));
}

void NoteRoundTripsTest::aCleanCipherTextShowsNeitherOffer() {
    driver->paste("ZST=q");
    driver->answerNextMessage(Qt::Key_Escape);
    driver->press(Qt::Key_D);
    QVERIFY(!driver->lastMessage().shown);
    QCOMPARE(driver->note()->toPlainText(), QString("Hello"));
    QCOMPARE(driver->status(), QString("Decrypted. Ctrl+Z restores the cipher text."));
    QVERIFY(driver->offer() == nullptr);
}

// The offer beside the note changes caption and action together while it
// stays in view.
void NoteRoundTripsTest::anEditReplacesTheOfferWithTheLinesOwn() {
    driver->paste(travelled("\t", false, false));
    driver->answerNextMessage(Qt::Key_Escape);
    driver->press(Qt::Key_D);
    QVERIFY(driver->offer() != nullptr);
    QCOMPARE(driver->offer()->text(), QString("Decrypt &Without It"));

    driver->press(Qt::Key_End, Qt::NoModifier);
    QTest::sendKeyEvent(QTest::Click, driver->note(), Qt::Key_unknown, QString::fromUtf8("\u2019"),
                        Qt::NoModifier);
    driver->settle();
    QVERIFY(driver->offer() != nullptr);
    QCOMPARE(driver->offer()->text(), QString("Use &Plain Forms"));
    // The offer takes the room its caption needs; the note has the rest.
    QCOMPARE(driver->offer()->width(), driver->offer()->sizeHint().width());
    driver->takeOffer(Qt::Key_P);
    QCOMPARE(QApplication::focusWidget(), driver->note());
    QVERIFY(driver->note()->toPlainText().endsWith('\''));
}

void NoteRoundTripsTest::tooLongMessageCountsAsTheUserDoes() {
    driver->paste(QString(4600, 'a') + QString("\n").repeated(45));
    driver->answerNextMessage(Qt::Key_Return);
    driver->press(Qt::Key_D);
    QCOMPARE(driver->lastMessage().text,
             QString("This text is too long for Decrypt Text: the cipher takes at most 4,681 "
                     "characters at a time, and counts 4,690 in this text, 9 too many. You see "
                     "4,645 characters, but each line break reaches the cipher as two, a carriage "
                     "return and a line feed, and this text has 45 line breaks.\n\nShorten it by 9 "
                     "characters (a line break counts as two), or transform it in pieces. The text "
                     "has not been changed."));

    driver->paste((QString(99, 'x') + '\n').repeated(100'000));
    driver->answerNextMessage(Qt::Key_Return);
    driver->press(Qt::Key_D);
    QVERIFY2(driver->lastMessage().text.startsWith(
                 "This text is too long for Decrypt Text: the cipher takes at most 4,681 "
                 "characters at a time, and counts 10,100,000 in this text, 10,095,319 too many. "
                 "You see 10,000,000 characters"),
             qPrintable(driver->lastMessage().text));
}

QTEST_MAIN(NoteRoundTripsTest)
#include "note_round_trips_test.moc"
