// SPDX-License-Identifier: MIT
#pragma once

#include <QMainWindow>
#include <optional>
#include <string>

#include "cipher/text_cipher.h"
#include "command.h"

class QAction;
class QMenu;
class QPlainTextEdit;
class NoteBar;

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
    void createNoteBar();

    // Encrypt Text.
    void encryptWith(const std::u32string& text, const cipher::Padding* padding);
    void offerPadding(const std::u32string& text);

    // Decrypt Text.
    void decryptRestoringLineBreaks(const std::u32string& text);
    // The decryption of text without its stray characters, if that is whole.
    std::optional<cipher::RecoveredText> decryptionWithoutStrays(const std::u32string& text) const;
    void offerDecryptionWithoutStrays(const std::u32string& text, const std::u32string& plain);
    void writeDecryptionWithoutStrays(const std::u32string& text,
                                      const cipher::RecoveredText& recovered);

    // The live line and the marks on characters that cannot come back.
    void showOutlook(const std::u32string& text);
    void markLostCharacters();
    void usePlainForms();

    // Replaces the whole text as one edit and shows the command's note.
    void writeResult(const std::u32string& text, const QString& note);
    void refuse(Command command, const QString& message);
    // Shows message with the offers given and a default that keeps the
    // text; the index of the offer taken, or none.
    std::optional<int> ask(Command command, const QString& message, const QStringList& offers);

    const cipher::TextCipher& textCipher() const { return cipher; }

    // Created with the window, so that there is always one.
    cipher::TextCipher cipher;
    QPlainTextEdit* txtnote = nullptr;
    QMenu* mnuFile = nullptr;
    QAction* mnuET = nullptr;
    QAction* mnuDT = nullptr;
    NoteBar* noteBar = nullptr;
    // Set while a command writes, whose own note then stays in view.
    bool writingResult = false;
};
