#pragma once

#include <QString>

#include "cipher/cipher_error.h"

enum class Command { Encrypt, Decrypt };

// The command's caption, as the menu and the message titles show it.
QString commandCaption(Command command);

// What a failed command tells the user: what went wrong and what to do about it.
QString failureMessage(Command command, const cipher::CipherError& error);
