// Escaping and shortening text for a one-line message.
#include "shell/linux/printable_text.h"

#include <glib.h>

#include <cstdio>

namespace {
constexpr std::size_t kQuotedLimit = 60;
// GLib's own words around the quote are short; this only guards a message without quotes.
constexpr std::size_t kMessageLimit = 200;
constexpr std::string_view kOpenQuote = "\u201c";
constexpr std::string_view kCloseQuote = "\u201d";

// The C escapes a reader knows; every other control byte is written as \xNN.
const char* NamedEscape(unsigned char byte) {
  switch (byte) {
    case '\a':
      return "\\a";
    case '\b':
      return "\\b";
    case '\t':
      return "\\t";
    case '\n':
      return "\\n";
    case '\v':
      return "\\v";
    case '\f':
      return "\\f";
    case '\r':
      return "\\r";
    case 0x1b:
      return "\\e";
    default:
      return nullptr;
  }
}

void AppendEscaped(std::string& out, unsigned char byte) {
  if (const char* named = NamedEscape(byte)) {
    out += named;
    return;
  }
  char hex[5];
  std::snprintf(hex, sizeof hex, "\\x%02x", byte);
  out += hex;
}
}  // namespace

std::string PrintableText(std::string_view text, std::size_t limit) {
  std::string out;
  std::size_t characters = 0;
  std::size_t at = 0;
  while (at < text.size()) {
    if (characters == limit) return out + "...";
    const auto byte = static_cast<unsigned char>(text[at]);
    const gunichar code =
        g_utf8_get_char_validated(text.data() + at, static_cast<gssize>(text.size() - at));
    const bool printable =
        byte >= 0x20 && byte != 0x7f && code < 0xFFFFFFFE && !(code >= 0x80 && code < 0xa0);
    if (printable) {
      const std::size_t length = static_cast<std::size_t>(g_utf8_skip[byte]);
      out.append(text.substr(at, length));
      at += length;
    } else {
      AppendEscaped(out, byte);
      ++at;
    }
    ++characters;
  }
  return out;
}

std::string QuotedText(std::string_view text) {
  return std::string(kOpenQuote) + PrintableText(text, kQuotedLimit) + std::string(kCloseQuote);
}

std::string PrintableMessage(std::string_view message) {
  const std::size_t open = message.find(kOpenQuote);
  const std::size_t close = message.rfind(kCloseQuote);
  if (open == std::string_view::npos || close == std::string_view::npos || close < open) {
    return PrintableText(message, kMessageLimit);
  }
  const std::size_t quoted = open + kOpenQuote.size();
  return PrintableText(message.substr(0, quoted), kMessageLimit) +
         PrintableText(message.substr(quoted, close - quoted), kQuotedLimit) +
         PrintableText(message.substr(close), kMessageLimit);
}
