// The committed data files are exactly what the generators make: regenerating everything into
// a fresh folder gives the same bytes, file by file.
#include "tests/support/TempFolder.h"

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

TEST(DataGenerators, RegenerateTheCommittedFilesByteForByte)
{
    const TempFolder scratch("reversi-data");
    const std::string command = "bash tools/data/generate.sh '" + scratch.root() + "'";
    ASSERT_EQ(0, std::system(command.c_str())) << command;

    for (const char* file : {"image/font3.tga", "image/tray.tga", "image/particle.tga",
                             "image/fond.tga", "zik.ogg", "cursor.wav", "drop.wav", "win.wav",
                             "icons/reversi-48.png", "icons/reversi-64.png",
                             "icons/reversi-128.png", "icons/reversi-256.png"}) {
        const std::vector<char> committed = readBytes(fs::path("data") / file);
        const std::vector<char> regenerated = readBytes(fs::path(scratch.root()) / file);
        EXPECT_FALSE(committed.empty()) << file;
        EXPECT_TRUE(committed == regenerated) << file << " differs from a fresh generation";
    }
}

} // namespace
