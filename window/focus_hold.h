// SPDX-License-Identifier: MIT
#pragma once

class QMenu;

// A screen reader reads the line at the caret as soon as it hears that the
// text area has the focus back, and it hears that from a closing menu
// before the command chosen in it runs: it would read the new text before
// the command's message. While a menu closes, the focus event waits for the
// command that the menu runs, and follows its message.
void holdFocusWhileClosing(QMenu& menu);
