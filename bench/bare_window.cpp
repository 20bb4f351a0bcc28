// SPDX-License-Identifier: MIT
#include "bare_window.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>

BareWindow::BareWindow() {
    setWindowTitle("Form1");
    auto* client = new QWidget(this);
    client->setFixedSize(512, 345);
    setCentralWidget(client);
    note = new QPlainTextEdit(client);
    note->setGeometry(0, 0, 513, 345);
    note->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    note->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    QFont font("Times New Roman");
    font.setPointSizeF(14.25);
    note->setFont(font);
    note->setPlainText("Text\n");
    QMenu* file = menuBar()->addMenu("&File");
    QAction* encrypt = file->addAction("&Encrypt Text");
    encrypt->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    QAction* decrypt = file->addAction("&Decrypt Text");
    decrypt->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    status = new QLabel(this);
    status->setWordWrap(true);
    status->setMinimumHeight(2 * status->fontMetrics().lineSpacing());
    statusBar()->addWidget(status, 1);
    status->setText("6 of 4,681 characters");
    note->setFocus();
}
