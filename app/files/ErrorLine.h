#pragma once
// How app/ reports what went wrong, the same way everywhere:
//
//   - A function that can fail says so in what it returns: `bool`, with the reason in a
//     `std::string& error` out-parameter, or a result whose `error` member is empty when nothing
//     went wrong (records::KeptGames, records::Replay, ParsedCommandLine). A command's answer
//     (AnalysisOutcome) carries its status and its lines for standard error the same way.
//   - A reason is one line of English naming what failed (the file, the option, the move), with
//     stray bytes shown by engine::printableBytes, without the program's name and without a newline.
//   - The function never writes the line itself; its caller decides where it goes: the entry and
//     the application write it to standard error with errorLine(), the tests compare it.
#include <string>

// The text that goes to standard error for `line`: "reversi: <line>\n".
inline std::string errorLine(const std::string& line)
{
    return "reversi: " + line + "\n";
}
