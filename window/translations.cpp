// SPDX-License-Identifier: MIT
#include "translations.h"

#include <QLocale>
#include <QTranslator>

namespace {

const char* const kCatalogueName = "messages";

}  // namespace

// The messages are written in English in the code. The English catalogue
// adds what the code cannot say by itself: the singular and the plural of
// every counted phrase. Numbers follow the catalogue's language, so "%Ln"
// in a counted phrase and every other number in a message read alike.
void installTranslations(QCoreApplication& application) {
    if (application.findChild<QTranslator*>(kCatalogueName) != nullptr) {
        return;
    }
    auto* translator = new QTranslator(&application);
    translator->setObjectName(kCatalogueName);
    if (!translator->load(":/i18n/textcipher_en.qm")) {
        qWarning("The English message catalogue is missing from this build.");
        return;
    }
    QCoreApplication::installTranslator(translator);
    QLocale::setDefault(QLocale(translator->language()));
}
