// SPDX-License-Identifier: MIT
#pragma once

#include <QMainWindow>
#include <QMessageBox>
#include <QTimer>
#include <memory>
#include <optional>
#include <string>

#include "cipher/text_cipher.h"
#include "command.h"
#include "command_ahead.h"
#include "notes/decrypted_note.h"
#include "notes/decryption_outlook.h"
#include "notes/outlook.h"
#include "status_line.h"

class QAction;
class QMenu;
class QPlainTextEdit;
class LiveNote;
class NoteEdit;
class NoteReplacement;

// A dialog's button: its caption, access key included, and its role, by
// which each platform places it.
struct DialogOffer {
    QString caption;
    QMessageBox::ButtonRole role = QMessageBox::AcceptRole;
};

// The program's one window: a large text area, a File menu whose two
// commands replace the whole text with its encryption or decryption, and a
// line below the text that says what Encrypt Text will do with it.
class Form1 : public QMainWindow {
    Q_OBJECT

  public:
    explicit Form1(QWidget* parent = nullptr);

  private slots:
    void encryptText();
    void decryptText();
    void textEdited();

  private:
    void createTextArea();
    void createActions();
    void createMenus();
    void createStatusLine();

    // Encrypt Text, of a note within the note length limit.
    void encryptNote(const notes::CodedCharacters& codes);
    // Writes a result worked out ahead, with this message, and keeps it
    // until the memory goes back.
    void writeAhead(CommandAhead::Result&& ahead, const QString& message);

    // Decrypt Text.
    void askAboutDecryption(const notes::DecryptionOutlook& outlook);
    void writeDecryptionOfferingWithout(const notes::DecryptionOutlook& outlook);
    void writeDecryptionWithoutPickedUp(const notes::DecryptionOutlook& outlook);
    // Writes the decrypted note; where the offer's line came off, first the
    // text with it, then without, so that Ctrl+Z shows it.
    void writeDecryption(const notes::DecryptedNote& decrypted, const QString& note,
                         StatusOffer offer = {});

    // The live line, which says what Encrypt Text will do.
    void showOutlook();
    void usePlainForms();

    // A replacement of the whole text, which undoLastCommand takes back.
    NoteReplacement replacingNote();
    // Replaces the whole text as one edit and shows the command's message,
    // with its offer if it makes one.
    void writeResult(const std::u32string& text, const QString& message, StatusOffer offer = {});
    void writeResult(NoteReplacement& replacement, const std::u32string& text,
                     const QString& message, StatusOffer offer = {});
    // Shows a command's message before the command writes.
    void showCommandNote(const QString& message, StatusOffer offer = {});
    void finishWriting();
    // Takes back what the last command wrote, however many edits it took.
    void undoLastCommand();
    void refuse(Command command, const QString& message);
    // Shows message with the offers given and a button that keeps the text
    // (Keep the Text, unless given), the default for Return and Escape; the
    // index of the offer taken, or none.
    std::optional<int> ask(Command command, const QString& message,
                           const QList<DialogOffer>& offers, const DialogOffer& keeping = {});

    const cipher::TextCipher& textCipher() const { return cipher; }

    // Created with the window, so that there is always one.
    cipher::TextCipher cipher;
    NoteEdit* txtnote = nullptr;
    QMenu* mnuFile = nullptr;
    QAction* mnuET = nullptr;
    QAction* mnuDT = nullptr;
    StatusLine* statusLine = nullptr;
    LiveNote* liveNote = nullptr;
    // Set while a command writes, whose own note then stays in view.
    bool writingResult = false;
    // A command's note is shown, until the next edit.
    bool commandNoteShown = false;
    // The undo steps there were before the last command wrote.
    int undoStepsBeforeCommand = 0;
    // A moment after a command, what it freed goes back to the system.
    QTimer freeMemoryLater;
    // The commands' work on a long text, done while the user pauses.
    std::unique_ptr<CommandAhead> commandAhead;
    // The last result worked out ahead, once written, until the memory goes
    // back.
    std::optional<CommandAhead::Result> spentAhead;
};
