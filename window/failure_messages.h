#pragma once

#include <QString>
#include <cstddef>

#include "cipher/cipher_error.h"

enum class Command { Encrypt, Decrypt };

// The command's caption, as the menu and the message titles show it.
QString commandCaption(Command command);

// What went wrong, in plain words, and what usually helps.
QString failureCause(Command command, const cipher::CipherError& error);

// A refusal: the cause, and that the text is as it was.
QString failureMessage(Command command, const cipher::CipherError& error);

// Encrypt Text met a zero group, and appending spaces cannot help.
QString noPaddingMessage(const cipher::ZeroGroupError& error);

// Encrypt Text met a zero group that the given number of spaces gets past.
QString paddingOffer(const cipher::ZeroGroupError& error, std::size_t spaces);

// Decrypt Text met a zero group; decrypting anyway marks the lost characters.
QString recoveryOffer(const cipher::ZeroGroupError& error);

// Button captions. The offers share the mnemonic Alt+A.
QString paddingButtonCaption(std::size_t spaces);
QString recoveryButtonCaption();
QString keepButtonCaption();
