// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>

// The program's icon, in each of the sizes it comes in, built into the
// program so that a window run from the build folder shows it too.
QIcon applicationIcon();
