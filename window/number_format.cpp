// SPDX-License-Identifier: MIT
#include "number_format.h"

QString groupedNumber(std::size_t value) {
    QString digits = QString::number(value);
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3) {
        digits.insert(at, QChar(','));
    }
    return digits;
}
