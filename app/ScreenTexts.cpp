#include "app/ScreenTexts.h"

#include "rules/MatchResult.h"

std::string turnMessage(const char* playerName)
{
    return std::string(playerName) + text::YourTurn;
}

std::string gameOverMessage(const MatchResult& result)
{
    if (result.isDraw())
        return text::Draw;
    return std::string(result.winner().name()) + text::IsTheWinner;
}
