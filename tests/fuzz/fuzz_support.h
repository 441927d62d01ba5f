// What the two fuzz targets share: how a fuzz input chooses `length` and
// `outputSize`, an output buffer framed by canary bytes, and a plain reference
// codec written group by group from the rules in codec/base64.h.
//
// A fuzz input is: one byte choosing `length`, one byte choosing
// `outputSize`, then the data handed to the codec.
#ifndef TUSCHELPOST_TESTS_FUZZ_SUPPORT_H
#define TUSCHELPOST_TESTS_FUZZ_SUPPORT_H

#include "codec/base64.h"

#include <stddef.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <string>
#include <vector>

// Stops the run with a message; libFuzzer saves the input that did it.
#define FUZZ_CHECK(condition)                                                       \
    do {                                                                            \
        if (!(condition)) {                                                         \
            fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
            abort();                                                                \
        }                                                                           \
    } while (0)

// Of every choice byte, the top three bits pick a kind and the low five a
// small number v.
//
// `length`: kinds 0-3 the whole data; 4 v; 5 the data size less v; 6 -1 - v;
// 7 INT32_MIN + v. The codec reads exactly `length` bytes, so a length above
// the data size is cut down to it.
inline int32_t ChooseLength(unsigned char choice, size_t dataSize)
{
    int64_t v = choice & 31;
    int64_t length;
    switch (choice >> 5) {
    case 4: length = v; break;
    case 5: length = (int64_t)dataSize - v; break;
    case 6: length = -1 - v; break;
    case 7: length = (int64_t)INT32_MIN + v; break;
    default: length = (int64_t)dataSize; break;
    }
    if (length > (int64_t)dataSize)
        length = (int64_t)dataSize;
    return (int32_t)length;
}

// `outputSize`, given the room the whole output needs: kinds 0-3 exactly that;
// 4 -1 - v (PTRDIFF_MIN for v = 31); 5 v; 6 the need less v; 7 the need plus v.
inline ptrdiff_t ChooseOutputSize(unsigned char choice, ptrdiff_t need)
{
    ptrdiff_t v = choice & 31;
    switch (choice >> 5) {
    case 4: return v == 31 ? PTRDIFF_MIN : -1 - v;
    case 5: return v;
    case 6: return need - v;
    case 7: return need + v;
    default: return need;
    }
}

// An output buffer of `outputSize` + 1 bytes (none for a negative size) with
// canary bytes before and behind it. The room is filled with a pattern, so
// that a write behind the NUL shows as well as one past the end.
struct FramedOutput {
    static const size_t Canary = 64;
    std::vector<unsigned char> bytes;
    std::vector<unsigned char> before;
    ptrdiff_t room;

    explicit FramedOutput(ptrdiff_t outputSize)
        : room(outputSize < 0 ? 0 : outputSize + 1)
    {
        bytes.assign(Canary + room + Canary, 0xA5);
        for (ptrdiff_t i = 0; i < room; ++i)
            bytes[Canary + i] = (unsigned char)(0x5A ^ i);
        before = bytes;
    }

    char* Output() { return (char*)&bytes[Canary]; }

    // Nothing changed but output[0 .. last]; last = -1 for nothing at all.
    bool ChangedOnlyUpTo(ptrdiff_t last) const
    {
        for (size_t i = 0; i < bytes.size(); ++i) {
            ptrdiff_t position = (ptrdiff_t)i - (ptrdiff_t)Canary;
            if ((position < 0 || position > last) && bytes[i] != before[i])
                return false;
        }
        return true;
    }
};

// Written out again, so that a fault in the codec's own copy shows.
static const char ReferenceAlphabet[] =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

inline int ReferenceValue(unsigned char c)
{
    const char* at = c == 0 ? nullptr : strchr(ReferenceAlphabet, c);
    return at ? (int)(at - ReferenceAlphabet) : 0;
}

// The groups of four characters in the encoding of data[0 .. length).
inline std::vector<std::string> ReferenceEncodeGroups(const unsigned char* data, int32_t length)
{
    const char* alphabet = ReferenceAlphabet;
    std::vector<std::string> groups;
    for (int32_t i = 0; i < length; i += 3) {
        int32_t left = length - i;
        unsigned b0 = data[i], b1 = left > 1 ? data[i + 1] : 0, b2 = left > 2 ? data[i + 2] : 0;
        std::string group(4, '=');
        group[0] = alphabet[b0 >> 2];
        group[1] = alphabet[((b0 & 3) << 4) | (b1 >> 4)];
        if (left > 1)
            group[2] = alphabet[((b1 & 15) << 2) | (b2 >> 6)];
        if (left > 2)
            group[3] = alphabet[b2 & 63];
        groups.push_back(group);
    }
    return groups;
}

// The bytes of each group that decoding text[0 .. length) yields.
inline std::vector<std::string> ReferenceDecodeGroups(const unsigned char* text, int32_t length)
{
    std::vector<std::string> groups;
    int32_t left = length;
    const unsigned char* c = text;
    for (;;) {
        while (left > 0 && (*c == '\t' || *c == '\n' || *c == '\r')) {
            ++c;
            --left;
        }
        if (left < 4)
            return groups;
        int s1 = ReferenceValue(c[0]), s2 = ReferenceValue(c[1]);
        std::string group(1, (char)(s1 * 4 + s2 / 16));
        if (c[2] != '=') {
            int s3 = ReferenceValue(c[2]);
            group += (char)((s2 & 15) * 16 + s3 / 4);
            if (c[3] != '=')
                group += (char)((s3 & 3) * 64 + ReferenceValue(c[3]));
        }
        groups.push_back(group);
        c += 4;
        left -= 4;
    }
}

// The output the codec must write into `outputSize` characters: the whole
// groups that fit, in order, up to the first that does not.
inline std::string WholeGroupsThatFit(const std::vector<std::string>& groups, ptrdiff_t outputSize)
{
    std::string output;
    for (const std::string& group : groups) {
        if ((ptrdiff_t)(output.size() + group.size()) > outputSize)
            break;
        output += group;
    }
    return output;
}

// The checks both targets make on one call: with a negative `outputSize`
// nothing written and result 0; otherwise exactly `want`, the NUL at the
// result, and nothing changed behind it or around the buffer.
inline void CheckOutput(const FramedOutput& framed, ptrdiff_t outputSize, ptrdiff_t result,
                        const std::string& want)
{
    if (outputSize < 0) {
        FUZZ_CHECK(result == 0);
        FUZZ_CHECK(framed.ChangedOnlyUpTo(-1));
        return;
    }
    const char* output = (const char*)&framed.bytes[FramedOutput::Canary];
    FUZZ_CHECK(result == (ptrdiff_t)want.size());
    FUZZ_CHECK(memcmp(output, want.data(), want.size()) == 0);
    FUZZ_CHECK(output[result] == '\0');
    FUZZ_CHECK(framed.ChangedOnlyUpTo(result));
}

#endif
