#include "form1.h"

#include <QAction>
#include <QKeySequence>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>

#include "failure_messages.h"
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
    load();
    createTextArea();
    createActions();
    createMenus();
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

void Form1::encryptText() {
    runCommand(Command::Encrypt);
}

void Form1::decryptText() {
    runCommand(Command::Decrypt);
}

// A command writes once, and only on success: a text that cannot be
// transformed stays exactly as it was, undo history included.
void Form1::runCommand(Command command) {
    try {
        replaceNote(*txtnote, transform(command, readNote(*txtnote)));
    } catch (const cipher::CipherError& error) {
        QMessageBox::warning(this, commandCaption(command), failureMessage(command, error));
    }
    txtnote->setFocus();
}

// Decrypt Text goes straight to the decrypted text: its digits would only be
// seen when decoding fails, and then they would have replaced the cipher text.
std::u32string Form1::transform(Command command, std::u32string_view text) const {
    return command == Command::Encrypt ? cipher->encryptText(text) : cipher->decryptText(text);
}
