#pragma once
// Bytes read from a file or a command line, made fit for one line of a terminal: the one place
// that decides how a stray byte is shown, for the engine's position text and for the game's
// settings, kept games and commands alike.
//
// Printable ASCII (0x20 to 0x7e) stays as it is in both styles; a control byte (below 0x20, or
// 0x7f) never reaches the terminal, so a hostile file cannot drive it nor split a line.
#include <string>

namespace engine {

enum class Unprintable {
    Hex,  // every byte outside printable ASCII, the backslash and the quote as \xNN: an error
          // line shows exactly what was read, and only one text gives it
    Mask, // control bytes and the quote as '?', the rest as it is: names in a listing, whose
          // UTF-8 letters stay readable
};

// `bytes` as they may be shown, between two `quote`s unless `quote` is '\0'.
inline std::string printableBytes(const std::string& bytes, Unprintable how = Unprintable::Hex, char quote = '\0')
{
    static const char Hex[] = "0123456789abcdef";
    std::string text;
    if (quote != '\0')
        text += quote;
    for (unsigned char c : bytes) {
        const bool control = c < 0x20 || c == 0x7f;
        const bool isQuote = quote != '\0' && c == static_cast<unsigned char>(quote);
        if (how == Unprintable::Mask) {
            text += control || isQuote ? '?' : char(c);
        } else if (c >= 0x20 && c < 0x7f && c != '\\' && !isQuote) {
            text += char(c);
        } else {
            text += "\\x";
            text += Hex[c >> 4];
            text += Hex[c & 15];
        }
    }
    if (quote != '\0')
        text += quote;
    return text;
}

} // namespace engine
