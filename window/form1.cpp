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
#include <algorithm>

#include "application_icon.h"
#include "cipher/plain_forms.h"
#include "messages.h"
#include "note_bar.h"
#include "note_text.h"

namespace {

// The client area below the menu bar, and the text area, which is one pixel
// wider than the client area so that its right border stays out of sight.
constexpr QSize kClientSize(512, 345);
constexpr QRect kTextAreaGeometry(0, 0, 513, 345);

}  // namespace

Form1::Form1(QWidget* parent) : QMainWindow(parent) {
    setObjectName("Form1");
    setWindowTitle("Form1");
    setWindowIcon(applicationIcon());
    load();
    createTextArea();
    createActions();
    createMenus();
    createNoteBar();
    // The text area keeps its size, so a larger window would only show empty
    // space, and a maximize button would do nothing.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    connect(txtnote, &QPlainTextEdit::textChanged, this, &Form1::textEdited);
    textEdited();
}

void Form1::load() {
    cipher.emplace();
}

void Form1::createTextArea() {
    auto* client = new QWidget(this);
    client->setFixedSize(kClientSize);
    setCentralWidget(client);

    txtnote = new QPlainTextEdit(client);
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
    // At fractional scale factors (1.25, 1.5, 1.75) a widget that starts
    // between two device pixels loses its bottom border to rounding; with the
    // menu bar a multiple of 4 pixels high, the text area starts on a whole
    // device pixel at every one of them.
    const int menuHeight = menuBar()->sizeHint().height();
    menuBar()->setFixedHeight((menuHeight + 3) / 4 * 4);
}

void Form1::createNoteBar() {
    noteBar = new NoteBar(this);
    statusBar()->addWidget(noteBar, 1);
    statusBar()->setSizeGripEnabled(false);
}

// A command writes once, and only on success or when the user takes an
// offer: a text that cannot be transformed stays exactly as it was, undo
// history included.
void Form1::encryptText() {
    const std::u32string text = readNote(*txtnote);
    try {
        encryptWith(text, nullptr);
    } catch (const cipher::ZeroGroupError&) {
        offerPadding(text);
    } catch (const cipher::TextTooLongError&) {
        refuse(Command::Encrypt, Messages::tooLong(Command::Encrypt, cipher::measureText(text)));
    }
    txtnote->setFocus();
}

void Form1::encryptWith(const std::u32string& text, const cipher::Padding* padding) {
    const std::u32string encrypted =
        textCipher().encryptText(padding == nullptr ? text : text + padding->characters);
    writeResult(encrypted, Messages::encrypted(textCipher().lostCharacters(text), padding));
}

void Form1::offerPadding(const std::u32string& text) {
    const std::optional<cipher::Padding> padding = textCipher().paddingToEncrypt(text);
    if (!padding) {
        refuse(Command::Encrypt, Messages::noPadding());
    } else if (ask(Command::Encrypt,
                   Messages::paddingOffer(*padding, textCipher().lostCharacters(text)),
                   {Messages::paddingCaption(*padding)})) {
        encryptWith(text, &*padding);
    }
}

// Decrypt Text goes straight to the decrypted text: its digits would only be
// seen when decoding fails, and then they would have replaced the cipher text.
void Form1::decryptText() {
    const std::u32string text = readNote(*txtnote);
    try {
        const std::u32string plain = textCipher().decryptText(text);
        if (textCipher().lostCharacters(text).outsideAlphabet() == 0) {
            writeResult(plain, Messages::decrypted({}));
        } else {
            offerDecryptionWithoutStrays(text, plain);
        }
    } catch (const cipher::ZeroGroupError&) {
        decryptRestoringLineBreaks(text);
    } catch (const cipher::TextTooLongError&) {
        refuse(Command::Decrypt, Messages::tooLong(Command::Decrypt, cipher::measureText(text)));
    }
    txtnote->setFocus();
}

// The note's own text and line breaks come back as two zero groups each;
// only a group that cannot be part of a line break needs the user's word.
void Form1::decryptRestoringLineBreaks(const std::u32string& text) {
    const cipher::RecoveredText recovered = textCipher().decryptRestoringLineBreaks(text);
    const cipher::LostCharacters strays = textCipher().lostCharacters(text);
    if (strays.outsideAlphabet() == 0 && recovered.complete()) {
        writeResult(recovered.text, Messages::decrypted(recovered));
        return;
    }
    const std::optional<cipher::RecoveredText> clean = decryptionWithoutStrays(text);
    QStringList offers{Messages::decryptAnywayCaption()};
    if (clean) {
        offers << Messages::withoutStraysCaption();
    }
    const std::optional<int> taken = ask(
        Command::Decrypt, Messages::decryptProblem(recovered, strays, clean.has_value()), offers);
    if (taken == 0) {
        writeResult(recovered.text, Messages::decrypted(recovered));
    } else if (taken == 1) {
        writeDecryptionWithoutStrays(text, *clean);
    }
}

std::optional<cipher::RecoveredText> Form1::decryptionWithoutStrays(
    const std::u32string& text) const {
    const std::u32string kept = textCipher().alphabetOnly(text);
    if (kept.empty() || kept.size() == text.size()) {
        return std::nullopt;
    }
    cipher::RecoveredText recovered = textCipher().decryptRestoringLineBreaks(kept);
    if (!recovered.complete()) {
        return std::nullopt;
    }
    return recovered;
}

// A cipher text with characters that no cipher text has still decrypts, and
// the result is what it is; removing them is the user's choice.
void Form1::offerDecryptionWithoutStrays(const std::u32string& text, const std::u32string& plain) {
    const cipher::LostCharacters strays = textCipher().lostCharacters(text);
    const std::optional<cipher::RecoveredText> clean = decryptionWithoutStrays(text);
    writeResult(plain, Messages::decryptedWithStrays(strays, clean.has_value()));
    if (!clean) {
        return;
    }
    noteBar->setNote(noteBar->note(), Messages::withoutStraysCaption(), [this, text, clean] {
        // Takes back the decryption first, so that one Ctrl+Z restores the cipher text.
        writingResult = true;
        txtnote->document()->undo();
        writingResult = false;
        writeDecryptionWithoutStrays(text, *clean);
        txtnote->setFocus();
    });
    noteBar->announce();
}

void Form1::writeDecryptionWithoutStrays(const std::u32string& text,
                                         const cipher::RecoveredText& recovered) {
    writeResult(recovered.text,
                Messages::decryptedWithoutStrays(textCipher().lostCharacters(text), recovered));
}

void Form1::textEdited() {
    markLostCharacters();
    if (!writingResult) {
        showOutlook(readNote(*txtnote));
    }
}

void Form1::showOutlook(const std::u32string& text) {
    const cipher::Outlook outlook = textCipher().outlook(text);
    if (outlook.plainFormsHelp) {
        noteBar->setNote(Messages::outlook(outlook), Messages::plainFormsCaption(),
                         [this] { usePlainForms(); });
    } else {
        noteBar->setNote(Messages::outlook(outlook));
    }
}

// Marks each run of characters that cannot come back, the way a spelling
// checker marks a word; the text, its history and the cursor stay as they
// are. The marks' cursors move with the text, so most keystrokes leave them
// where they belong and they need not be set again.
void Form1::markLostCharacters() {
    const QList<std::pair<int, int>> runs = runsOf(
        *txtnote->document(),
        [this](char32_t character) { return textCipher().alphabetPosition(character) == 0; });
    const QList<QTextEdit::ExtraSelection> current = txtnote->extraSelections();
    const bool unchanged =
        std::equal(runs.begin(), runs.end(), current.begin(), current.end(),
                   [](const std::pair<int, int>& run, const QTextEdit::ExtraSelection& mark) {
                       return run.first == mark.cursor.selectionStart() &&
                              run.second == mark.cursor.selectionEnd();
                   });
    if (unchanged) {
        return;
    }
    QTextCharFormat lost;
    lost.setUnderlineStyle(QTextCharFormat::WaveUnderline);
    lost.setUnderlineColor(Qt::red);
    QList<QTextEdit::ExtraSelection> marks;
    for (const auto& [from, to] : runs) {
        QTextCursor run(txtnote->document());
        run.setPosition(from);
        run.setPosition(to, QTextCursor::KeepAnchor);
        marks.append({run, lost});
    }
    txtnote->setExtraSelections(marks);
}

// One edit, which Ctrl+Z undoes; the replacements run from the end so that
// the positions still to come stay where they were.
void Form1::usePlainForms() {
    const QList<std::pair<int, int>> runs = runsOf(*txtnote->document(), [](char32_t character) {
        return cipher::plainForm(character).has_value();
    });
    QTextCursor cursor(txtnote->document());
    cursor.beginEditBlock();
    for (auto run = runs.rbegin(); run != runs.rend(); ++run) {
        cursor.setPosition(run->first);
        cursor.setPosition(run->second, QTextCursor::KeepAnchor);
        cursor.insertText(toQString(cipher::withPlainForms(readSelection(cursor))));
    }
    cursor.endEditBlock();
    txtnote->setFocus();
}

void Form1::writeResult(const std::u32string& text, const QString& note) {
    writingResult = true;
    replaceNote(*txtnote, text);
    writingResult = false;
    noteBar->setNote(note);
    noteBar->announce();
}

void Form1::refuse(Command command, const QString& message) {
    QMessageBox::warning(this, commandCaption(command), message);
}

std::optional<int> Form1::ask(Command command, const QString& message, const QStringList& offers) {
    QMessageBox box(QMessageBox::Warning, commandCaption(command), message, QMessageBox::NoButton,
                    this);
    QList<QPushButton*> offerButtons;
    for (const QString& offer : offers) {
        offerButtons << box.addButton(offer, QMessageBox::AcceptRole);
    }
    QPushButton* keep = box.addButton(Messages::keepCaption(), QMessageBox::RejectRole);
    box.setDefaultButton(keep);
    box.setEscapeButton(keep);
    box.exec();
    const qsizetype taken = offerButtons.indexOf(box.clickedButton());
    return taken < 0 ? std::nullopt : std::optional<int>(static_cast<int>(taken));
}
