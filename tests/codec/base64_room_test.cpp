// The room rule: neither operation writes more than `outputSize` characters
// and the NUL. When the whole output does not fit, the whole groups that fit
// are written, then the NUL; a negative `outputSize` writes nothing at all.
#include "codec_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

const ptrdiff_t ResultBufferSize = 1024;

std::string Describe(const char* operation, const std::string& input, ptrdiff_t outputSize)
{
    return std::string(operation) + "(" + Quoted(input) + ") into outputSize " +
           std::to_string(outputSize);
}

TEST(OutputRoom, EncoderWritesTheWholeGroupsThatFit)
{
    const std::string inputs[] = {"a", "ab", "abc", "abcd", "Hallo Welt",
                                  std::string("\xFC\xFF\x00\x01\x02\x03\x04", 7)};
    for (const std::string& bytes : inputs) {
        std::string full = Encode(bytes).text;
        for (ptrdiff_t size = -1; size <= (ptrdiff_t)full.size() + 1; ++size) {
            SCOPED_TRACE(Describe("Encode", bytes, size));
            CodecRun run = RunCodec(EncodeBase64, bytes, (int32_t)bytes.size(), size);
            if (size < 0) {
                EXPECT_EQ(run.result, 0);
                EXPECT_EQ(run.damage, "");
            } else {
                ExpectOutput(run, full.substr(0, std::min(full.size(), (size_t)size / 4 * 4)));
            }
        }
    }
}

// The bytes of the first k groups of a text, for every k: decoding the first
// n characters gives the groups that lie within them.
std::set<std::string> GroupPrefixes(const std::string& text)
{
    std::set<std::string> prefixes;
    for (size_t n = 0; n <= text.size(); ++n)
        prefixes.insert(RunCodec(DecodeBase64, text, (int32_t)n, 3 * (ptrdiff_t)n).text);
    return prefixes;
}

TEST(OutputRoom, DecoderWritesTheWholeGroupsThatFit)
{
    const char* inputs[] = {"YQ==", "YWJj", "YWJjYWJjYQ==", "YWI=YWJj", "YQ==YQ==YWI=",
                            "\r\nYWJj\r\nZm9vYg==\t", "YQ BiYw=="};
    for (const char* input : inputs) {
        std::string text = input;
        std::set<std::string> prefixes = GroupPrefixes(text);
        std::string full = Decode(text).text;
        for (ptrdiff_t size = -1; size <= (ptrdiff_t)full.size() + 1; ++size) {
            SCOPED_TRACE(Describe("Decode", text, size));
            CodecRun run = RunCodec(DecodeBase64, text, (int32_t)text.size(), size);
            if (size < 0) {
                EXPECT_EQ(run.result, 0);
                EXPECT_EQ(run.damage, "");
                continue;
            }
            std::string want;
            for (const std::string& prefix : prefixes)
                if ((ptrdiff_t)prefix.size() <= size && prefix.size() > want.size())
                    want = prefix;
            ExpectOutput(run, want);
        }
    }
}

TEST(OutputRoom, Encoding769BytesFillsTheResultBufferWithWholeGroups)
{
    std::string bytes(769, 'a');
    std::string full = Encode(bytes).text;
    ASSERT_EQ(full.size(), 1028u);
    ExpectOutput(RunCodec(EncodeBase64, bytes, 769, ResultBufferSize), full.substr(0, 1024));
}

// 1368 characters without "=" would give 1026 bytes: the 342nd group does not
// fit the buffer, the first 341 (1023 bytes) do.
TEST(OutputRoom, Decoding1368CharactersFillsTheResultBufferWithWholeGroups)
{
    std::string text(1368, '/');
    ExpectOutput(RunCodec(DecodeBase64, text, 1368, ResultBufferSize), std::string(1023, '\xFF'));
}

TEST(OutputRoom, SizeBeyondTheOutputChangesNothing)
{
    const ptrdiff_t sizes[] = {4, 5, 100, ResultBufferSize, PTRDIFF_MAX / 2};
    for (ptrdiff_t size : sizes) {
        SCOPED_TRACE("outputSize " + std::to_string(size));
        // Only the first bytes may change; RunCodec would allocate `size`.
        char out[8] = {' ', ' ', ' ', ' ', ' ', ' ', ' ', ' '};
        EXPECT_EQ(EncodeBase64("abc", 3, out, size), 4);
        EXPECT_EQ(std::string(out, 8), std::string("YWJj\0   ", 8));
        char decoded[8] = {' ', ' ', ' ', ' ', ' ', ' ', ' ', ' '};
        DecodeBase64("YWJj", 4, decoded, size);
        EXPECT_EQ(std::string(decoded, 8), std::string("abc\0    ", 8));
    }
}

}  // namespace
