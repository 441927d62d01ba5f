// Bytes and their Base64 text, checked both ways: the encoder must give the
// text, the decoder the bytes, and the round trip must close.
#include "codec_test_support.h"

#include <gtest/gtest.h>

namespace {

struct Vector {
    const char* bytesHex;
    const char* text;
};

const Vector Vectors[] = {
    {"", ""},
    {"61", "YQ=="},
    {"61 62", "YWI="},
    {"61 62 63", "YWJj"},
    {"61 62 63 64", "YWJjZA=="},
    {"48 61 6C 6C 6F", "SGFsbG8="},
    {"48 61 6C 6C 6F 20 57 65 6C 74", "SGFsbG8gV2VsdA=="},
    {"68 61 6C 6C 6F 20 57 65 6C 74", "aGFsbG8gV2VsdA=="},
    // Bytes from 80 hex on are unsigned: a sign-extended FC would not give /A==.
    {"FC", "/A=="},
    {"47 72 FC DF 65", "R3L832U="},
    {"FB FF", "+/8="},
    {"FF FF FF", "////"},
    {"00", "AA=="},
    {"00 00 00", "AAAA"},
    {"61 00 62", "YQBi"},
    {"61 50 31", "YVAx"},
    // RFC 4648, section 10.
    {"66", "Zg=="},
    {"66 6F", "Zm8="},
    {"66 6F 6F", "Zm9v"},
    {"66 6F 6F 62", "Zm9vYg=="},
    {"66 6F 6F 62 61", "Zm9vYmE="},
    {"66 6F 6F 62 61 72", "Zm9vYmFy"},
};

TEST(Base64Vectors, EncodeGivesText)
{
    for (const Vector& v : Vectors) {
        SCOPED_TRACE(std::string("Encode(") + v.bytesHex + ")");
        ExpectOutput(Encode(FromHex(v.bytesHex)), v.text);
    }
}

TEST(Base64Vectors, DecodeGivesBytes)
{
    for (const Vector& v : Vectors) {
        SCOPED_TRACE("Decode(" + Quoted(v.text) + "), want " + v.bytesHex);
        ExpectOutput(Decode(v.text), FromHex(v.bytesHex));
    }
}

}  // namespace
