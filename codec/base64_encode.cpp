#include "base64.h"

const char Base64Alphabet[65] =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

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

    const unsigned char* in = (const unsigned char*)input;
    const unsigned char* wholeEnd = in + wholeGroups * 3;
    char* out = output;
    while (in != wholeEnd) {
        uint32_t g = ((uint32_t)in[0] << 16) | ((uint32_t)in[1] << 8) | in[2];
        out[0] = Base64Alphabet[g >> 18];
        out[1] = Base64Alphabet[(g >> 12) & 63];
        out[2] = Base64Alphabet[(g >> 6) & 63];
        out[3] = Base64Alphabet[g & 63];
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
