// The decoder's leniency, one table for each family of odd input. Inputs are
// C strings; the wanted bytes are hex, as decoded output may hold 00.
#include "codec_test_support.h"

#include <gtest/gtest.h>

namespace {

const ptrdiff_t ResultBufferSize = 1024;

struct DecodeCase {
    const char* text;
    const char* wantHex;
};

void ExpectDecodes(const DecodeCase* cases, size_t count)
{
    for (size_t i = 0; i < count; ++i) {
        SCOPED_TRACE("Decode(" + Quoted(cases[i].text) + "), want " + cases[i].wantHex);
        ExpectOutput(Decode(cases[i].text), FromHex(cases[i].wantHex));
    }
}

template <size_t N>
void ExpectDecodes(const DecodeCase (&cases)[N])
{
    ExpectDecodes(cases, N);
}

TEST(DecodeBase64, DropsAnIncompleteLastGroup)
{
    const DecodeCase cases[] = {
        {"Y", ""},
        {"YQ", ""},
        {"YWJ", ""},
        {"YWJjYQ", "61 62 63"},
        {"YWJjYWJ", "61 62 63"},
        {"\r\n\tYWJ", ""},
    };
    ExpectDecodes(cases);
}

// TAB, LF and CR are skipped only where a group would begin; inside a group
// they count 0, like any character outside the alphabet.
TEST(DecodeBase64, SkipsLineBreaksBetweenGroups)
{
    const DecodeCase cases[] = {
        {"YWJj\n", "61 62 63"},
        {"\r\nYWJj\t", "61 62 63"},
        {"YWJj\r\nYWJj", "61 62 63 61 62 63"},
        {"YQ==\r\n", "61"},
        {"YWI=\t", "61 62"},
        {"YWJjYQ==\r\n\t\r\n\r\n\t", "61 62 63 61"},
        {"\t\t\t\t\t\t\t\t", ""},
        {"YQ\n\n", "61 00 00"},
        {"YV\nx", "61 50 31"},
        {"YWJ\nYWJj", "61 62 40 61 62 63"},
    };
    ExpectDecodes(cases);
}

TEST(DecodeBase64, CountsCharactersOutsideTheAlphabetAsZero)
{
    const DecodeCase cases[] = {
        {"YV x", "61 50 31"},
        {"YV-x", "61 50 31"},
        {"YV\xE4" "x", "61 50 31"},
        {"YV\x80" "x", "61 50 31"},
        {"YV\xFF" "x", "61 50 31"},
        {"YV_x", "61 50 31"},
        // A space is never skipped: it shifts every later group.
        {"YWJj YWJj", "61 62 63 01 85 89"},
        {" YWJj", "01 85 89"},
    };
    ExpectDecodes(cases);
}

// "=" pads only in the third and fourth place; the bits a padded group leaves
// over are not looked at.
TEST(DecodeBase64, PadsOnlyInTheLastTwoPlaces)
{
    const DecodeCase cases[] = {
        {"YR==", "61"},
        {"Y///", "63 FF FF"},
        {"Y/==", "63"},
        {"YWL=", "61 62"},
        {"YQ=j", "61"},
        {"YQ=\xFF", "61"},
        {"====", "00"},
        {"=YWJ", "01 85 89"},
        {"AYWJ", "01 85 89"},
        {"Y=Q=", "60 04"},
        {"AAAA", "00 00 00"},
    };
    ExpectDecodes(cases);
}

// After a group with "=" the decoder goes on with the next group, as after a
// group of three bytes, unless fewer than four characters follow; so texts
// joined end to end decode to all of them.
TEST(DecodeBase64, GoesOnBehindAPaddedGroup)
{
    const DecodeCase cases[] = {
        {"YQ==YQ==", "61 61"},
        {"YWI=YWJj", "61 62 61 62 63"},
        {"YQ=jYQ==", "61 61"},
        {"YQ==\r\nYWI=\r\nYWJj\r\n", "61 61 62 61 62 63"},
        {"YQ=j\r\n\r\n", "61"},
        {"YQ==YWJ", "61"},
        {"YQ==\r\n\r\nYWJ", "61"},
        {"YQ== YQ==", "61 01 84"},
        {"========", "00 00"},
        {"YQ==YQ==YQ==YQ==", "61 61 61 61"},
    };
    ExpectDecodes(cases);
}

struct LengthCase {
    const char* text;
    int32_t length;
    const char* wantHex;
};

// The decoder reads exactly `length` characters; zero or less reads nothing.
TEST(DecodeBase64, ReadsOnlyLengthCharacters)
{
    const LengthCase cases[] = {
        {"YWJjYWJj", 4, "61 62 63"},
        {"YWJjYWJj", 5, "61 62 63"},
        {"YWJjYWJj", 7, "61 62 63"},
        {"YWJjYWJj", 3, ""},
        {"YWJjYWJj", 0, ""},
        {"YWJjYWJj", -1, ""},
        {"YWJjYWJj", INT32_MIN, ""},
        {"YQ==YQ==", 4, "61"},
        {"YQ==YQ==", 7, "61"},
        {"\n\n\nYWJj", 6, ""},
        {"YWJ=", 3, ""},
    };
    for (const LengthCase& c : cases) {
        SCOPED_TRACE("Decode(" + Quoted(c.text) + ", length " + std::to_string(c.length) +
                     "), want " + c.wantHex);
        ExpectOutput(RunCodec(DecodeBase64, c.text, c.length, ResultBufferSize), FromHex(c.wantHex));
    }
}

// RunCodec checks that the 1022 spaces and the buffer's own NUL behind the
// decoded a and its NUL stay as they were.
TEST(DecodeBase64, LeavesTheResultBufferBehindTheNulAlone)
{
    ExpectOutput(RunCodec(DecodeBase64, "YQ==", 4, ResultBufferSize), "a");
}

TEST(DecodeBase64, DecodesLinesOf76CharactersAsOneText)
{
    std::string bytes;
    for (int i = 0; i < 300; ++i)
        bytes += (char)(i * 7);
    std::string text = Encode(bytes).text;
    std::string lines;
    for (size_t at = 0; at < text.size(); at += 76)
        lines += text.substr(at, 76) + "\r\n";
    SCOPED_TRACE("Decode(" + Quoted(lines) + ")");
    ExpectOutput(Decode(lines), bytes);
}

// The table: every byte value outside the alphabet counts like 'A'. The
// first decode of the process builds it (see decode_table_test.cpp).
TEST(DecodeBase64, TableHoldsAlphabetValuesAndZeroElsewhere)
{
    Decode("YQ==");
    ExpectDecodeTableBuilt();
}

}  // namespace
