// The data folder as a whole: every file the game loads is there, and together they stay small.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>

namespace {

TEST(DataFolder, HoldsEveryFileTheGameLoadsInUnderFourMegabytes)
{
    for (const char* path : {"./data/image/font3.tga", "./data/image/tray.tga",
                             "./data/image/particle.tga", "./data/image/fond.tga",
                             "./data/zik.ogg", "./data/cursor.wav", "./data/drop.wav",
                             "./data/win.wav"})
        EXPECT_TRUE(std::filesystem::is_regular_file(path)) << path;

    std::uintmax_t total = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator("./data"))
        if (entry.is_regular_file())
            total += entry.file_size();
    EXPECT_LT(total, 4000000u);
}

} // namespace
