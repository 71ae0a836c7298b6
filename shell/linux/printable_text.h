// Text read from a file, made fit to print as part of one line on a terminal.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Control characters and bytes that are not UTF-8 escaped (\e, \a, \t, \xNN),
// and the text cut after limit characters with "..." when it is longer.
std::string PrintableText(std::string_view text, std::size_t limit);

// Text from outside quoted (“like this”) as messages quote it: printable and
// at most 60 characters.
std::string QuotedText(std::string_view text);

// A message from GLib with the text it quotes (“like this”) printable and cut short.
std::string PrintableMessage(std::string_view message);
