// The exercises and the statistics in the screens' state machine: E and S on the title, the board
// keys and the mouse while an exercise is asked, any key after the answer, the ways out; and the
// texts of their lines.
#include "app/screens/DrillTexts.h"
#include "app/screens/ScreenFlow.h"
#include "app/screens/ScreenTexts.h"
#include "render/Directions.h"
#include "tests/app/screens/RecordingScreenHost.h"
#include "tests/app/screens/ScreenEvents.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Strings = std::vector<std::string>;

// The recording host with the exercises' answers: `step` is what drillStep says, and an answer
// or a next moves it on as the game's would.
class DrillsHost : public RecordingScreenHost {
public:
    DrillStep step = DrillStep::Asking;
    bool opens = true;

    bool openDrills() override
    {
        calls.push_back("open drills");
        return opens;
    }
    DrillStep drillStep() const override { return step; }
    void answerDrill() override
    {
        calls.push_back("answer " + std::to_string(cursor.x) + "," + std::to_string(cursor.y));
        step = DrillStep::Answered;
    }
    void nextDrill() override
    {
        calls.push_back("next");
        step = DrillStep::Asking;
    }
    void leaveDrills() override { calls.push_back("leave drills"); }
    bool openStats() override
    {
        calls.push_back("open stats");
        return opens;
    }
    void leaveStats() override { calls.push_back("leave stats"); }
};

TEST(ScreenFlowDrills, TitleEAndSOpenTheirScreens)
{
    struct Row {
        const char* what;
        bool opens;
        SDL_Event event;
        ScreenState to;
        Strings calls;
    };
    const std::vector<Row> rows = {
        {"E opens the exercises", true, typedKey(SDLK_e, 'e'), Drills, {"open drills"}},
        {"E typed upper case", true, typedKey(SDLK_e, 'E'), Drills, {"open drills"}},
        {"exercises that cannot open: the title stays", false, typedKey(SDLK_e, 'e'), Title, {"open drills"}},
        {"S opens the statistics", true, typedKey(SDLK_s, 's'), Stats, {"open stats"}},
        {"S on another layout's key", true, typedKey(SDLK_SEMICOLON, 'S'), Stats, {"open stats"}},
    };
    for (const Row& row : rows) {
        DrillsHost host;
        host.opens = row.opens;
        ScreenFlow flow(host);
        flow.onTitleEvent(row.event);
        EXPECT_EQ(flow.state(), row.to) << row.what;
        EXPECT_EQ(host.calls, row.calls) << row.what;
    }
}

TEST(ScreenFlowDrills, TheBoardAnswersAsInPlayAndAnyKeyGoesOn)
{
    using Step = ScreenHost::DrillStep;
    struct Row {
        const char* what;
        Step step; // when the events come
        std::vector<SDL_Event> events;
        Strings calls; // after "open drills"
        ScreenState to;
        std::size_t effects; // sound cues played
    };
    const std::vector<Row> rows = {
        {"Return answers with the cursor square", Step::Asking, {keyDown(SDLK_RETURN)}, {"answer 3,5"}, Drills, 1},
        {"an arrow moves the cursor, Space answers there", Step::Asking, {keyDown(SDLK_RIGHT), keyDown(SDLK_SPACE)},
         {"cursor " + std::to_string(CursorRight), "answer 3,5"}, Drills, 2},
        {"a click answers on the square clicked", Step::Asking, {buttonAt(1, 850, 150)}, {"place 8,1", "answer 8,1"},
         Drills, 1},
        {"the pointer moves the cursor only", Step::Asking, {pointerAt(250, 350)}, {"place 2,3"}, Drills, 1},
        {"C shows the marks", Step::Asking, {typedKey(SDLK_c, 'c')}, {"marks"}, Drills, 0},
        {"the wheel tilts", Step::Asking, {buttonAt(4, 10, 10)}, Strings(5, "tilt 2"), Drills, 0},
        {"after the answer any key goes to the next", Step::Answered, {keyDown(SDLK_a)}, {"next"}, Drills, 0},
        {"after the answer a click goes to the next, and answers nothing", Step::Answered, {buttonAt(1, 850, 150)},
         {"next"}, Drills, 0},
        {"after the answer M mutes and stays", Step::Answered, {typedKey(SDLK_m, 'm')}, {"sound"}, Drills, 0},
        {"with none left any key goes back to the title", Step::Finished, {keyDown(SDLK_SPACE)}, {"leave drills"},
         Title, 0},
        {"while the games are looked over the board does nothing", Step::Looking,
         {keyDown(SDLK_RETURN), buttonAt(1, 850, 150)}, {}, Drills, 0},
        {"Escape goes back to the title", Step::Asking, {keyDown(SDLK_ESCAPE), keyDown(SDLK_RETURN)}, {"leave drills"},
         Title, 0},
        {"a quit goes to the credits", Step::Answered, {quitEvent()}, {"leave drills"}, Credits, 0},
        {"F1 opens the help; the next key only closes it", Step::Asking, {keyDown(SDLK_F1), keyDown(SDLK_RETURN)}, {},
         Drills, 0},
    };
    for (const Row& row : rows) {
        DrillsHost host;
        ScreenFlow flow(host);
        flow.onTitleEvent(typedKey(SDLK_e, 'e'));
        host.calls.clear();
        host.step = row.step;
        for (const SDL_Event& event : row.events)
            flow.onDrillsEvent(event);
        EXPECT_EQ(host.calls, row.calls) << row.what;
        EXPECT_EQ(flow.state(), row.to) << row.what;
        EXPECT_EQ(host.sound.effects.size(), row.effects) << row.what;
    }
}

TEST(ScreenFlowDrills, StatisticsLeaveOnAnyKey)
{
    for (const SDL_Event& event : {keyDown(SDLK_SPACE), buttonAt(1, 10, 10), quitEvent()}) {
        DrillsHost host;
        ScreenFlow flow(host);
        flow.onTitleEvent(typedKey(SDLK_s, 's'));
        flow.onStatsEvent(event);
        EXPECT_EQ(flow.state(), event.type == SDL_QUIT ? Credits : Title);
        EXPECT_EQ(host.calls, (Strings{"open stats", "leave stats"}));
    }
}

TEST(DrillTexts, PromptVerdictAndNextLines)
{
    struct Row {
        std::string got;
        std::string expected;
    };
    std::string out;
    const std::vector<Row> rows = {
        {drillPrompt(3, 12, "Joueur 1", out), "Exercice 3 sur 12 : \xE0 Joueur 1 de trouver le meilleur coup"},
        {drillPrompt(1, 1, "Joueur 2", out), "Exercice 1 sur 1 : \xE0 Joueur 2 de trouver le meilleur coup"},
        {drillVerdict(true, 63, 62, 1, out), "Bien vu !"},
        {drillVerdict(false, 63, 1, 14, out), "Meilleur : h8, b1 perd 14 disques"},
        {drillVerdict(false, 0, 9, 1, out), "Meilleur : a1, b2 perd 1 disque"},
        {drillNextMessage(true, 1, out), "Aucun exercice \xE0 faire, le prochain demain"},
        {drillNextMessage(true, 7, out), "Aucun exercice \xE0 faire, le prochain dans 7 jours"},
        {drillNextMessage(true, 0, out), "Aucun exercice \xE0 faire, le prochain \xE0 la prochaine s\xE9" "ance"},
        {drillNextMessage(false, 0, out), "Aucun exercice : aucune erreur de 4 disques ou plus"},
        {drillLookingMessage(2, 5, out), "Analyse des parties 2/5"},
        {statsMessage(1, 1, 1, out), "1 partie, 1 exercice r\xE9ussi sur 1"},
        {statsMessage(12, 0, 3, out), "12 parties, 0 exercice r\xE9ussi sur 3"},
        {statsMessage(9, 3, 12, out), "9 parties, 3 exercices r\xE9ussis sur 12"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(row.got, row.expected);
    for (const char* line : text::DrillsHelpLines)
        EXPECT_LE(std::string(line).size(), 48u) << line;
    EXPECT_LE(std::string(text::TitleDrillsHelpLine).size(), 48u);
    EXPECT_LE(std::string(text::TitleStatsHelpLine).size(), 48u);
}

} // namespace
