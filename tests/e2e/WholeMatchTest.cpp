// A whole match played from the keyboard: the nine-move wipe-out f5 d6 c5 f4 e3 f6 g5 e6 e7,
// checked position by position, to the winner screen, the credits and a clean exit; then the
// match is found kept as one GGF line after the damaged lines already in the games file, and
// read with a reader of the format's own it replays to the position the screen showed.
// With REVERSI_SDL_LIBRARY_DIR set, the game takes SDL 1.2 from that folder (LD_LIBRARY_PATH),
// e.g. sdl12-compat's, and the match checks that it really did.
#include "tests/e2e/GameSession.h"
#include "tests/e2e/MappedFiles.h"
#include "tests/e2e/PlaySteps.h"
#include "tests/e2e/ScreenProbe.h"
#include "tests/support/TempFolder.h"

#include <cstdlib>
#include <fstream>
#include <map>
#include <gtest/gtest.h>
#include <regex>
#include <sys/stat.h>

namespace {

const std::string winnerMessage = "Joueur 1 est le gagnant !";

// What the games file held before the match: a line of binary bytes and a game cut short by a
// crash, without its newline.
const std::string damagedLines = std::string("\x01\xfe\x00garbage\n", 11) + "(;GM[Othello]PC[reversi]DT[2026.";

// A GGF game as the format describes it: properties NAME[value], a backslash escaping the next
// character. Returns the properties in order.
std::vector<std::pair<std::string, std::string>> ggfProperties(const std::string& game)
{
    std::vector<std::pair<std::string, std::string>> properties;
    static const std::regex property(R"(([A-Z]+)\[((?:\\.|[^\\\]])*)\])");
    for (auto it = std::sregex_iterator(game.begin(), game.end(), property); it != std::sregex_iterator(); ++it)
        properties.emplace_back((*it)[1], std::regex_replace((*it)[2].str(), std::regex(R"(\\(.))"), "$1"));
    return properties;
}

// The kept match: its players, result and start board, then its moves replayed on a board of
// the test's own, which must end where the screen did.
void expectKeptMatch(const std::string& line, const ExpectedBoard& shown)
{
    ASSERT_EQ(line.rfind("(;GM[Othello]", 0), 0u) << line;
    ASSERT_EQ(line.substr(line.size() - 2), ";)") << line;
    std::map<std::string, std::string> header;
    ExpectedBoard replayed;
    int moves = 0;
    for (const auto& [name, value] : ggfProperties(line)) {
        if (name != "B" && name != "W") {
            header[name] = value;
            continue;
        }
        ASSERT_EQ(name, moves % 2 == 0 ? "B" : "W") << "no passes in this match";
        const SquarePos square = squareNamed(value);
        const auto colour = name == "B" ? ExpectedBoard::Square::Dark : ExpectedBoard::Square::Light;
        ASSERT_GT(replayed.play(square.x, square.y, colour), 0) << value;
        ++moves;
    }
    EXPECT_EQ(moves, 9);
    EXPECT_EQ(header["PB"], "Joueur 1");
    EXPECT_EQ(header["PW"], "Joueur 2");
    EXPECT_EQ(header["RE"], "+64.000");
    EXPECT_EQ(header["TY"], "8");
    EXPECT_EQ(header["BO"], "8 -------- -------- -------- ---O*--- ---*O--- -------- -------- -------- *");
    EXPECT_TRUE(std::regex_match(header["DT"], std::regex(R"(\d{4}\.\d\d\.\d\d_\d\d:\d\d:\d\d\.UTC)"))) << header["DT"];
    for (int x = 1; x <= 8; ++x) {
        for (int y = 1; y <= 8; ++y)
            EXPECT_EQ(replayed.at(x, y), shown.at(x, y)) << x << "," << y;
    }
}

} // namespace

TEST(WholeMatch, WipeOutToWinnerAndCredits)
{
    const std::string dataHome = makeTempDirectory("reversi-kept");
    ASSERT_EQ(mkdir((dataHome + "/reversi").c_str(), 0700), 0);
    const std::string gamesFile = dataHome + "/reversi/games.ggf";
    std::ofstream(gamesFile, std::ios::binary) << damagedLines;

    GameSession::Setup setup;
    setup.environment = {"XDG_DATA_HOME=" + dataHome};
    const char* sdlFolder = std::getenv("REVERSI_SDL_LIBRARY_DIR");
    if (sdlFolder != nullptr)
        setup.environment.push_back(std::string("LD_LIBRARY_PATH=") + sdlFolder);
    GameSession session(setup);
    ASSERT_TRUE(session.isReady()) << session.problem();
    ASSERT_TRUE(startMatch(session));
    if (sdlFolder != nullptr) {
        const std::vector<std::string> sdl = mappedFiles(session.game().pid(), "/libSDL-1.2.so");
        ASSERT_EQ(sdl.size(), 1u) << "the game maps no libSDL-1.2, or more than one";
        EXPECT_EQ(sdl.front().rfind(std::string(sdlFolder) + "/", 0), 0u) << sdl.front();
    }

    ExpectedBoard board;
    SquarePos cursor = startCursor;
    int side = 1;
    for (const char* move : {"f5", "d6", "c5", "f4", "e3", "f6", "g5", "e6", "e7"}) {
        SCOPED_TRACE(move);
        SquarePos target = squareNamed(move);
        // Every square the cone leaves is checked on the way.
        ASSERT_TRUE(moveCursor(session, cursor, target));
        cursor = target;
        std::string mismatch;
        EXPECT_TRUE(showsBoard(session.player().grabScreen(), board, startTilt, cursor, &mismatch))
            << mismatch;

        session.player().tap(XK_Return);
        auto colour = side == 1 ? ExpectedBoard::Square::Dark : ExpectedBoard::Square::Light;
        ASSERT_GT(board.play(target.x, target.y, colour), 0);
        auto other = side == 1 ? ExpectedBoard::Square::Light : ExpectedBoard::Square::Dark;
        if (board.hasMove(other))
            side = 3 - side;
        bool over = !board.hasMove(ExpectedBoard::Square::Dark) &&
                    !board.hasMove(ExpectedBoard::Square::Light);
        std::string message = over ? winnerMessage : turnMessage(side);
        ASSERT_TRUE(session.waitForScreen(std::string("after-") + move, [&](const Screenshot& shot) {
            return showsPlayScreen(session.font(), shot, board, cursor, message);
        })) << "the position after " << move << " never showed";
    }

    EXPECT_EQ(board.count(ExpectedBoard::Square::Dark), 13);
    EXPECT_EQ(board.count(ExpectedBoard::Square::Light), 0);
    Screenshot over = session.player().grabScreen();
    EXPECT_EQ(readMessage(session.font(), over, winnerMessage.size()), winnerMessage);
    ScorePanel panel = readScorePanel(session.font(), over);
    EXPECT_EQ(panel.nameOne, "Joueur 1");
    EXPECT_EQ(panel.scoreOne, "13");
    EXPECT_EQ(panel.nameTwo, "Joueur 2");
    EXPECT_EQ(panel.scoreTwo, "0");
    session.keep(over, "game-over");

    // Any key leaves the winner screen for the credits, and any key there ends the game.
    session.player().tap(XK_Left);
    auto credits = session.waitForScreen("credits-after-match", [&](const Screenshot& shot) {
        return showsCredits(session.font(), shot);
    });
    ASSERT_TRUE(credits) << "no credits after the winner screen";
    session.player().tap(XK_Return);
    std::optional<int> status = session.game().waitForExit(GameSession::defaultLimit);
    ASSERT_TRUE(status) << "the game did not end after a key on the credits";
    EXPECT_EQ(*status, 0);

    const std::string kept = readWholeFile(gamesFile);
    ASSERT_EQ(kept.rfind(damagedLines + "\n", 0), 0u) << "the damaged lines were not left as they were";
    const std::string line = kept.substr(damagedLines.size() + 1);
    ASSERT_FALSE(line.empty());
    EXPECT_EQ(line.find('\n'), line.size() - 1) << "not one line";
    expectKeptMatch(line.substr(0, line.size() - 1), board);

    // --games lists the match and counts the two damaged lines.
    ChildProcess::Options list;
    list.argv = {gamePath(), "--games"};
    list.environment = environmentWithout({"XDG_DATA_HOME"});
    list.environment.push_back("XDG_DATA_HOME=" + dataHome);
    list.stdoutPath = dataHome + "/out.txt";
    list.stderrPath = dataHome + "/err.txt";
    ChildProcess games(list);
    EXPECT_EQ(games.waitForExit(GameSession::defaultLimit), std::optional<int>(0));
    EXPECT_TRUE(std::regex_match(readWholeFile(list.stdoutPath),
                                 std::regex("1  \\S+  Joueur 1 - Joueur 2  \\+64  f5d6c5f4e3f6g5e6e7\n")))
        << readWholeFile(list.stdoutPath);
    EXPECT_NE(readWholeFile(list.stderrPath).find("2 damaged lines skipped"), std::string::npos);
    removeTree(dataHome);
}
