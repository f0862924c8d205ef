#include "app/screens/ScreenTexts.h"

#include "engine/Openings.h"
#include "rules/MatchResult.h"

namespace {

// Square index 0 = a1 .. 63 = h8 as "d3".
void appendSquareName(int square, std::string& out)
{
    out += char('a' + square % 8);
    out += char('1' + square / 8);
}

// "+2", "0", "-4".
void appendValue(int value, std::string& out)
{
    if (value > 0)
        out += '+';
    out += std::to_string(value);
}

} // namespace

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

const std::string& reviewMoveMessage(int number, const char* mover, int square, std::string& out)
{
    out.assign(text::ReviewMovePrefix).append(std::to_string(number)).append(" : ").append(mover);
    if (square < 0)
        return out.append(text::ReviewPasses);
    out.append(text::ReviewPlayed);
    appendSquareName(square, out);
    return out;
}

const std::string& verdictMessage(int best, int value, int cost, int mistakeDiscs, std::string& out)
{
    if (cost <= 0) {
        out.assign(text::VerdictBestPlayed);
        appendValue(value, out);
        return out.append(")");
    }
    out.assign(text::VerdictBest);
    appendSquareName(best, out);
    out += " (";
    appendValue(value, out);
    out.append(text::VerdictLost).append(std::to_string(cost)).append(text::VerdictDisc);
    if (cost > 1)
        out += 's';
    if (cost >= mistakeDiscs)
        out.append(text::VerdictMistake);
    return out;
}

const std::string& analysisProgressMessage(int done, int total, std::string& out)
{
    if (total <= 0)
        return out.assign(text::AnalysisUnderWay);
    return out.assign(text::AnalysisPrefix).append(std::to_string(done)).append("/").append(std::to_string(total));
}

const std::string& openingMessage(const std::vector<int>& moves, std::string& out)
{
    out.clear();
    const engine::OpeningMatch match = engine::recogniseOpening(moves);
    if (match.opening)
        out.append(text::OpeningPrefix).append(match.opening->name);
    return out;
}
