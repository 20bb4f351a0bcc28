// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>
#include <QMainWindow>
#include <QPlainTextEdit>

// A window with the widgets of the program's and nothing more: the same
// text area, font, menu and status line, without the cipher, the live line
// or the marks. What it costs is what Qt itself costs.
class BareWindow : public QMainWindow {
  public:
    BareWindow();

    QPlainTextEdit* note = nullptr;
    QLabel* status = nullptr;
};
