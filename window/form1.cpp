#include "form1.h"

#include <QAction>
#include <QKeySequence>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <algorithm>

#include "application_icon.h"
#include "failure_messages.h"
#include "note_text.h"
#include "status_notes.h"

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
    createStatusBar();
    // The text area keeps its size, so a larger window would only show empty space.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
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
    mnuET = new QAction(tr("&Encrypt Text"), this);
    mnuET->setObjectName("mnuET");
    mnuET->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    connect(mnuET, &QAction::triggered, this, &Form1::encryptText);

    mnuDT = new QAction(tr("&Decrypt Text"), this);
    mnuDT->setObjectName("mnuDT");
    mnuDT->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    connect(mnuDT, &QAction::triggered, this, &Form1::decryptText);
}

void Form1::createMenus() {
    mnuFile = menuBar()->addMenu(tr("&File"));
    mnuFile->setObjectName("mnuFile");
    mnuFile->addAction(mnuET);
    mnuFile->addAction(mnuDT);
}

void Form1::createStatusBar() {
    // Below the text area, for word of characters that cannot come back. The
    // notes are longer than the window is wide, so they wrap, and two lines
    // are kept for them so that the window never changes height.
    lblStatus = new QLabel(this);
    lblStatus->setObjectName("lblStatus");
    lblStatus->setWordWrap(true);
    lblStatus->setMinimumHeight(2 * lblStatus->fontMetrics().lineSpacing());
    statusBar()->addWidget(lblStatus, 1);
    statusBar()->setSizeGripEnabled(false);
}

// A command writes once, and only on success or when the user takes an
// offer: a text that cannot be transformed stays exactly as it was, undo
// history included.
void Form1::encryptText() {
    lblStatus->clear();
    const std::u32string text = readNote(*txtnote);
    try {
        encrypt(text);
    } catch (const cipher::ZeroGroupError& error) {
        offerSpaces(text, error);
    } catch (const cipher::CipherError& error) {
        refuse(Command::Encrypt, failureMessage(Command::Encrypt, error));
    }
    txtnote->setFocus();
}

// Decrypt Text goes straight to the decrypted text: its digits would only be
// seen when decoding fails, and then they would have replaced the cipher text.
void Form1::decryptText() {
    lblStatus->clear();
    const std::u32string text = readNote(*txtnote);
    try {
        replaceNote(*txtnote, cipher->decryptText(text));
    } catch (const cipher::ZeroGroupError& error) {
        offerRecovery(text, error);
    } catch (const cipher::CipherError& error) {
        refuse(Command::Decrypt, failureMessage(Command::Decrypt, error));
    }
    txtnote->setFocus();
}

void Form1::encrypt(const std::u32string& text) {
    replaceNote(*txtnote, cipher->encryptText(text));
    if (const cipher::LostCharacters lost = cipher->lostCharacters(text); lost.any()) {
        lblStatus->setText(lostCharactersNote(lost));
    }
}

void Form1::offerSpaces(const std::u32string& text, const cipher::ZeroGroupError& error) {
    const std::optional<std::size_t> spaces = cipher->spacesToEncrypt(text);
    if (!spaces) {
        refuse(Command::Encrypt, noPaddingMessage(error));
    } else if (askToProceed(Command::Encrypt, paddingOffer(error, *spaces),
                            paddingButtonCaption(*spaces))) {
        encrypt(text + std::u32string(*spaces, cipher::kPaddingCharacter));
    }
}

void Form1::offerRecovery(const std::u32string& text, const cipher::ZeroGroupError& error) {
    if (!askToProceed(Command::Decrypt, recoveryOffer(error), recoveryButtonCaption())) {
        return;
    }
    const std::u32string recovered = cipher->decryptTextLeniently(text);
    replaceNote(*txtnote, recovered);
    const auto marked =
        std::count(recovered.begin(), recovered.end(), cipher::kReplacementCharacter);
    lblStatus->setText(recoveredNote(static_cast<std::size_t>(marked)));
}

void Form1::refuse(Command command, const QString& message) {
    QMessageBox::warning(this, commandCaption(command), message);
}

bool Form1::askToProceed(Command command, const QString& message, const QString& offer) {
    QMessageBox box(QMessageBox::Warning, commandCaption(command), message, QMessageBox::NoButton,
                    this);
    QPushButton* proceed = box.addButton(offer, QMessageBox::AcceptRole);
    QPushButton* keep = box.addButton(keepButtonCaption(), QMessageBox::RejectRole);
    box.setDefaultButton(keep);
    box.setEscapeButton(keep);
    box.exec();
    return box.clickedButton() == proceed;
}
