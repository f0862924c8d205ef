// The committed data files are exactly what the generators make: regenerating everything into
// a fresh folder gives the same bytes, file by file.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

std::vector<char> readBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class ScratchFolder {
public:
    ScratchFolder()
    {
        std::string pattern = (fs::temp_directory_path() / "reversi-data-XXXXXX").string();
        if (mkdtemp(pattern.data()) != nullptr)
            m_path = pattern;
    }
    ~ScratchFolder()
    {
        if (!m_path.empty()) {
            std::error_code ignored;
            fs::remove_all(m_path, ignored);
        }
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const fs::path& path() const { return m_path; }

private:
    fs::path m_path;
};

TEST(DataGenerators, RegenerateTheCommittedFilesByteForByte)
{
    ScratchFolder scratch;
    ASSERT_FALSE(scratch.path().empty());
    const std::string command = "bash tools/data/generate.sh '" + scratch.path().string() + "'";
    ASSERT_EQ(0, std::system(command.c_str())) << command;

    for (const char* file : {"image/font3.tga", "image/tray.tga", "image/particle.tga",
                             "image/fond.tga", "zik.ogg", "cursor.wav", "drop.wav", "win.wav",
                             "icons/reversi-48.png", "icons/reversi-64.png",
                             "icons/reversi-128.png", "icons/reversi-256.png"}) {
        const std::vector<char> committed = readBytes(fs::path("data") / file);
        const std::vector<char> regenerated = readBytes(scratch.path() / file);
        EXPECT_FALSE(committed.empty()) << file;
        EXPECT_TRUE(committed == regenerated) << file << " differs from a fresh generation";
    }
}

} // namespace
