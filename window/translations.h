// SPDX-License-Identifier: MIT
#pragma once

#include <QCoreApplication>

// Installs the program's message catalogue and writes numbers the way its
// language does. Safe to call more than once.
void installTranslations(QCoreApplication& application);
