#pragma once
// Reading and writing a player's file (the settings, the drills' verdicts and schedule) as a whole text.
//
// A write puts the text in a temporary file beside the target and renames it over the old one,
// so the file is always either the old text or the new one. A read takes plain files only (a
// folder or a device in the file's place is an error, not a hang) and refuses files larger than
// it is told, unread.
#include <cstddef>
#include <string>

namespace files {

enum class ReadResult {
    Missing, // no file: nothing was ever written, no error either
    Read,    // `text` holds the whole file
    Failed,  // `error` says why (one line, as app/files/ErrorLine.h says)
};

ReadResult readWholeFile(const std::string& path, std::size_t largest, std::string& text, std::string& error);

// Writes `text` to `path` whole, making its folders when needed. False, with one line in
// `error`, when it could not; the old file is then as it was.
bool writeWholeFile(const std::string& path, const std::string& text, std::string& error);
// The same in a folder that exists: the temporary file written, flushed to the disk and renamed
// over `path`. False with the system's reason in `why` (the temporary file removed).
bool replaceWholeFile(const std::string& path, const std::string& text, std::string& why);

} // namespace files
