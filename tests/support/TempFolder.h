#pragma once
// Private temporary folders for the tests, under the system's temporary folder (TMPDIR or /tmp),
// so that no test writes into the project, the build or the real home folder.
#include <cstdint>
#include <string>
#include <vector>

// A fresh directory under the system's temporary folder, named after `prefix`; throws when none
// can be made.
std::string makeTempDirectory(const std::string& prefix);

// Removes a directory and everything in it; quietly does nothing for an empty path.
void removeTree(const std::string& path);

// A fresh folder that disappears, with everything in it, with the object.
class TempFolder {
public:
    explicit TempFolder(const std::string& prefix = "reversi-test");
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& root() const { return m_root; }
    // `name` inside the folder; nothing is created.
    std::string path(const std::string& name) const;
    // Writes `bytes` to `name` in the folder and returns the full path.
    std::string write(const std::string& name, const std::vector<std::uint8_t>& bytes) const;

private:
    std::string m_root;
};
