#include "codec_test_support.h"

#include <gtest/gtest.h>
#include <stdio.h>
#include <string.h>
#include <memory>
#include <vector>

namespace {

const unsigned char CanaryByte = 0xA5;
const ptrdiff_t CanarySize = 32;

}  // namespace

CodecRun RunCodec(CodecOperation operation, const std::string& input, int32_t length,
                  ptrdiff_t outputSize)
{
    std::unique_ptr<char[]> in(new char[input.size()]);
    input.copy(in.get(), input.size());

    ptrdiff_t room = outputSize < 0 ? 0 : outputSize + 1;
    std::vector<unsigned char> before(CanarySize + room + CanarySize, CanaryByte);
    for (ptrdiff_t i = 0; i < room; ++i)
        before[CanarySize + i] = i == outputSize ? '\0' : ' ';
    std::vector<unsigned char> buffer = before;
    char* output = (char*)&buffer[CanarySize];

    CodecRun run;
    run.result = operation(in.get(), length, output, outputSize);
    bool resultInRoom = run.result >= 0 && run.result < room;
    run.nulAtResult = resultInRoom && output[run.result] == '\0';
    if (resultInRoom)
        run.text.assign(output, (size_t)run.result);

    for (size_t i = 0; i < buffer.size() && run.damage.empty(); ++i) {
        ptrdiff_t position = (ptrdiff_t)i - CanarySize;
        bool mayChange = resultInRoom && position >= 0 && position <= run.result;
        if (!mayChange && buffer[i] != before[i]) {
            char message[96];
            snprintf(message, sizeof message, "byte at output[%lld] changed from %02X to %02X",
                     (long long)position, before[i], buffer[i]);
            run.damage = message;
        }
    }
    return run;
}

void ExpectOutput(const CodecRun& run, const std::string& want)
{
    EXPECT_EQ(Quoted(run.text), Quoted(want));
    EXPECT_EQ(run.result, (ptrdiff_t)want.size());
    EXPECT_TRUE(run.nulAtResult) << "no NUL at output[" << run.result << "]";
    EXPECT_EQ(run.damage, "");
}

bool OutputIs(const CodecRun& run, const std::string& want)
{
    return run.text == want && run.result == (ptrdiff_t)want.size() && run.nulAtResult &&
           run.damage.empty();
}

void ExpectDecodeTableBuilt()
{
    ASSERT_EQ(decodeTableReady, 1);
    for (int b = 0; b < 256; ++b) {
        const char* at = b == 0 ? nullptr : strchr(Base64Alphabet, b);
        int want = at ? (int)(at - Base64Alphabet) : 0;
        EXPECT_EQ(Base64DecodeTable[b], want) << "Base64DecodeTable[0x" << std::hex << b << "]";
    }
}

CodecRun Encode(const std::string& bytes)
{
    return RunCodec(EncodeBase64, bytes, (int32_t)bytes.size(), 4 * (ptrdiff_t)bytes.size() + 8);
}

CodecRun Decode(const std::string& text)
{
    return RunCodec(DecodeBase64, text, (int32_t)text.size(), 3 * (ptrdiff_t)text.size() + 8);
}

std::string Hex(const std::string& bytes)
{
    std::string hex;
    for (unsigned char b : bytes) {
        char digits[4];
        snprintf(digits, sizeof digits, "%02X", b);
        if (!hex.empty())
            hex += ' ';
        hex += digits;
    }
    return hex;
}

std::string FromHex(const char* hex)
{
    std::string bytes;
    unsigned value;
    int used;
    while (sscanf(hex, " %2x%n", &value, &used) == 1) {
        bytes += (char)value;
        hex += used;
    }
    return bytes;
}

std::string Quoted(const std::string& text)
{
    std::string quoted = "\"";
    for (unsigned char c : text) {
        char escape[8];
        if (c == '\t')
            quoted += "\\t";
        else if (c == '\n')
            quoted += "\\n";
        else if (c == '\r')
            quoted += "\\r";
        else if (c == '"' || c == '\\')
            quoted += std::string("\\") + (char)c;
        else if (c >= 0x20 && c < 0x7F)
            quoted += (char)c;
        else {
            snprintf(escape, sizeof escape, "\\x%02X", c);
            quoted += escape;
        }
    }
    return quoted + "\"";
}
