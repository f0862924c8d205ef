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

const std::string& hintMessage(CellPos square, std::string& out)
{
    out.assign(text::HintPrefix);
    out += char('a' + square.x - 1);
    out += char('0' + 9 - square.y);
    return out;
}

const std::string& levelMessage(int level, std::string& out)
{
    return out.assign(text::LevelPrefix).append(std::to_string(level));
}
