#pragma once

#include <QMainWindow>
#include <optional>
#include <string>

#include "cipher/text_cipher.h"
#include "failure_messages.h"

class QAction;
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
    void runCommand(Command command);
    std::u32string transform(Command command, std::u32string_view text) const;

    std::optional<cipher::TextCipher> cipher;
    QPlainTextEdit* txtnote = nullptr;
    QMenu* mnuFile = nullptr;
    QAction* mnuET = nullptr;
    QAction* mnuDT = nullptr;
};
