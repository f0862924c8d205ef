#include "app/records/GameArgument.h"

#include "app/records/Ggf.h"
#include "app/records/RecordsFile.h"
#include "app/records/Transcript.h"
#include "engine/PrintableBytes.h"

#include <cctype>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace records {
namespace {

constexpr std::size_t ReadChunk = 64 * 1024;
// Game numbers longer than this are no number of a game in any file.
constexpr std::size_t LongestNumber = 9;
// Windows programs may start a text file with UTF-8's byte order mark.
constexpr const char* ByteOrderMark = "\xef\xbb\xbf";

// A path or a reason from a file as it may go to the terminal.
std::string shown(const std::string& bytes)
{
    return engine::printableBytes(bytes, engine::Unprintable::Hex);
}

bool fail(std::string& error, const std::string& why)
{
    error = why;
    return false;
}

// Closes the descriptor on every way out.
struct FileCloser {
    int fd;
    ~FileCloser()
    {
        if (fd >= 0)
            close(fd);
    }
};

// The whole plain file at `path`, without waiting on a FIFO or a device.
bool readWholeFile(const std::string& path, std::string& text, std::string& error)
{
    FileCloser file{open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY)};
    if (file.fd < 0)
        return fail(error, "cannot open " + shown(path) + ": " + std::strerror(errno));
    struct stat info {};
    if (fstat(file.fd, &info) != 0 || !S_ISREG(info.st_mode))
        return fail(error, "cannot use " + shown(path) + ": not a plain file");
    if (std::size_t(info.st_size) > LargestGameFile)
        return fail(error, shown(path) + " is too large to be a file of games");
    char chunk[ReadChunk];
    for (;;) {
        const ssize_t got = read(file.fd, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return fail(error, "cannot read " + shown(path) + ": " + std::strerror(errno));
        if (got == 0)
            return true;
        text.append(chunk, std::size_t(got));
        if (text.size() > LargestGameFile) // it grew while read
            return fail(error, shown(path) + " is too large to be a file of games");
    }
}

std::size_t skipBlanks(const std::string& text, std::size_t at)
{
    while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at])))
        ++at;
    return at;
}

bool isGameStart(const std::string& text, std::size_t at)
{
    return text.compare(at, 2, "(;") == 0;
}

bool isDigits(const std::string& text)
{
    return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

// Only squares and blanks: read as a transcript even when a file of that name exists.
bool isTranscriptShaped(const std::string& text)
{
    for (char c : text) {
        const char lower = char(std::tolower(static_cast<unsigned char>(c)));
        if (!((lower >= 'a' && lower <= 'h') || (c >= '1' && c <= '8') || std::isspace(static_cast<unsigned char>(c))))
            return false;
    }
    return true;
}

bool namesAFile(const std::string& argument)
{
    if (isTranscriptShaped(argument))
        return false;
    struct stat info {};
    return argument.find_first_of("/.") != std::string::npos || stat(argument.c_str(), &info) == 0;
}

// `record` played over from the start position. Moves of one side twice in a row, with the
// other side's forced pass left out as some programs write them, are taken as that pass.
bool playedOver(const GameRecord& record, const std::string& name, Replay& out, std::string& error)
{
    if (record.start != engine::Position::start() || !record.blackToMoveAtStart)
        return fail(error, name + " starts from another position, which cannot be looked over");
    Replay strict = replay(record.start, true, record.turns, false);
    if (!strict.ok) {
        Replay lenient = replay(record.start, true, record.turns, true);
        if (!lenient.ok)
            return fail(error, name + ": " + strict.error);
        strict = std::move(lenient);
    }
    out = std::move(strict);
    return true;
}

// "@", "@3": a kept game. The lines are the ones --analyze has always given.
bool keptGame(const std::string& text, const std::string& recordsPath, Replay& out, std::string& error)
{
    if (recordsPath.empty())
        return fail(error, "no folder for the kept games: neither XDG_DATA_HOME nor HOME is set");
    const KeptGames kept = readKeptGames(recordsPath);
    if (!kept.error.empty())
        return fail(error, kept.error);
    std::size_t number = kept.games.size();
    if (text.size() > 1) {
        const std::string digits = text.substr(1);
        if (digits.size() > LongestNumber || !isDigits(digits))
            return fail(error, "bad game '" + text + "': @ alone, or @ and a game's number from --games");
        number = std::stoul(digits);
    }
    if (number == 0 || number > kept.games.size())
        return fail(error, kept.games.empty() ? "no games kept in " + recordsPath
                                              : "no game " + text + ": the games kept are @1 to @" +
                                                    std::to_string(kept.games.size()));
    const GameRecord& record = kept.games[number - 1];
    if (record.start != engine::Position::start() || !record.blackToMoveAtStart)
        return fail(error, "game @" + std::to_string(number) + " does not start from the start position");
    out = replay(record.start, record.blackToMoveAtStart, record.turns, false);
    return true;
}

} // namespace

bool readGgfFileGame(const std::string& path, std::size_t number, GameRecord& out, std::string& error)
{
    std::string text;
    if (!readWholeFile(path, text, error))
        return false;
    std::size_t at = text.compare(0, 3, ByteOrderMark) == 0 ? 3 : 0;
    at = skipBlanks(text, at);
    if (at == text.size())
        return fail(error, shown(path) + " holds no game");
    if (!isGameStart(text, at))
        return fail(error, shown(path) + " is not a GGF file: it does not start with \"(;\"");
    if (number == 0)
        return fail(error, "no game 0 in " + shown(path) + ": its games are counted from 1");
    for (std::size_t game = 1;; ++game) {
        GameRecord record;
        std::string why;
        if (!parseGgfAt(text, at, record, why))
            return fail(error,
                        "game " + std::to_string(game) + " in " + shown(path) + " cannot be read: " + shown(why));
        if (game == number) {
            out = std::move(record);
            return true;
        }
        at = skipBlanks(text, at);
        if (at == text.size())
            return fail(error, "no game " + std::to_string(number) + " in " + shown(path) + ", which holds " +
                                   std::to_string(game) + (game == 1 ? " game" : " games"));
        if (!isGameStart(text, at))
            return fail(error, "no game " + std::to_string(number) + " in " + shown(path) + ": what follows game " +
                                   std::to_string(game) + " is not a game");
    }
}

bool resolveGame(const std::string& argument, const std::string& recordsPath, Replay& out, std::string& error)
{
    if (!argument.empty() && argument[0] == '@')
        return keptGame(argument, recordsPath, out, error);

    std::string path = argument;
    std::size_t number = 1;
    const std::size_t mark = argument.rfind('@');
    const bool numbered = mark != std::string::npos && mark > 0 && isDigits(argument.substr(mark + 1));
    if (numbered) {
        const std::string digits = argument.substr(mark + 1);
        if (digits.size() > LongestNumber)
            return fail(error,
                        "bad game '" + shown(argument) + "': PATH alone, or PATH@ and a game's number in the file");
        path = argument.substr(0, mark);
        number = std::stoul(digits);
    }
    if (numbered || namesAFile(argument)) {
        GameRecord record;
        if (!readGgfFileGame(path, number, record, error))
            return false;
        return playedOver(record, "game " + std::to_string(number) + " in " + shown(path), out, error);
    }

    out = readTranscript(argument);
    if (!out.ok)
        return fail(error, "bad game: " + out.error);
    return true;
}

} // namespace records
