#include "app/screens/ScreenTexts.h"

#include "rules/MatchResult.h"

const std::string& turnMessage(const char* playerName, std::string& out)
{
    return out.assign(playerName).append(text::YourTurn);
}

const std::string& gameOverMessage(const MatchResult& result, std::string& out)
{
    if (result.isDraw())
        return out.assign(text::Draw);
    return out.assign(result.winner().name()).append(text::IsTheWinner);
}
