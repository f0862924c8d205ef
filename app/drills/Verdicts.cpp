#include "app/drills/Verdicts.h"

#include "app/cli/GameAnalysis.h"
#include "app/files/WholeFile.h"
#include "app/files/XdgPaths.h"
#include "engine/PositionText.h"

#include <cstdio>
#include <sstream>

namespace drills {
namespace {

// As the game's own analysis: the exact part of a game stays in the table between positions.
constexpr std::size_t TableMegabytes = 64;
constexpr std::uint32_t Seed = 1; // valueAllMoves draws nothing at random
constexpr const char* CacheFileName = "verdicts.cache";
constexpr const char* CacheHeader = "reversi verdicts 1";
// A mistake's values: more than any position's legal moves would be damage.
constexpr std::size_t MostMoves = 32;

// FNV-1a, 64 bits: a stable hash, the same on every machine and every run.
struct Hash {
    std::uint64_t value = 14695981039346656037ull;
    void add(std::uint64_t word)
    {
        for (int byte = 0; byte < 8; ++byte) {
            value ^= (word >> (8 * byte)) & 0xFF;
            value *= 1099511628211ull;
        }
    }
};

bool readNumber(const std::string& text, int low, int high, int& out)
{
    if (text.empty() || text.size() > 4)
        return false;
    std::size_t at = 0;
    bool negative = false;
    if (text[0] == '+' || text[0] == '-') {
        negative = text[0] == '-';
        at = 1;
    }
    if (at == text.size())
        return false;
    int value = 0;
    for (; at < text.size(); ++at) {
        if (text[at] < '0' || text[at] > '9')
            return false;
        value = value * 10 + (text[at] - '0');
    }
    value = negative ? -value : value;
    if (value < low || value > high)
        return false;
    out = value;
    return true;
}

std::vector<std::string> split(const std::string& text, char separator)
{
    std::vector<std::string> parts;
    std::size_t from = 0;
    for (;;) {
        const std::size_t at = text.find(separator, from);
        parts.push_back(text.substr(from, at == std::string::npos ? std::string::npos : at - from));
        if (at == std::string::npos)
            return parts;
        from = at + 1;
    }
}

// "12:19:6:c3=+4,d3=-2" -> one verdict; false for anything else.
bool readVerdict(const std::string& token, MoveVerdict& out)
{
    const std::vector<std::string> fields = split(token, ':');
    if (fields.size() != 3 && fields.size() != 4)
        return false;
    if (!readNumber(fields[0], 0, 200, out.turn) || !readNumber(fields[1], 0, 63, out.played) ||
        !readNumber(fields[2], 0, 128, out.cost))
        return false;
    out.values.clear();
    if (fields.size() == 3)
        return true;
    const std::vector<std::string> values = split(fields[3], ',');
    if (values.size() > MostMoves)
        return false;
    for (const std::string& pair : values) {
        const std::size_t equals = pair.find('=');
        engine::MoveValue value;
        if (equals == std::string::npos)
            return false;
        value.move = engine::squareFromName(pair.substr(0, equals));
        if (value.move < 0 || !readNumber(pair.substr(equals + 1), -64, 64, value.value))
            return false;
        out.values.push_back(value);
    }
    return !out.values.empty();
}

bool isKey(const std::string& text)
{
    return text.size() == 16 && text.find_first_not_of("0123456789abcdef") == std::string::npos;
}

} // namespace

HumanSides humanSides(const records::GameRecord& game)
{
    return HumanSides{records::computerLevelOf(game.black) == 0, records::computerLevelOf(game.white) == 0};
}

std::string gameKey(const records::GameRecord& game, const engine::SearchLimits& limits)
{
    Hash hash;
    const HumanSides humans = humanSides(game);
    hash.add(std::uint64_t(limits.depth) << 8 | std::uint64_t(limits.exactFrom));
    hash.add(game.start.player);
    hash.add(game.start.opponent);
    hash.add(std::uint64_t(game.blackToMoveAtStart) | std::uint64_t(humans.black) << 1 | std::uint64_t(humans.white) << 2);
    for (const records::RecordedTurn& turn : game.turns)
        hash.add(std::uint64_t(turn.square + 1) | std::uint64_t(turn.black) << 8);
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash.value));
    return text;
}

GameVerdicts judgeGame(const records::Replay& replayed, HumanSides humans, const engine::SearchLimits& limits,
                       const MoveProgress& progress)
{
    GameVerdicts verdicts;
    std::vector<int> turns; // the human moves' turn indices
    for (std::size_t i = 0; i < replayed.turns.size(); ++i) {
        const records::RecordedTurn& turn = replayed.turns[i];
        if (turn.square != records::Pass && (turn.black ? humans.black : humans.white))
            turns.push_back(int(i));
    }
    if (turns.empty())
        return verdicts;
    engine::Search search(engine::Evaluator::builtIn(), TableMegabytes, Seed);
    verdicts.moves.resize(turns.size());
    int done = 0;
    // From the end backwards, as the game's analysis does: each exact count fills the table for
    // the one before it.
    for (std::size_t k = turns.size(); k-- > 0;) {
        const int i = turns[k];
        const engine::MoveValues valued = search.valueAllMoves(replayed.positions[std::size_t(i)], limits);
        MoveVerdict& verdict = verdicts.moves[k];
        verdict.turn = i;
        verdict.played = replayed.turns[std::size_t(i)].square;
        verdict.cost = valued.bestValue() - valued.valueOf(verdict.played);
        if (verdict.cost < 0)
            verdict.cost = 0;
        if (verdict.cost >= analysis::MistakeDiscs)
            verdict.values = valued.moves;
        if (progress)
            progress(++done, int(turns.size()));
    }
    return verdicts;
}

std::string verdictCachePath()
{
    return files::gameFile(files::baseDirectory(files::DataHome), CacheFileName);
}

VerdictMap readVerdictCache(const std::string& path, std::string& error)
{
    VerdictMap verdicts;
    std::string text;
    std::string why;
    const files::ReadResult read = files::readWholeFile(path, LargestCacheFile, text, why);
    if (read == files::ReadResult::Missing)
        return verdicts;
    if (read == files::ReadResult::Failed) {
        error = why + "; the games are looked over again";
        return verdicts;
    }
    std::istringstream lines(text);
    std::string line;
    bool header = false;
    int number = 0;
    bool closed = !text.empty() && text.back() == '\n';
    while (std::getline(lines, line)) {
        ++number;
        if (!header) {
            header = line == CacheHeader;
            if (!header)
                break;
            continue;
        }
        std::istringstream tokens(line);
        std::string key;
        tokens >> key;
        GameVerdicts game;
        bool good = isKey(key) && verdicts.count(key) == 0;
        for (std::string token; good && tokens >> token;) {
            MoveVerdict verdict;
            good = readVerdict(token, verdict) && (game.moves.empty() || verdict.turn > game.moves.back().turn);
            game.moves.push_back(verdict);
        }
        if (!good) {
            error = path + ": line " + std::to_string(number) + " is no verdict of ours; the games are looked over again";
            return VerdictMap();
        }
        verdicts[key] = std::move(game);
    }
    if (!header || !closed) {
        error = path + (header ? " is cut short" : " is not a verdicts file of ours") + "; the games are looked over again";
        return VerdictMap();
    }
    return verdicts;
}

bool writeVerdictCache(const std::string& path, const VerdictMap& verdicts, std::string& error)
{
    std::string text = std::string(CacheHeader) + "\n";
    for (const auto& [key, game] : verdicts) {
        text += key;
        for (const MoveVerdict& move : game.moves) {
            text += " " + std::to_string(move.turn) + ":" + std::to_string(move.played) + ":" + std::to_string(move.cost);
            for (std::size_t i = 0; i < move.values.size(); ++i) {
                char value[8];
                std::snprintf(value, sizeof value, "%+d", move.values[i].value);
                text += (i == 0 ? ":" : ",") + engine::squareName(move.values[i].move) + "=" + value;
            }
        }
        text += "\n";
    }
    return files::writeWholeFile(path, text, error);
}

} // namespace drills
