// The exercises' schedule over days the test chooses: five boxes, a right answer up a box and
// due again after 1, 3, 7, 15, then 30 days; a wrong one back to the first box, due at once; the
// file read back as it was written.
#include "app/drills/Schedule.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

const std::string Name = "---------------------------OX------XO--------------------------- X";
const std::string Other = "---------------------------OX------XO--------------------------- O";

TEST(DrillSchedule, BoxesOverSimulatedDays)
{
    struct Step {
        long long day;
        bool dueBefore; // on that day, before the answer
        bool right;
        int box;        // after the answer
        long long due;
    };
    const Step due[] = {
        {100, true, true, 2, 101},
        {101, true, true, 3, 104},
        {104, true, false, 1, 104}, // wrong: the first box, due the next time
        {104, true, true, 2, 105},
        {105, true, true, 3, 108},
        {108, true, true, 4, 115},
        {115, true, true, 5, 130},
        {130, true, true, 5, 160}, // the fifth box keeps it, 30 days on
        {160, true, false, 1, 160},
    };
    drills::Schedule schedule;
    long long previous = 0;
    for (const Step& step : due) {
        SCOPED_TRACE(step.day);
        EXPECT_EQ(schedule.isDue(Name, step.day), step.dueBefore);
        if (previous > 0 && step.day > previous + 1) {
            EXPECT_FALSE(schedule.isDue(Name, step.day - 1)) << "not due the day before";
        }
        schedule.answer(Name, step.right, step.day);
        EXPECT_EQ(schedule.entry(Name, step.day).box, step.box);
        EXPECT_EQ(schedule.entry(Name, step.day).due, step.due);
        EXPECT_TRUE(schedule.isDue(Other, step.day)) << "an exercise never answered is always due";
        previous = step.day;
    }

    TempFolder folder("reversi-schedule");
    const std::string path = folder.path("reversi/drills.schedule");
    schedule.answer(Other, true, 7);
    std::string error;
    ASSERT_TRUE(schedule.write(path, error)) << error;
    const drills::Schedule read = drills::Schedule::read(path, error);
    EXPECT_EQ(error, "");
    EXPECT_EQ(read.size(), 2u);
    EXPECT_EQ(read.entry(Name, 0).box, 1);
    EXPECT_EQ(read.entry(Name, 0).due, 160);
    EXPECT_EQ(read.entry(Other, 0).box, 2);
    EXPECT_EQ(read.entry(Other, 0).due, 8);
}

TEST(DrillSchedule, DaysAsDates)
{
    struct Row {
        long long day;
        const char* text;
    };
    for (const Row& row : {Row{0, "1970-01-01"}, Row{-1, "1969-12-31"}, Row{11016, "2000-02-29"},
                           Row{20796, "2026-12-09"}}) {
        EXPECT_EQ(drills::dayText(row.day), row.text);
    }
    EXPECT_GT(drills::today(), 20000); // the clock runs in days since 1970
}

} // namespace
