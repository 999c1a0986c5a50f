// The WAVE writer's header and its limits.
#include "wav_writer.h"

#include <gtest/gtest.h>

#include "fixture_voice.h"
#include "say_fixture.h"

namespace zorna::say {
namespace {

using zorna::testing::ReadAll;
using zorna::testing::U16;
using zorna::testing::U32;

TEST(WavWriter, OddDataIsPaddedToWholeSamples) {
    const std::string path = zorna::testing::MakeTempDir("say-wav") + "/odd.wav";
    TWavWriter writer;
    std::string error;
    ASSERT_TRUE(writer.Open(path, error)) << error;
    ASSERT_TRUE(writer.Write("abc", 3, error)) << error;
    ASSERT_TRUE(writer.Finish(error)) << error;
    const std::string file = ReadAll(path);
    ASSERT_EQ(file.size(), 48u);
    EXPECT_EQ(U32(file, 40), 4u);
    EXPECT_EQ(U32(file, 4), 40u);
    EXPECT_EQ(file.substr(44), std::string("abc\0", 4));
}

TEST(WavWriter, StopsAtTheSizeLimitWithACompleteFile) {
    const std::string path = zorna::testing::MakeTempDir("say-wav") + "/limit.wav";
    TWavWriter writer(8);
    std::string error;
    ASSERT_TRUE(writer.Open(path, error));
    EXPECT_TRUE(writer.Write("12345678", 8, error));
    EXPECT_FALSE(writer.Write("9a", 2, error));
    EXPECT_NE(error.find("4 GiB"), std::string::npos);
    EXPECT_TRUE(writer.Finish(error));
    const std::string file = ReadAll(path);
    EXPECT_EQ(file.size(), 52u);
    EXPECT_EQ(U32(file, 40), 8u);
}

TEST(WavWriter, HeaderSizesNeverWrap) {
    const std::string h = WavHeader(std::uint64_t{1} << 33);
    EXPECT_EQ(U32(h, 40), kMaxWavDataBytes);
    EXPECT_EQ(U32(h, 4), kMaxWavDataBytes + 36);
    EXPECT_EQ(U16(h, 20), 1u);
}

}  // namespace
}  // namespace zorna::say
