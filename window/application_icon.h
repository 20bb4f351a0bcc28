// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>

// The program's icon: the installed theme's copy where there is one, else
// the copy built into the program, so a window run from the build folder
// shows it too.
QIcon applicationIcon();
