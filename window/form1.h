#pragma once

#include <QMainWindow>
#include <optional>
#include <string>

#include "cipher/text_cipher.h"
#include "failure_messages.h"

class QAction;
class QLabel;
class QMenu;
class QPlainTextEdit;

// The program's one window: a large text area and a File menu whose two
// commands replace the whole text with its encryption or decryption.
class Form1 : public QMainWindow {
    Q_OBJECT

  public:
    explicit Form1(QWidget* parent = nullptr);

  private slots:
    void encryptText();
    void decryptText();

  private:
    void load();
    void createTextArea();
    void createActions();
    void createMenus();
    void createStatusBar();

    void encrypt(const std::u32string& text);
    void offerSpaces(const std::u32string& text, const cipher::ZeroGroupError& error);
    void offerRecovery(const std::u32string& text, const cipher::ZeroGroupError& error);
    void refuse(Command command, const QString& message);
    // Shows message with an offer and a default that keeps the text; true if the offer is taken.
    bool askToProceed(Command command, const QString& message, const QString& offer);

    std::optional<cipher::TextCipher> cipher;
    QPlainTextEdit* txtnote = nullptr;
    QMenu* mnuFile = nullptr;
    QAction* mnuET = nullptr;
    QAction* mnuDT = nullptr;
    QLabel* lblStatus = nullptr;
};
