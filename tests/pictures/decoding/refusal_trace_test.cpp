// The trace of refused pictures: with ZORVI_TRACE set (this program's environment), each refusal
// writes one line with its reason; without it (the other program), nothing.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "pictures/decoding/picture_decode.h"
#include "runtime/trace.h"

namespace {

std::string TraceOfDecoding(const std::string& bytes)
{
    testing::internal::CaptureStderr();
    pictures::DecodePictureBytes(bytes.data(), static_cast<std::ptrdiff_t>(bytes.size()));
    return testing::internal::GetCapturedStderr();
}

TEST(RefusalTrace, ARefusedPictureIsTracedWithItsReasonOnlyWhenTheTraceIsOn)
{
    const bool on = std::getenv("ZORVI_TRACE") != nullptr;
    EXPECT_EQ(rt::TraceOn(), on);
    std::string unknown = TraceOfDecoding("not a picture at all");
    std::string truncated = TraceOfDecoding(std::string("\xFF\xD8\xFF\xE0\x00\x10JFIF", 10));
    if (on) {
        EXPECT_EQ(unknown, "zorvi: picture refused: no known format in 20 bytes of a byte set\n");
        EXPECT_EQ(truncated, "zorvi: picture refused: the JPEG decoder does not accept the 10 bytes of a byte set\n");
    } else {
        EXPECT_EQ(unknown, "");
        EXPECT_EQ(truncated, "");
    }
}

}  // namespace
