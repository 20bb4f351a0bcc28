// SPDX-License-Identifier: MIT
#include "form1.h"

#include <QAction>
#include <QKeySequence>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <algorithm>
#include <future>

#include "application_icon.h"
#include "focus_hold.h"
#include "heap_trim.h"
#include "live_note.h"
#include "messages.h"
#include "note_edit.h"
#include "note_replacement.h"
#include "note_text.h"
#include "notes/already_encrypted.h"
#include "notes/character_codes.h"
#include "notes/decryption_outlook.h"
#include "notes/note_encryption.h"
#include "notes/note_pieces.h"
#include "notes/plain_forms.h"
#include "status_line.h"

namespace {

// The client area below the menu bar, and the text area, which is one pixel
// wider than the client area so that its right border stays out of sight.
constexpr QSize kClientSize(512, 345);
constexpr QRect kTextAreaGeometry(0, 0, 513, 345);

}  // namespace

Form1::Form1(QWidget* parent) : QMainWindow(parent) {
    setObjectName("Form1");
    setWindowTitle("Form1");
    // Its five pictures take milliseconds to decode, and the desktop shows
    // them a moment after the window all the same: the window shows first.
    QTimer::singleShot(0, this, [this] { setWindowIcon(applicationIcon()); });
    createTextArea();
    createActions();
    createMenus();
    createStatusLine();
    // The text area keeps its size, so a larger window would only show empty
    // space, and a maximize button would do nothing.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    // First to hear of a change: a long text that comes in is worked on
    // while the live line counts it.
    commandAhead = std::make_unique<CommandAhead>(textCipher(), *txtnote);
    liveNote = new LiveNote(textCipher(), *txtnote);
    connect(commandAhead.get(), &CommandAhead::encrypted, liveNote, &LiveNote::planned);
    connect(commandAhead.get(), &CommandAhead::decrypted, liveNote, &LiveNote::decryptable);
    constexpr int kAfterCommandMilliseconds = 400;
    freeMemoryLater.setSingleShot(true);
    freeMemoryLater.setInterval(kAfterCommandMilliseconds);
    connect(&freeMemoryLater, &QTimer::timeout, this, [this] {
        spentAhead.reset();
        liveNote->forgetReplaced();
        giveBackFreeMemory();
    });
    connect(liveNote, &LiveNote::changed, this, &Form1::textEdited);
    // Counted after a command, the pieces of its result wait for the next edit.
    connect(liveNote, &LiveNote::recounted, this, [this] {
        if (!commandNoteShown) {
            showOutlook();
        }
    });
    textEdited();
}

void Form1::createTextArea() {
    auto* client = new QWidget(this);
    client->setFixedSize(kClientSize);
    setCentralWidget(client);

    txtnote = new NoteEdit(client);
    txtnote->setObjectName("txtnote");
    txtnote->setAccessibleName(tr("Text"));
    // Read again whenever the text area gets the focus back: short.
    txtnote->setAccessibleDescription(tr("Ctrl+E encrypts, Ctrl+D decrypts."));
    txtnote->setGeometry(kTextAreaGeometry);
    txtnote->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Cipher texts are long runs without spaces: break them anywhere rather
    // than scroll sideways.
    txtnote->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    QFont font("Times New Roman");
    font.setPointSizeF(14.25);
    font.setWeight(QFont::Normal);
    txtnote->setFont(font);
    txtnote->setPlainText("Text\n");
    // Selected, so that the first keystroke or paste replaces it; the
    // commands take the whole text whatever is selected.
    txtnote->selectAll();
    txtnote->setFocus();
}

void Form1::createActions() {
    mnuET = new QAction(menuCaption(Command::Encrypt), this);
    mnuET->setObjectName("mnuET");
    mnuET->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    connect(mnuET, &QAction::triggered, this, &Form1::encryptText);

    mnuDT = new QAction(menuCaption(Command::Decrypt), this);
    mnuDT->setObjectName("mnuDT");
    mnuDT->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    connect(mnuDT, &QAction::triggered, this, &Form1::decryptText);
}

void Form1::createMenus() {
    mnuFile = menuBar()->addMenu(tr("&File"));
    mnuFile->setObjectName("mnuFile");
    mnuFile->addAction(mnuET);
    mnuFile->addAction(mnuDT);
    holdFocusWhileClosing(*mnuFile);
    // At fractional scale factors (1.25, 1.5, 1.75) a widget that starts
    // between two device pixels loses its bottom border to rounding; with the
    // menu bar a multiple of 4 pixels high, the text area starts on a whole
    // device pixel at every one of them.
    const int menuHeight = menuBar()->sizeHint().height();
    menuBar()->setFixedHeight((menuHeight + 3) / 4 * 4);
}

void Form1::createStatusLine() {
    statusLine = new StatusLine(this);
    statusBar()->addWidget(statusLine, 1);
    statusBar()->setSizeGripEnabled(false);
}

// Every note within the limit encrypts at once: where it needs an ending
// or pieces, the message says so, and Ctrl+Z takes it back.
void Form1::encryptText() {
    const notes::Outlook outlook = liveNote->outlook();
    if (outlook.verdict == notes::Outlook::Verdict::TooLong) {
        refuse(Command::Encrypt, Messages::noteTooLong(outlook.length));
    } else if (std::optional<CommandAhead::Result> ahead = commandAhead->take(Command::Encrypt)) {
        // A note that looks like a cipher text is never encrypted ahead.
        writeAhead(std::move(*ahead), Messages::encrypted(outlook.codes, ahead->plan, false));
    } else {
        encryptNote(outlook.codes);
    }
    txtnote->setFocus();
}

namespace {

struct Encrypted {
    notes::NoteEncryption encryption;
    bool alreadyEncrypted = false;
};

}  // namespace

// A long note is encrypted on another core while the text area lets go of
// it: for a million characters each takes about as long as the other.
void Form1::encryptNote(const notes::CodedCharacters& codes) {
    const QString raw = rawText(*txtnote);
    std::future<Encrypted> encrypting =
        std::async(std::launch::async, [&onThread = textCipher(), raw] {
            const std::u32string note = noteOfRawText(raw);
            return Encrypted{notes::encryptNote(onThread, note),
                             notes::looksAlreadyEncrypted(onThread, note)};
        });
    NoteReplacement replacement = replacingNote();
    replacement.letGo(raw);
    const Encrypted encrypted = encrypting.get();
    writeResult(replacement, encrypted.encryption.cipherText,
                Messages::encrypted(codes, encrypted.encryption.plan, encrypted.alreadyEncrypted));
}

void Form1::writeAhead(CommandAhead::Result&& ahead, const QString& message) {
    NoteReplacement replacement = replacingNote();
    showCommandNote(message);
    writingResult = true;
    commandAhead->commandWrites();
    liveNote->expectCounted(std::move(ahead.tally));
    replacement.write(ahead.text);
    finishWriting();
    // Freeing its megabytes takes a millisecond: later, with the rest.
    spentAhead = std::move(ahead);
}

// Decrypt Text goes straight to the decrypted text: its digits would only be
// seen when decoding fails, and then they would have replaced the cipher text.
void Form1::decryptText() {
    if (std::optional<CommandAhead::Result> ahead = commandAhead->take(Command::Decrypt)) {
        writeAhead(std::move(*ahead), Messages::decryptedPieces(ahead->pieces));
        txtnote->setFocus();
        return;
    }
    const std::u32string text = readNote(*txtnote);
    if (const auto pieces = notes::decryptPieces(textCipher(), text)) {
        if (pieces->unreadable != 0) {
            refuse(Command::Decrypt, Messages::unreadablePiece(*pieces));
        } else if (pieces->gap) {
            refuse(Command::Decrypt, Messages::piecesOutOfPlace(*pieces->gap));
        } else {
            writeResult(pieces->text, Messages::decryptedPieces(*pieces));
        }
        txtnote->setFocus();
        return;
    }
    const notes::DecryptionOutlook outlook = notes::decryptionOutlookOf(textCipher(), text);
    if (outlook.decrypted.complete() &&
        (outlook.decrypted.piece > 1 || outlook.decrypted.continues)) {
        refuse(Command::Decrypt, Messages::lonePiece(outlook.decrypted));
        txtnote->setFocus();
        return;
    }
    using Verdict = notes::DecryptionOutlook::Verdict;
    switch (outlook.verdict) {
        case Verdict::Decrypts:
        case Verdict::DecryptsIntoNoText:
            writeDecryption(outlook.decrypted, Messages::decrypted(outlook));
            break;
        case Verdict::DecryptsDespitePickedUp:
            writeDecryptionOfferingWithout(outlook);
            break;
        case Verdict::NotACipherText:
        case Verdict::PickedUp:
        case Verdict::CutShort:
        case Verdict::CannotComeBack:
            askAboutDecryption(outlook);
            break;
        case Verdict::TooLong:
            refuse(Command::Decrypt, Messages::tooLong(Command::Decrypt, outlook.length));
            break;
    }
    txtnote->setFocus();
}

// Nothing is written unless the user takes an offer. Where a way without
// what the text picked up is offered, that is the dialog's own answer, and
// Decrypt Anyway stands apart from it.
void Form1::askAboutDecryption(const notes::DecryptionOutlook& outlook) {
    const bool withoutOffered = outlook.verdict == notes::DecryptionOutlook::Verdict::PickedUp;
    QList<DialogOffer> offers{{Messages::decryptAnywayCaption(),
                               withoutOffered ? QMessageBox::ActionRole : QMessageBox::AcceptRole}};
    if (withoutOffered) {
        offers.append({Messages::withoutPickedUpCaption(Messages::pickedUpCount(outlook.pickedUp)),
                       QMessageBox::AcceptRole});
    }
    const std::optional<int> taken =
        ask(Command::Decrypt, Messages::decryptionQuestion(outlook), offers);
    if (taken == 0) {
        writeDecryption(outlook.decrypted, Messages::decryptedAnyway(outlook));
    } else if (taken == 1) {
        writeDecryptionWithoutPickedUp(outlook);
    }
}

// A cipher text with characters that no cipher text has that still decrypts
// into text: the result is what it is, and removing them is the user's choice.
void Form1::writeDecryptionOfferingWithout(const notes::DecryptionOutlook& outlook) {
    StatusOffer without;
    if (outlook.withoutPickedUp) {
        without.caption =
            Messages::withoutPickedUpCaption(Messages::pickedUpCount(outlook.pickedUp));
        without.take = [this, outlook] {
            // Takes back the decryption first, so that Ctrl+Z restores the cipher text.
            undoLastCommand();
            writeDecryptionWithoutPickedUp(outlook);
            txtnote->setFocus();
        };
    }
    writeDecryption(outlook.decrypted, Messages::decrypted(outlook), std::move(without));
}

void Form1::writeDecryptionWithoutPickedUp(const notes::DecryptionOutlook& outlook) {
    if (const auto& without = outlook.withoutPickedUp) {
        writeDecryption(*without, Messages::decryptedWithoutPickedUp(*without, outlook.pickedUp));
    }
}

void Form1::writeDecryption(const notes::DecryptedNote& decrypted, const QString& note,
                            StatusOffer offer) {
    if (decrypted.offeredLine.empty()) {
        writeResult(decrypted.text, note, std::move(offer));
        return;
    }
    writeResult(decrypted.withOfferedLine(), note, std::move(offer));
    // A second edit, so that Ctrl+Z brings the line back.
    writingResult = true;
    removeEnd(*txtnote, decrypted.offeredLine);
    writingResult = false;
}

// The command that writes has a note of its own, which stays in view.
void Form1::textEdited() {
    if (!writingResult) {
        showOutlook();
    }
}

void Form1::showOutlook() {
    commandNoteShown = false;
    const notes::Outlook outlook = liveNote->outlook();
    if (outlook.verdict == notes::Outlook::Verdict::InPieces && outlook.pieces == 0) {
        liveNote->countPiecesSoon();
    }
    if (outlook.plainFormsHelp) {
        statusLine->setMessage(
            Messages::outlook(outlook),
            {Messages::plainFormsCaption(), Messages::plainFormsChanges(outlook.codes),
             [this] { usePlainForms(); }});
    } else {
        statusLine->setMessage(Messages::outlook(outlook));
    }
}

// One edit, which Ctrl+Z undoes; the replacements run from the end so that
// the positions still to come stay where they were.
void Form1::usePlainForms() {
    const QList<std::pair<int, int>> runs = runsOf(*txtnote->document(), [](char32_t character) {
        return notes::plainForm(character).has_value();
    });
    QTextCursor cursor(txtnote->document());
    cursor.beginEditBlock();
    for (auto run = runs.rbegin(); run != runs.rend(); ++run) {
        cursor.setPosition(run->first);
        cursor.setPosition(run->second, QTextCursor::KeepAnchor);
        cursor.insertText(toQString(notes::withPlainForms(readSelection(cursor))));
    }
    cursor.endEditBlock();
    txtnote->setFocus();
}

NoteReplacement Form1::replacingNote() {
    undoStepsBeforeCommand = txtnote->document()->availableUndoSteps();
    return NoteReplacement(*txtnote);
}

void Form1::writeResult(const std::u32string& text, const QString& message, StatusOffer offer) {
    NoteReplacement replacement = replacingNote();
    writeResult(replacement, text, message, std::move(offer));
}

// The message is set and announced before the text changes, so that a
// screen reader speaks it before anything of the new text.
void Form1::writeResult(NoteReplacement& replacement, const std::u32string& text,
                        const QString& message, StatusOffer offer) {
    showCommandNote(message, std::move(offer));
    writingResult = true;
    commandAhead->commandWrites();
    liveNote->expectWhole(text);
    replacement.write(text);
    finishWriting();
}

void Form1::showCommandNote(const QString& message, StatusOffer offer) {
    commandNoteShown = true;
    statusLine->setMessage(message, std::move(offer));
    statusLine->announce();
}

void Form1::finishWriting() {
    liveNote->expectWhole({});
    writingResult = false;
    freeMemoryLater.start();
}

void Form1::undoLastCommand() {
    writingResult = true;
    while (txtnote->document()->availableUndoSteps() > undoStepsBeforeCommand) {
        txtnote->document()->undo();
    }
    writingResult = false;
}

void Form1::refuse(Command command, const QString& message) {
    ask(command, message, {}, {Messages::okCaption(), QMessageBox::AcceptRole});
}

namespace {

// A screen reader speaks a button's description after its name, and so
// its access key, which it does not speak by itself.
QPushButton* addButton(QMessageBox& box, const QString& caption, QMessageBox::ButtonRole role,
                       const QString& alsoBy = {}) {
    QPushButton* button = box.addButton(caption, role);
    const QString key = QKeySequence::mnemonic(caption).toString(QKeySequence::NativeText);
    button->setAccessibleDescription(alsoBy.isEmpty() ? key : key + alsoBy);
    return button;
}

}  // namespace

std::optional<int> Form1::ask(Command command, const QString& message,
                              const QList<DialogOffer>& offers, const DialogOffer& keeping) {
    QMessageBox box(QMessageBox::Warning, commandCaption(command), message, QMessageBox::NoButton,
                    this);
    QList<QPushButton*> offerButtons;
    for (const DialogOffer& offer : offers) {
        offerButtons << addButton(box, offer.caption, offer.role);
    }
    const DialogOffer keep = keeping.caption.isEmpty()
                                 ? DialogOffer{Messages::keepCaption(), QMessageBox::RejectRole}
                                 : keeping;
    QPushButton* keepButton = addButton(box, keep.caption, keep.role, tr(", Return or Escape"));
    box.setDefaultButton(keepButton);
    box.setEscapeButton(keepButton);
    box.exec();
    const qsizetype taken = offerButtons.indexOf(box.clickedButton());
    return taken < 0 ? std::nullopt : std::optional<int>(static_cast<int>(taken));
}
