#include "rules/MatchResult.h"

ScoreLine::ScoreLine(const char* name, std::uint8_t score) : m_name(name), m_score(score) {}

MatchResult::MatchResult(const ScoreLine& winner, const ScoreLine& loser, bool drawn)
    : m_winner(winner), m_loser(loser), m_drawn(drawn)
{
}
