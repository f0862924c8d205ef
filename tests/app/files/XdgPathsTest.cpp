// The base directories from the variables' values and HOME's, and the folders made for a file:
// private when made, left alone when already there, one line when something else is in the way.
#include "app/files/XdgPaths.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <sys/stat.h>

namespace {

// Sets an environment variable for the test's length, and puts back what was there.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const char* value)
        : m_name(name)
    {
        if (const char* old = std::getenv(name))
            m_old = old;
        if (value)
            ::setenv(name, value, 1);
        else
            ::unsetenv(name);
    }
    ~ScopedVariable()
    {
        if (m_old)
            ::setenv(m_name, m_old->c_str(), 1);
        else
            ::unsetenv(m_name);
    }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    const char* m_name;
    std::optional<std::string> m_old;
};

unsigned modeOf(const std::string& path)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return 0;
    return unsigned(info.st_mode) & 07777;
}

TEST(XdgPaths, BaseDirectoriesFromTheVariablesAndHome)
{
    struct Row {
        const char* what;
        const files::BaseDirectory& base;
        const char* value; // null: unset
        const char* home;
        const char* folder;
    };
    const Row rows[] = {
        {"config: absolute", files::ConfigHome, "/x/config", "/home/p", "/x/config"},
        {"config: unset", files::ConfigHome, nullptr, "/home/p", "/home/p/.config"},
        {"config: empty", files::ConfigHome, "", "/home/p", "/home/p/.config"},
        {"config: relative, ignored", files::ConfigHome, "x/config", "/home/p", "/home/p/.config"},
        {"data: absolute", files::DataHome, "/x/data", nullptr, "/x/data"},
        {"data: unset", files::DataHome, nullptr, "/home/p", "/home/p/.local/share"},
        {"data: relative, ignored", files::DataHome, ".", "/home/p", "/home/p/.local/share"},
        {"HOME unset", files::DataHome, nullptr, nullptr, ""},
        {"HOME empty", files::ConfigHome, "", "", ""},
        {"HOME relative", files::ConfigHome, "relative", "home/p", ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        EXPECT_EQ(files::baseDirectory(row.base, row.value, row.home), row.folder);
        // The environment's form reads the same variables.
        const ScopedVariable variable(row.base.variable, row.value);
        const ScopedVariable home("HOME", row.home);
        EXPECT_EQ(files::baseDirectory(row.base), row.folder);
    }
    EXPECT_EQ(files::gameFile("/x/data", "games.ggf"), "/x/data/reversi/games.ggf");
    EXPECT_EQ(files::gameFile("", "games.ggf"), "") << "no folder, no file";
}

class MadeFolders : public testing::Test {
protected:
    void SetUp() override { m_umask = ::umask(022); } // the modes asked for, not the runner's
    void TearDown() override { ::umask(m_umask); }

    TempFolder m_temp{"reversi-xdg"};
    // Nothing the helper might make lands in the real home, whatever the test does.
    const ScopedVariable m_home{"HOME", m_temp.root().c_str()};
    const ScopedVariable m_config{"XDG_CONFIG_HOME", m_temp.root().c_str()};
    const ScopedVariable m_data{"XDG_DATA_HOME", m_temp.root().c_str()};
    mode_t m_umask = 0;
};

TEST_F(MadeFolders, ThePlayersOwnWhenMadeAndUntouchedWhenThere)
{
    const std::string root = m_temp.root();
    ASSERT_EQ(::mkdir((root + "/shared").c_str(), 0755), 0);
    std::string error;
    ASSERT_TRUE(files::makeParentFolders(root + "/shared/a/b/reversi/settings", error)) << error;
    EXPECT_EQ(modeOf(root + "/shared"), 0755u) << "a folder already there keeps its mode";
    for (const char* made : {"/shared/a", "/shared/a/b", "/shared/a/b/reversi"})
        EXPECT_EQ(modeOf(root + made), 0700u) << made;
    EXPECT_EQ(modeOf(root + "/shared/a/b/reversi/settings"), 0u) << "the file itself is not made";
    ASSERT_TRUE(files::makeParentFolders(root + "/shared/a/b/reversi/games.ggf", error)) << "all there already";
    EXPECT_TRUE(files::makeParentFolders("settings", error)) << "a file in the current folder needs none";
}

TEST_F(MadeFolders, AFileInTheWayGivesOneLineNamingIt)
{
    const std::string root = m_temp.root();
    std::ofstream(root + "/blocked") << "x";
    struct Row {
        const char* what;
        std::string path;
        std::string named; // the folder the line names
    };
    const Row rows[] = {
        {"the file's own folder", root + "/blocked/settings", root + "/blocked"},
        {"a folder above it", root + "/blocked/reversi/settings", root + "/blocked"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        std::string error;
        errno = 0;
        EXPECT_FALSE(files::makeParentFolders(row.path, error));
        EXPECT_EQ(errno, ENOTDIR);
        EXPECT_EQ(error, "cannot make the folder " + row.named + ": " + std::strerror(ENOTDIR));
    }
}

} // namespace
