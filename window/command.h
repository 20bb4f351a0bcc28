// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <cstdint>

// The window's two commands.
enum class Command : std::uint8_t { Encrypt, Decrypt };

// The caption as message titles show it: "Encrypt Text".
QString commandCaption(Command command);

// The caption as the menu shows it, with its mnemonic: "&Encrypt Text".
QString menuCaption(Command command);
