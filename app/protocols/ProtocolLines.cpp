#include "app/protocols/ProtocolLines.h"

#include <cmath>
#include <cstdlib>

namespace protocols {

engine::Position KeptGame::seenBy(bool black) const
{
    engine::Position position = m_now.position;
    if (black != m_now.blackToMove)
        engine::pass(position);
    return position;
}

bool KeptGame::play(bool black, int square)
{
    engine::Position position = seenBy(black);
    const engine::Bits moves = position.moves();
    if (square < 0 ? moves != 0 : (moves & engine::bitOf(square)) == 0)
        return false;
    m_history.push_back(m_now);
    if (square < 0)
        engine::pass(position);
    else
        engine::play(position, square);
    m_now = {position, !black};
    return true;
}

bool KeptGame::undo()
{
    if (m_history.empty())
        return false;
    m_now = m_history.back();
    m_history.pop_back();
    return true;
}

void KeptGame::reset(const GameState& state)
{
    m_now = state;
    m_history.clear();
}

int KeptGame::blackResult() const
{
    const int diff = m_now.position.finalDiff();
    return m_now.blackToMove ? diff : -diff;
}

std::string lineFault(const std::string& line)
{
    if (line.size() > MaxLineBytes)
        return "line too long (more than " + std::to_string(MaxLineBytes) + " bytes)";
    // UTF-8: a lead byte and the number of continuation bytes it announces, no overlong forms.
    for (std::size_t i = 0; i < line.size();) {
        const unsigned char c = static_cast<unsigned char>(line[i]);
        if (c < 0x80) {
            ++i;
            continue;
        }
        const int follow = c >= 0xc2 && c <= 0xdf ? 1 : c >= 0xe0 && c <= 0xef ? 2 : c >= 0xf0 && c <= 0xf4 ? 3 : -1;
        if (follow < 0 || i + follow >= line.size())
            return "line not in UTF-8";
        for (int k = 1; k <= follow; ++k)
            if ((static_cast<unsigned char>(line[i + k]) & 0xc0) != 0x80)
                return "line not in UTF-8";
        i += follow + 1;
    }
    return {};
}

std::string withoutControlBytes(const std::string& line)
{
    std::string kept;
    for (char c : line) {
        if (c == '\t')
            kept += ' ';
        else if ((static_cast<unsigned char>(c) >= 0x20 && c != 0x7f))
            kept += c;
    }
    return kept;
}

std::vector<std::string> wordsOf(const std::string& line)
{
    std::vector<std::string> words;
    std::string word;
    for (char c : line) {
        if (c == ' ' || c == '\t') {
            if (!word.empty())
                words.push_back(word);
            word.clear();
        } else {
            word += c;
        }
    }
    if (!word.empty())
        words.push_back(word);
    return words;
}

std::string lowered(std::string text)
{
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

bool readNumber(const std::string& text, long low, long high, long& out)
{
    if (text.empty() || text.size() > 9)
        return false;
    long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + (c - '0');
    }
    if (value < low || value > high)
        return false;
    out = value;
    return true;
}

bool readDecimal(const std::string& text, double& out)
{
    if (text.empty() || text.size() > 32)
        return false;
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (end != text.c_str() + text.size() || !std::isfinite(value)) // the whole word, a number
        return false;
    out = value;
    return true;
}

} // namespace protocols
