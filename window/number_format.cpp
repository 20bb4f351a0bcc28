// SPDX-License-Identifier: MIT
#include "number_format.h"

#include <QLocale>

QString groupedNumber(std::size_t value) {
    return QLocale().toString(static_cast<qulonglong>(value));
}
