// Encoder cases beyond the vectors: how much of the input is read, long
// input on one line, and the program's result buffer.
#include "codec_test_support.h"

#include <gtest/gtest.h>

namespace {

const ptrdiff_t ResultBufferSize = 1024;

struct LengthCase {
    const char* input;
    int32_t length;
    const char* want;
};

// The encoder reads exactly `length` bytes; zero or less reads nothing.
TEST(EncodeBase64, ReadsOnlyLengthBytes)
{
    const LengthCase cases[] = {
        {"abc", 2, "YWI="},
        {"abc", 1, "YQ=="},
        {"abc", 0, ""},
        {"abc", -1, ""},
        {"abc", INT32_MIN, ""},
        {"", -5, ""},
        {"abcd", 3, "YWJj"},
    };
    for (const LengthCase& c : cases) {
        SCOPED_TRACE("Encode(" + Quoted(c.input) + ", length " + std::to_string(c.length) + ")");
        ExpectOutput(RunCodec(EncodeBase64, c.input, c.length, ResultBufferSize), c.want);
    }
}

TEST(EncodeBase64, HundredBytesGiveOneLineOf136Characters)
{
    std::string bytes;
    for (int i = 0; i < 100; ++i)
        bytes += (char)(i * 37 + 11);
    CodecRun run = Encode(bytes);
    EXPECT_EQ(run.result, 136);
    EXPECT_EQ(run.text.find_first_of("\r\n"), std::string::npos) << run.text;
    EXPECT_EQ(run.text.find('='), 134u) << run.text;
}

TEST(EncodeBase64, Encodes768BytesIntoTheFullResultBuffer)
{
    std::string bytes(768, '\xFF');
    ExpectOutput(RunCodec(EncodeBase64, bytes, 768, ResultBufferSize), std::string(1024, '/'));
}

// RunCodec checks that the 1019 spaces and the buffer's own NUL behind YQ==
// and its NUL stay as they were.
TEST(EncodeBase64, LeavesTheResultBufferBehindTheNulAlone)
{
    ExpectOutput(RunCodec(EncodeBase64, "a", 1, ResultBufferSize), "YQ==");
}

}  // namespace
