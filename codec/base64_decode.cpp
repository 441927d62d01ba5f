#include "base64.h"

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

        uint32_t s1 = (uint8_t)Base64DecodeTable[in[0]];
        uint32_t s2 = (uint8_t)Base64DecodeTable[in[1]];
        out[o] = (unsigned char)((s1 << 2) | (s2 >> 4));
        if (yield > 1) {
            uint32_t s3 = (uint8_t)Base64DecodeTable[c3];
            out[o + 1] = (unsigned char)(((s2 & 15) << 4) | (s3 >> 2));
            if (yield > 2) {
                uint32_t s4 = (uint8_t)Base64DecodeTable[c4];
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
