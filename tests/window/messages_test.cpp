// SPDX-License-Identifier: MIT
// Whole sentences as the user reads them, at the counts where wording
// changes: one, two and a count that needs grouping.
#include "messages.h"

#include <QtTest>

#include "character_names.h"
#include "notes/character_codes.h"
#include "translations.h"

namespace {

// A plan of pieces with these endings; one piece without an ending goes as it stands.
notes::EncryptionPlan plan(std::initializer_list<std::u32string> endings) {
    notes::EncryptionPlan plan;
    for (const std::u32string& ending : endings) {
        plan.pieces.push_back({0, 10, ending});
    }
    return plan;
}

// Tabs and then É, as the cipher lists them: in order of first appearance.
notes::OutsideCharacters strays(std::size_t tabs, std::size_t accents, std::size_t lineBreaks = 0) {
    notes::OutsideCharacters characters{tabs + accents, lineBreaks, {}};
    if (tabs != 0) {
        characters.kinds.push_back({U'\t', tabs});
    }
    if (accents != 0) {
        characters.kinds.push_back({U'É', accents});
    }
    return characters;
}

// ß and then tabs, as they travel as codes.
notes::CodedCharacters coded(std::size_t sharpS, std::size_t tabs) {
    notes::CodedCharacters codes{sharpS + tabs, 6 * sharpS + 3 * tabs, {}};
    if (sharpS != 0) {
        codes.kinds.push_back({U'ß', sharpS, U"&szlig;"});
    }
    if (tabs != 0) {
        codes.kinds.push_back({U'\t', tabs, U"&#9;"});
    }
    return codes;
}

notes::DecryptedNote decrypted(std::size_t lineBreaks = 0, std::size_t marks = 0,
                               std::size_t codes = 0, const std::u32string& offeredLine = U"",
                               bool certain = true) {
    notes::DecryptedNote note;
    note.lineBreaks = lineBreaks;
    note.marks = marks;
    note.codes = codes;
    note.offeredLine = offeredLine;
    note.lineBreaksCertain = certain;
    return note;
}

using DecryptVerdict = notes::DecryptionOutlook::Verdict;

notes::DecryptionOutlook decryption(DecryptVerdict verdict, const notes::DecryptedNote& note,
                                    bool readsLikeText = true,
                                    const notes::OutsideCharacters& strayCharacters = {}) {
    notes::DecryptionOutlook outlook;
    outlook.verdict = verdict;
    outlook.decrypted = note;
    outlook.readsLikeText = readsLikeText;
    outlook.strays = strayCharacters;
    return outlook;
}

// Picked up: white space at the ends, line breaks and tabs inside; with a
// decryption without them.
notes::DecryptionOutlook pickedUp(const notes::EndSpace& atStart, const notes::EndSpace& atEnd,
                                  const notes::OutsideCharacters& inside,
                                  const notes::DecryptedNote& without) {
    notes::DecryptionOutlook outlook = decryption(DecryptVerdict::PickedUp, {}, false, inside);
    outlook.pickedUp.atStart = atStart;
    outlook.pickedUp.atEnd = atEnd;
    outlook.pickedUp.inside = inside;
    outlook.withoutPickedUp = without;
    return outlook;
}

// The note after Decrypt Without Them.
QString decryptedWithout(const notes::EndSpace& atStart, const notes::EndSpace& atEnd,
                         const notes::OutsideCharacters& inside,
                         const notes::DecryptedNote& without) {
    notes::PickedUp picked;
    picked.atStart = atStart;
    picked.atEnd = atEnd;
    picked.inside = inside;
    return Messages::decryptedWithoutPickedUp(without, picked);
}

notes::Outlook outlook(std::size_t length, notes::Outlook::Verdict verdict, std::size_t added = 0,
                       std::size_t pieces = 1, notes::CodedCharacters codes = {}) {
    notes::Outlook outlook;
    outlook.length = {length, 0, codes.addedLength};
    outlook.verdict = verdict;
    outlook.added = added;
    outlook.pieces = pieces;
    outlook.codes = std::move(codes);
    return outlook;
}

}  // namespace

class MessagesTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { installTranslations(*QCoreApplication::instance()); }
    void readsAsWritten_data();
    void readsAsWritten();
    void namesEachCharacterAsItLooks_data();
    void namesEachCharacterAsItLooks();
    void spotsSixKindsAndCountsTheRest();
};

void MessagesTest::readsAsWritten_data() {
    using Verdict = notes::Outlook::Verdict;
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("expected");
    const auto row = [](const char* name, const QString& shown, const QString& expected) {
        QTest::newRow(name) << shown << expected;
    };

    row("encrypted, whole", Messages::encrypted({}, plan({U""})),
        "Encrypted. Decrypt Text brings the text back whole. Ctrl+Z restores the text.");
    row("encrypted, with an ending", Messages::encrypted({}, plan({U"~~."})),
        "Encrypted, with 3 characters added at the end, after a ~. Decrypt Text takes them off "
        "and brings the text back whole. Ctrl+Z restores the text.");
    row("encrypted, 1 code", Messages::encrypted(coded(0, 1), plan({U""})),
        "Encrypted. 1 character travels as a code: tab as &#9;. Decrypt Text brings the text "
        "back whole. Ctrl+Z restores the text.");
    row("encrypted, 3 codes, 2 pieces", Messages::encrypted(coded(2, 1), plan({U"~1+~", U"~2=~"})),
        "Encrypted in 2 pieces, one to a line with an empty line between, each ending in its "
        "number after a ~. 3 characters travel as codes: ß as &szlig; (2), tab as &#9;. Decrypt "
        "Text takes them off and brings the text back whole. Ctrl+Z restores the text.");

    const auto decrypts = [](const notes::DecryptedNote& note) {
        return decryption(DecryptVerdict::Decrypts, note);
    };
    row("decrypted", Messages::decrypted(decrypts(decrypted())),
        "Decrypted. Ctrl+Z restores the cipher text.");
    row("decrypted, 1 line break", Messages::decrypted(decrypts(decrypted(1))),
        "Decrypted, with 1 line break put back. Ctrl+Z restores the cipher text.");
    row("decrypted, 1 code", Messages::decrypted(decrypts(decrypted(0, 0, 1))),
        "Decrypted. 1 code was read back as its character. Ctrl+Z restores the cipher text.");
    row("decrypted, 2 codes and the line",
        Messages::decrypted(decrypts(decrypted(3, 0, 2, U"\r\n ~"))),
        "Decrypted, with 3 line breaks put back. 2 codes were read back as their characters. The "
        "line that Encrypt Text had added at the end was taken off: Ctrl+Z shows it, and Ctrl+Z "
        "again restores the cipher text.");
    row("decrypted into no text",
        Messages::decrypted(decryption(DecryptVerdict::DecryptsIntoNoText, decrypted(), false)),
        "This result does not read like text. Decrypted. Ctrl+Z brings back what was there.");

    const auto anywayNote = [](const notes::DecryptedNote& note, bool text) {
        return Messages::decryptedAnyway(decryption(DecryptVerdict::CannotComeBack, note, text));
    };
    row("anyway, 1,234 line breaks and 1 mark", anywayNote(decrypted(1234, 1), true),
        "Decrypted, with 1,234 line breaks put back. 1 character could not come back and is "
        "marked �. Ctrl+Z restores the cipher text.");
    row("anyway, 2 marks", anywayNote(decrypted(0, 2), true),
        "Decrypted. 2 characters could not come back and are marked �. Ctrl+Z restores the cipher "
        "text.");
    row("anyway, 2 line breaks that may be lost characters",
        anywayNote(decrypted(2, 1, 0, U"", false), true),
        "Decrypted, with 2 line breaks put back. 1 character could not come back and is marked "
        "�. Two such characters side by side look like a line break, so a line break may stand "
        "for two of them. Ctrl+Z restores the cipher text.");
    row("anyway, no text", anywayNote(decrypted(0, 0), false),
        "This result does not read like text. Decrypted at your word. Ctrl+Z brings back what was "
        "there.");
    row("anyway, no text, 3 line breaks and 2 marks", anywayNote(decrypted(3, 2), false),
        "This result does not read like text. Decrypted at your word, with 3 line breaks put "
        "back. 2 characters could not come back and are marked �. Ctrl+Z brings back what was "
        "there.");

    const auto despite = [](const notes::OutsideCharacters& held, bool offer) {
        notes::DecryptionOutlook outlook =
            decryption(DecryptVerdict::DecryptsDespitePickedUp, decrypted(), true, held);
        if (offer) {
            outlook.withoutPickedUp = decrypted();
        }
        return Messages::decrypted(outlook);
    };
    row("with 1 stray", despite(strays(1, 0), false),
        "Likely garbled: the cipher text held 1 character that no cipher text has (tab). Ctrl+Z "
        "restores the cipher text.");
    row("with 1 line break and 1 stray, offered", despite(strays(1, 0, 1), true),
        "Likely garbled: the cipher text held 1 line break and 1 character that no cipher text "
        "has (tab). Decrypt Without Them takes them off and decrypts again. Ctrl+Z restores the "
        "cipher text.");

    row("without 1 space at the end", decryptedWithout({}, {1, 0, 0}, {}, decrypted()),
        "Decrypted without what the cipher text had picked up: 1 space at the end. Ctrl+Z "
        "restores the cipher text as it was.");
    row("without 2 line breaks inside, 1 back",
        decryptedWithout({}, {}, strays(0, 0, 2), decrypted(1)),
        "Decrypted without what the cipher text had picked up: 2 line breaks inside, as mail "
        "programs wrap lines. 1 line break was put back. Ctrl+Z restores the cipher text as it "
        "was.");
    row("without a tab at the start, a tab inside, 2 spaces and a line break at the end",
        decryptedWithout({0, 1, 0}, {2, 0, 1}, strays(1, 0), decrypted(2, 0, 0, U"\r\n~")),
        "Decrypted without what the cipher text had picked up: 1 tab at the start, 1 character "
        "that no cipher text has (tab) and 2 spaces and 1 line break at the end. 2 line breaks "
        "were put back. The line that Encrypt Text had "
        "added at the end was taken off: Ctrl+Z shows it, and Ctrl+Z again restores the cipher "
        "text as it was.");

    const QString why =
        " A line break counts as two characters, a code as its length. The cipher's alphabet has "
        "letters such as ä and é, but not these: each travels as a code of alphabet characters, "
        "written as HTML writes it. ";
    row("outlook, as it is", Messages::outlook(outlook(12, Verdict::AsItIs)),
        "12 of 4,681 characters: Encrypt Text takes it as it is. A line break counts as two "
        "characters.");
    row("outlook, an ending", Messages::outlook(outlook(4000, Verdict::WithEnding, 1)),
        "4,000 of 4,681 characters: Encrypt Text adds 1 character at the end so that it "
        "encrypts. A line break counts as two characters.");
    row("outlook, 3 pieces, 1 code",
        Messages::outlook(outlook(4681, Verdict::InPieces, 14, 3, coded(1, 0))),
        "4,681 characters, 3 pieces: Encrypt Text writes each as a cipher text of its own. ß "
        "travels as a code." +
            why + "1 character travels as a code, 6 characters longer: ß as &szlig;.");
    // Typed in place of the ß: as many codes, another kind.
    row("outlook, 3 pieces, another code",
        Messages::outlook(outlook(4681, Verdict::InPieces, 14, 3, coded(0, 1))),
        "4,681 characters, 3 pieces: Encrypt Text writes each as a cipher text of its own. A tab "
        "travels as a code." +
            why + "1 character travels as a code, 3 characters longer: tab as &#9;.");
    row("outlook, pieces not counted", Messages::outlook(outlook(12012, Verdict::InPieces, 0, 0)),
        "12,012 characters: Encrypt Text writes it in pieces of at most 4,681. A line break "
        "counts as two characters.");
    row("outlook, 1 too many, 3 codes",
        Messages::outlook(outlook(2000001, Verdict::TooLong, 0, 0, coded(1, 2))),
        "2,000,001 characters: 1 over the limit of 2,000,000. ß and tabs travel as codes." + why +
            "3 characters travel as codes, 12 characters longer: ß as &szlig;, tab as &#9; (2).");
    row("note too long", Messages::noteTooLong({2000012, 0}),
        "This text is too long for Encrypt Text: it takes at most 2,000,000 characters, in "
        "pieces, and counts 2,000,012 in this text, 12 too many. Keep the rest in a second text. "
        "The text has not been changed.");

    row("too long by 1", Messages::tooLong(Command::Encrypt, {4682, 0}),
        "This text is too long for Encrypt Text: the cipher takes at most 4,681 characters at a "
        "time, and this text has 4,682, 1 too many.\n\nShorten it by 1 character, or transform "
        "it in pieces. The text has not been changed.");
    row("too long with 1 line break", Messages::tooLong(Command::Decrypt, {4700, 1}),
        "This text is too long for Decrypt Text: the cipher takes at most 4,681 characters at a "
        "time, and counts 4,700 in this text, 19 too many. You see 4,699 characters, but each "
        "line break reaches the cipher as two, a carriage return and a line feed, and this text "
        "has 1 line break.\n\nShorten it by 19 characters (a line break counts as two), or "
        "transform it in pieces. The text has not been changed.");
    row("too long with 2 line breaks", Messages::tooLong(Command::Encrypt, {4683, 2}),
        "This text is too long for Encrypt Text: the cipher takes at most 4,681 characters at a "
        "time, and counts 4,683 in this text, 2 too many. You see 4,681 characters, but each "
        "line break reaches the cipher as two, a carriage return and a line feed, and this text "
        "has 2 line breaks.\n\nShorten it by 2 characters (a line break counts as two), or "
        "transform it in pieces. The text has not been changed.");
    row("too long with codes", Messages::tooLong(Command::Encrypt, {4690, 0, 12}),
        "This text is too long for Encrypt Text: the cipher takes at most 4,681 characters at a "
        "time, and counts 4,690 in this text, 9 too many. You see 4,678 characters, but the "
        "codes for characters outside the cipher's alphabet add 12 characters.\n\nShorten it by 9 "
        "characters (a line break counts as two, a code as its length), or transform it in "
        "pieces. The text has not been changed.");
    row("too long with a line break and codes", Messages::tooLong(Command::Encrypt, {4682, 1, 6}),
        "This text is too long for Encrypt Text: the cipher takes at most 4,681 characters at a "
        "time, and counts 4,682 in this text, 1 too many. You see 4,675 characters, but each "
        "line break reaches the cipher as two, a carriage return and a line feed, and this text "
        "has 1 line break, and the codes for characters outside the cipher's alphabet add 6 "
        "characters.\n\nShorten it by 1 character (a line break counts as two, a code as its "
        "length), or transform it in pieces. The text has not been changed.");

    // Two sentences: what the text looks like, then what each button does.
    const QString anyway =
        "\n\nDecrypt Anyway decrypts the rest and puts � where a character cannot come back; Keep "
        "the Text leaves it as it is.";
    const auto question = [](DecryptVerdict verdict, const notes::DecryptedNote& note,
                             bool text = true, const notes::OutsideCharacters& held = {}) {
        return Messages::decryptionQuestion(decryption(verdict, note, text, held));
    };
    row("question, not a cipher text", question(DecryptVerdict::NotACipherText, decrypted(), false),
        "This looks like an ordinary text, not a cipher text: Encrypt Text (Ctrl+E) may be what "
        "you meant.\n\nDecrypt Anyway decrypts it all the same, and Ctrl+Z brings it back; Keep "
        "the Text leaves it as it is.");
    row("question, 1 space at the end",
        Messages::decryptionQuestion(pickedUp({}, {1, 0, 0}, {}, decrypted())),
        "This looks like a cipher text that picked up a character on the way, in a mail or a "
        "chat: 1 space at the end.\n\nDecrypt Without It takes it off and decrypts the rest; "
        "Decrypt Anyway decrypts the text as it stands, with � where a character cannot come "
        "back; Keep the Text leaves it as it is.");
    row("question, 2 spaces at the start, a line break inside",
        Messages::decryptionQuestion(pickedUp({2, 0, 0}, {}, strays(0, 0, 1), decrypted())),
        "This looks like a cipher text that picked up characters on the way, in a mail or a "
        "chat: 2 spaces at the start and 1 line break inside, as mail programs wrap lines.\n\n"
        "Decrypt Without Them takes them off and decrypts the rest; Decrypt Anyway decrypts the "
        "text as it stands, with � where a character cannot come back; Keep the Text leaves it "
        "as it is.");
    const QString earlier =
        "This looks like a cipher text from an earlier version of Text Cipher, which could not "
        "keep characters outside the cipher's alphabet (a tab, for instance, or a letter such as "
        "É): ";
    row("question, 1 mark", question(DecryptVerdict::CannotComeBack, decrypted(0, 1)),
        earlier + "1 character of its note cannot come back." + anyway);
    row("question, 3 marks, line breaks that may be more",
        question(DecryptVerdict::CannotComeBack, decrypted(2, 3, 0, U"", false)),
        earlier + "at least 3 characters of its note cannot come back." + anyway);
    row("question, 2 marks and no text",
        question(DecryptVerdict::CannotComeBack, decrypted(0, 2), false),
        "This does not look like a cipher text that Encrypt Text made: in 2 places it decrypts "
        "into nothing, and the rest does not read like text." +
            anyway);
    row("question, 2 strays",
        question(DecryptVerdict::CannotComeBack, decrypted(0, 1), false, strays(1, 0, 1)),
        "This looks like a garbled cipher text: it picked up 1 line break and 1 character that "
        "no cipher text has (tab) on the way, and without what it picked up it still does not "
        "decrypt in full into text.\n\nDecrypt Anyway decrypts it as it stands, with � where a "
        "character cannot come back; Keep the Text leaves it as it is.");
}

void MessagesTest::readsAsWritten() {
    QFETCH(QString, shown);
    QFETCH(QString, expected);
    QCOMPARE(shown, expected);
}

void MessagesTest::namesEachCharacterAsItLooks_data() {
    QTest::addColumn<char32_t>("character");
    QTest::addColumn<QString>("name");
    const struct {
        char32_t character;
        const char* name;
    } names[] = {
        {U'\t', "tab"},
        {U'\r', "carriage return"},
        {U'\n', "line feed"},
        {0x00A0, "no-break space"},
        {0x202F, "narrow no-break space"},
        {0x2009, "thin space"},
        {0x200B, "zero-width space"},
        {0xFEFF, "zero-width no-break space"},
        {0x2028, "line separator"},
        {0x2018, "left single quote \u2018"},
        {0x2019, "right single quote \u2019"},
        {0x201A, "low single quote \u201A"},
        {0x201C, "left double quote \u201C"},
        {0x201D, "right double quote \u201D"},
        {0x201E, "low double quote \u201E"},
        {0x2013, "en dash \u2013"},
        {0x2014, "em dash \u2014"},
        {0x2212, "minus sign \u2212"},
        {0x2026, "ellipsis \u2026"},
        {0xFFFD, "replacement mark \uFFFD"},
        // Unnamed: other spaces by their code, invisible ones by code, the rest as they look.
        {0x2003, "space U+2003"},
        {0x0007, "U+0007"},
        {0x200E, "U+200E"},
        {0x00C9, "\u00C9"},
        {0x1F600, "\U0001F600"},
    };
    for (const auto& [character, name] : names) {
        QTest::newRow(name) << character << QString::fromUtf8(name);
    }
}

void MessagesTest::namesEachCharacterAsItLooks() {
    QFETCH(char32_t, character);
    QFETCH(QString, name);
    QCOMPARE(characterName(character), name);
}

// The live line names six kinds of coded characters; one more is named
// too, rather than counted as "1 other".
void MessagesTest::spotsSixKindsAndCountsTheRest() {
    const auto spotted = [](std::u32string_view characters) {
        notes::CodedCharacters codes{characters.size(), 0, {}};
        for (char32_t character : characters) {
            codes.kinds.push_back({character, 1, notes::codeFor(character)});
        }
        return compactCodedList(codes).text;
    };
    QCOMPARE(spotted(U"\u00DF\u00C9\t\u2019\u00E3\u00C4\u0153"),
             QString::fromUtf8("\u00DF, \u00C9, a tab, \u2019, \u00E3, \u00C4 "
                               "and \u0153"));
    QCOMPARE(spotted(U"\u00DF\u00C9\t\u2019\u00E3\u00C4\u0153\u00F1"),
             QString::fromUtf8("\u00DF, \u00C9, a tab, \u2019, \u00E3, \u00C4 "
                               "and 2 others"));
}

QTEST_MAIN(MessagesTest)
#include "messages_test.moc"
