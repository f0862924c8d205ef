// A header cannot talk the loader into allocating what the file does not hold.
#include "image/TgaImage.h"
#include "tests/image/AllocationProbe.h"
#include "tests/support/TgaFiles.h"

#include <gtest/gtest.h>

using namespace tgatest;

TEST(TgaAllocation, HostileHeadersAllocateNothingLikeTheirClaim)
{
    struct Row {
        HeaderFields fields;
        std::size_t bodyBytes;
    };
    // Every claim is far above the few KiB a file stream buffers, so the probe can tell them apart.
    const Row rows[] = {
        {{65535, 65535, 32}, 12},    // 17 GB claimed by a 30-byte file
        {{16384, 8192, 32}, 0},      // 512 MiB, whose 32-bit product wraps to 0
        {{65535, 65535, 255}, 100},  // the largest claim a header can make
        {{200, 200, 24}, 10},        // 120 000 bytes: modest, still not there
    };
    TempFolder folder;
    for (const Row& row : rows) {
        const HeaderFields& f = row.fields;
        const std::uint64_t claimed = std::uint64_t{f.width} * f.height * f.depth / 8;
        SCOPED_TRACE(testing::Message() << f.width << " x " << f.height << " x " << int(f.depth));
        const std::string path = folder.write("big.tga", join(headerBytes(f), patternBytes(row.bodyBytes)));

        TgaImage image;
        allocationprobe::reset();
        bool loaded = true;
        EXPECT_NO_THROW(loaded = image.load(path.c_str()));
        const std::size_t largest = allocationprobe::largestArray();
        EXPECT_FALSE(loaded);
        EXPECT_LT(largest, claimed);
        EXPECT_LT(largest, 64u * 1024u);
    }
}

// The probe does see the loader's buffer when the file holds it.
TEST(TgaAllocation, ProbeSeesAWholePicture)
{
    TempFolder folder;
    const std::string path = folder.write("whole.tga", join(headerBytes({256, 256, 24}), patternBytes(196608)));
    TgaImage image;
    allocationprobe::reset();
    ASSERT_TRUE(image.load(path.c_str()));
    EXPECT_GE(allocationprobe::largestArray(), 196608u);
}
