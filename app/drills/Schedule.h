#pragma once
// When each exercise comes back: five boxes, as a player sorts cards. A new exercise is in the
// first box and due at once; a right answer moves it up a box and makes it due again after
// 1, 3, 7, 15 days, then every 30 days from the fifth box; a wrong answer puts it back in the
// first box, due the next time the exercises are started.
//
// Days are whole days since 1970-01-01 in UTC, given by the caller (today()), so that tests drive
// a clock of their own. The schedule is kept in $XDG_DATA_HOME/reversi/drills.schedule, a file of
// its own beside the games:
//
//   reversi schedule 1
//   <box 1-5> <due day> <position text, 64 squares, space, side to move>
//
// written whole (temporary file and rename). A file that does not read as one (cut, binary,
// foreign, a folder in its place, unreadable) costs the schedule only: it starts again with one
// line, and the kept games are never touched.
#include <map>
#include <string>

namespace drills {

constexpr int Boxes = 5;
// Days until an exercise in box n (1-based) answered right is due again.
constexpr int DaysAfterRight[Boxes] = {1, 3, 7, 15, 30};

// Today from the system clock, in UTC days.
long long today();
// "2026-12-10" for a UTC day.
std::string dayText(long long day);

struct ScheduleEntry {
    int box = 1;
    long long due = 0; // day
};

class Schedule {
public:
    // The schedule in `path`: empty when the file is missing; empty with one line in `error` when
    // it does not read as a whole.
    static Schedule read(const std::string& path, std::string& error);
    // Writes it to `path` whole; false with one line in `error` when it could not.
    bool write(const std::string& path, std::string& error) const;

    // The entry of exercise `name`; a new one (box 1, due `day`) when it has none yet.
    ScheduleEntry entry(const std::string& name, long long day) const;
    bool isDue(const std::string& name, long long day) const { return entry(name, day).due <= day; }
    // The answer given on `day`.
    void answer(const std::string& name, bool right, long long day);

    std::size_t size() const { return m_entries.size(); }

private:
    std::map<std::string, ScheduleEntry> m_entries;
};

// The schedule's path, or "" when neither XDG_DATA_HOME nor HOME gives a folder.
std::string schedulePath();

// Larger schedule files are not read (an entry is about 70 bytes).
constexpr std::size_t LargestScheduleFile = 8 * 1024 * 1024;

} // namespace drills
