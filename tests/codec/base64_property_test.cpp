// Properties over random input with a fixed seed: the round trip closes, a
// text cut after whole groups decodes to those groups, and the decoder never
// writes more than 3 * (length / 4) bytes. A case is described only when it
// fails, and the first failure ends the test.
#include "codec_test_support.h"

#include <gtest/gtest.h>

#include <random>

namespace {

const int CaseCount = 3000;

std::string RandomBytes(std::mt19937& random, size_t size)
{
    std::uniform_int_distribution<int> byte(0, 255);
    std::string bytes(size, '\0');
    for (char& b : bytes)
        b = (char)byte(random);
    return bytes;
}

TEST(Base64Property, DecodingTheEncodingGivesTheBytesBack)
{
    std::mt19937 random(20240611);
    std::uniform_int_distribution<size_t> size(0, 2000);
    for (int n = 0; n < CaseCount; ++n) {
        std::string bytes = RandomBytes(random, size(random));
        std::string text = Encode(bytes).text;
        ASSERT_EQ(text.size(), 4 * ((bytes.size() + 2) / 3)) << "Encode(" << Hex(bytes) << ")";
        CodecRun run = Decode(text);
        if (!OutputIs(run, bytes)) {
            SCOPED_TRACE("Decode(Encode(" + Hex(bytes) + "))");
            ExpectOutput(run, bytes);
            return;
        }
    }
}

TEST(Base64Property, TextCutAfterWholeGroupsDecodesToTheirBytes)
{
    std::mt19937 random(4648);
    std::uniform_int_distribution<size_t> size(0, 2000);
    for (int n = 0; n < CaseCount; ++n) {
        std::string bytes = RandomBytes(random, size(random));
        std::string text = Encode(bytes).text;
        size_t groups = text.size() / 4;
        size_t cuts[] = {0, std::uniform_int_distribution<size_t>(0, groups)(random),
                         groups == 0 ? 0 : groups - 1};
        for (size_t cut : cuts) {
            std::string head = text.substr(0, 4 * cut);
            std::string want = bytes.substr(0, std::min(bytes.size(), 3 * cut));
            CodecRun run = Decode(head);
            if (!OutputIs(run, want)) {
                SCOPED_TRACE("Decode(" + Quoted(head) + ")");
                ExpectOutput(run, want);
                return;
            }
        }
    }
}

// Texts that mix the alphabet with "=", TAB, LF, CR, the space, NUL and
// high bytes, weighted so that pads and line breaks come often.
std::string RandomText(std::mt19937& random, size_t size)
{
    static const std::string pieces[] = {
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/", "=", "\t\n\r",
        " ", std::string("\0\x80\xE4\xFC\xFF", 5)};
    std::discrete_distribution<int> piece({8, 4, 4, 1, 1});
    std::string text;
    for (size_t i = 0; i < size; ++i) {
        const std::string& from = pieces[piece(random)];
        text += from[std::uniform_int_distribution<size_t>(0, from.size() - 1)(random)];
    }
    return text;
}

TEST(Base64Property, DecoderWritesAtMostThreeBytesPerFourCharacters)
{
    std::mt19937 random(1367);
    std::uniform_int_distribution<size_t> size(0, 1500);
    for (int n = 0; n < CaseCount; ++n) {
        std::string text = RandomText(random, size(random));
        ptrdiff_t bound = 3 * (ptrdiff_t)(text.size() / 4);
        CodecRun run = Decode(text);
        // The bound is room enough: with exactly that much the output is the same.
        CodecRun tight = RunCodec(DecodeBase64, text, (int32_t)text.size(), bound);
        if (run.result > bound || !OutputIs(run, run.text) || !OutputIs(tight, run.text)) {
            SCOPED_TRACE("Decode(" + Quoted(text) + "), at most " + std::to_string(bound) +
                         " bytes");
            EXPECT_LE(run.result, bound);
            ExpectOutput(run, run.text);
            ExpectOutput(tight, run.text);
            return;
        }
    }
}

// The program's buffer takes the decoding of any text of up to 1367 characters.
TEST(Base64Property, ResultBufferHoldsTheDecodingOf1367Characters)
{
    std::mt19937 random(1023);
    for (int n = 0; n < 200; ++n) {
        std::string text = RandomText(random, 1367);
        CodecRun run = RunCodec(DecodeBase64, text, 1367, 1024);
        std::string want = Decode(text).text;
        if (!OutputIs(run, want)) {
            SCOPED_TRACE("Decode(" + Quoted(text) + ") into outputSize 1024");
            ExpectOutput(run, want);
            return;
        }
    }
}

}  // namespace
