#include "base64.h"
#include "byte_order.h"

#include <string.h>

// Every byte starts at 0, so characters outside the alphabet (the pad
// character, whitespace, bytes 80 to FF) count like 'A'; the 64 alphabet
// characters then get their 6-bit values.
int8_t Base64DecodeTable[256];
int32_t decodeTableReady;

static void BuildDecodeTable()
{
    for (int i = 0; i < 256; ++i)
        Base64DecodeTable[i] = 0;
    for (int value = 0; value < 64; ++value)
        Base64DecodeTable[(unsigned char)Base64Alphabet[value]] = (int8_t)value;
    decodeTableReady = 1;
}

// TAB, LF and CR are skipped where a group would begin.
static bool IsSkipped(unsigned char c)
{
    return c == '\t' || c == '\n' || c == '\r';
}

static inline uint32_t SixBits(unsigned char c)
{
    return (uint8_t)Base64DecodeTable[c];
}

// The 24 bits of the four characters at in, first character highest, in
// the top three bytes.
static inline uint32_t GroupBits(const unsigned char* in)
{
    return (SixBits(in[0]) << 26) | (SixBits(in[1]) << 20) | (SixBits(in[2]) << 14) |
           (SixBits(in[3]) << 8);
}

// Writes the top three bytes of bits, highest first, and one byte more at
// out[3], which the next group or the closing NUL overwrites. On a
// little-endian processor (every Windows target) that is a byte swap and one
// store; the test of the byte order is decided at compile time.
static inline void StoreThreeBytes(unsigned char* out, uint32_t bits)
{
    if (IsLittleEndian()) {
        uint32_t word = (bits >> 24) | ((bits >> 8) & 0xFF00) | ((bits << 8) & 0xFF0000) |
                        (bits << 24);
        memcpy(out, &word, 4);
        return;
    }
    out[0] = (unsigned char)(bits >> 24);
    out[1] = (unsigned char)(bits >> 16);
    out[2] = (unsigned char)(bits >> 8);
}

ptrdiff_t DecodeBase64(const char* input, int32_t length, char* output,
                       ptrdiff_t outputSize)
{
    if (!decodeTableReady)
        BuildDecodeTable();
    if (outputSize < 0)
        return 0;

    const unsigned char* in = (const unsigned char*)input;
    unsigned char* out = (unsigned char*)output;
    ptrdiff_t o = 0;
    int32_t left = length;

    // A padded group needs no special ending: whatever follows it is either
    // only skipped characters and a short tail, which end the loop below, or
    // a further group, which is decoded like any other.
    for (;;) {
        // The common case first: a run of groups of three bytes, with room
        // checked once for the whole run. A group that may begin with a
        // skipped character (any byte up to CR) or holds "=" ends the run
        // and goes the careful way below.
        ptrdiff_t runGroups = (outputSize - o) / 3;
        if (runGroups > left / 4)
            runGroups = left / 4;
        if (runGroups < 0)
            runGroups = 0;
        const unsigned char* runStart = in;
        const unsigned char* runEnd = in + 4 * runGroups;
        while (in != runEnd && in[0] > '\r' && in[2] != '=' && in[3] != '=') {
            StoreThreeBytes(out + o, GroupBits(in));
            o += 3;
            in += 4;
        }
        left -= (int32_t)(in - runStart);

        while (left > 0 && IsSkipped(*in)) {
            ++in;
            --left;
        }
        if (left < 4)
            break;

        unsigned char c3 = in[2];
        unsigned char c4 = in[3];
        int yield = c3 == '=' ? 1 : (c4 == '=' ? 2 : 3);
        if (o + yield > outputSize)
            break;

        uint32_t s1 = SixBits(in[0]);
        uint32_t s2 = SixBits(in[1]);
        out[o] = (unsigned char)((s1 << 2) | (s2 >> 4));
        if (yield > 1) {
            uint32_t s3 = SixBits(c3);
            out[o + 1] = (unsigned char)(((s2 & 15) << 4) | (s3 >> 2));
            if (yield > 2) {
                uint32_t s4 = SixBits(c4);
                out[o + 2] = (unsigned char)(((s3 & 3) << 6) | s4);
            }
        }
        o += yield;
        in += 4;
        left -= 4;
    }

    out[o] = '\0';
    return o;
}
