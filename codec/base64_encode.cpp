#include "base64.h"
#include "byte_order.h"

#include <string.h>

const char Base64Alphabet[65] =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

// Writes `count` characters (4 or 8) held in chars, the first in the lowest
// byte. On a little-endian processor (every Windows target) that is one
// store; the test of the byte order is decided at compile time.
static inline void StoreChars(char* out, uint64_t chars, int count)
{
    if (IsLittleEndian()) {
        if (count == 8)
            memcpy(out, &chars, 8);
        else {
            uint32_t quad = (uint32_t)chars;
            memcpy(out, &quad, 4);
        }
        return;
    }
    for (int i = 0; i < count; ++i)
        out[i] = (char)(chars >> (8 * i));
}

// Eight bytes from p, first byte highest. Compilers turn this into one load
// and a byte swap where the processor allows it.
static inline uint64_t LoadBigEndian(const unsigned char* p)
{
    return ((uint64_t)p[0] << 56) | ((uint64_t)p[1] << 48) | ((uint64_t)p[2] << 40) |
           ((uint64_t)p[3] << 32) | ((uint64_t)p[4] << 24) | ((uint64_t)p[5] << 16) |
           ((uint64_t)p[6] << 8) | p[7];
}

// The character for the six bits of word from bit `shift` up.
static inline uint64_t CharAt(uint64_t word, int shift)
{
    return (unsigned char)Base64Alphabet[(word >> shift) & 63];
}

// The four characters of the 24-bit group g, written with one store.
static inline void StoreGroup(char* out, uint32_t g)
{
    uint32_t c0 = (uint32_t)CharAt(g, 18);
    uint32_t c1 = (uint32_t)CharAt(g, 12);
    uint32_t c2 = (uint32_t)CharAt(g, 6);
    uint32_t c3 = (uint32_t)CharAt(g, 0);
    StoreChars(out, c0 | (c1 << 8) | (c2 << 16) | (c3 << 24), 4);
}

// The eight characters of the two groups in the top 48 bits of word.
static inline void StoreTwoGroups(char* out, uint64_t word)
{
    uint64_t first = CharAt(word, 58) | (CharAt(word, 52) << 8) | (CharAt(word, 46) << 16) |
                     (CharAt(word, 40) << 24);
    uint64_t second = CharAt(word, 34) | (CharAt(word, 28) << 8) | (CharAt(word, 22) << 16) |
                      (CharAt(word, 16) << 24);
    StoreChars(out, first | (second << 32), 8);
}

ptrdiff_t EncodeBase64(const char* input, int32_t length, char* output,
                       ptrdiff_t outputSize)
{
    if (outputSize < 0)
        return 0;
    if (length <= 0) {
        output[0] = '\0';
        return 0;
    }

    // Computed in 64 bits: on a 32-bit target 4 * groups can exceed the
    // pointer-sized range for a length near INT32_MAX.
    int64_t groups = ((int64_t)length + 2) / 3;
    if (groups > outputSize / 4)
        groups = outputSize / 4;
    int64_t wholeGroups = length / 3;
    if (wholeGroups > groups)
        wholeGroups = groups;

    // The counts are known before the loops, so they check no bound of
    // their own. Two groups a turn take one eight-byte load, as long as all
    // eight bytes lie within the input, and one eight-character store.
    int64_t pairs = wholeGroups / 2;
    int64_t readablePairs = ((int64_t)length - 2) / 6;
    if (pairs > readablePairs)
        pairs = readablePairs;

    const unsigned char* in = (const unsigned char*)input;
    char* out = output;
    for (int64_t pair = pairs; pair > 0; --pair) {
        StoreTwoGroups(out, LoadBigEndian(in));
        in += 6;
        out += 8;
    }
    for (int64_t group = wholeGroups - 2 * pairs; group > 0; --group) {
        StoreGroup(out, ((uint32_t)in[0] << 16) | ((uint32_t)in[1] << 8) | in[2]);
        in += 3;
        out += 4;
    }

    if (groups > wholeGroups) {
        // The short last group: one or two bytes, filled out with zero bits.
        uint32_t b0 = in[0];
        out[0] = Base64Alphabet[b0 >> 2];
        if (length % 3 == 2) {
            uint32_t b1 = in[1];
            out[1] = Base64Alphabet[((b0 & 3) << 4) | (b1 >> 4)];
            out[2] = Base64Alphabet[(b1 & 15) << 2];
        } else {
            out[1] = Base64Alphabet[(b0 & 3) << 4];
            out[2] = '=';
        }
        out[3] = '=';
        out += 4;
    }

    *out = '\0';
    return out - output;
}
