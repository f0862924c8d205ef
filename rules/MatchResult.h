#pragma once
// How a match ended: the winner's and the loser's name and score. On equal scores player one
// stands in the winner line and the result says it is a draw.
#include <cstdint>
#include <string>

class ScoreLine {
public:
    ScoreLine(const char* name, std::uint8_t score);
    const char* name() const { return m_name.c_str(); }
    std::uint8_t score() const { return m_score; }

private:
    std::string m_name;
    std::uint8_t m_score;
};

class MatchResult {
public:
    MatchResult(const ScoreLine& winner, const ScoreLine& loser, bool drawn);
    const ScoreLine& winner() const { return m_winner; }
    const ScoreLine& loser() const { return m_loser; }
    bool isDraw() const { return m_drawn; }

private:
    ScoreLine m_winner;
    ScoreLine m_loser;
    bool m_drawn;
};
