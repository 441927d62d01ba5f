// Helpers for the codec tests: one call of an operation into a buffer with
// canary bytes around it, and hex/quoted forms for failure messages.
#ifndef TUSCHELPOST_TESTS_CODEC_TEST_SUPPORT_H
#define TUSCHELPOST_TESTS_CODEC_TEST_SUPPORT_H

#include "codec/base64.h"

#include <stddef.h>
#include <stdint.h>
#include <string>

typedef ptrdiff_t (*CodecOperation)(const char* input, int32_t length, char* output,
                                    ptrdiff_t outputSize);

struct CodecRun {
    ptrdiff_t result;
    std::string text;     // output[0 .. result): the bytes before the NUL
    bool nulAtResult;     // output[result] is the NUL
    std::string damage;   // empty, or where a byte outside output[0 .. result] changed
};

// Runs `operation` on the bytes of `input` (copied to a heap block of exactly
// that size, so the sanitizers catch a read past it) with `length` and
// `outputSize`. The output buffer holds `outputSize` spaces and a NUL, as the
// program's result buffer does, and is framed by canary bytes. Nothing
// outside output[0 .. result] may change: not the canaries, not the spaces
// behind the NUL; with a negative `outputSize` nothing at all.
CodecRun RunCodec(CodecOperation operation, const std::string& input, int32_t length,
                  ptrdiff_t outputSize);

// Checks one run: `want` before the NUL, the result its length, nothing
// else touched. The caller names the call with SCOPED_TRACE.
void ExpectOutput(const CodecRun& run, const std::string& want);

// The same check without a message, for loops over many cases that describe
// a case only when it fails.
bool OutputIs(const CodecRun& run, const std::string& want);

// Checks that the decode table is ready and holds the 6-bit value of each
// alphabet character and 0 for every other byte value.
void ExpectDecodeTableBuilt();

CodecRun Encode(const std::string& bytes);
CodecRun Decode(const std::string& text);

// "61 62 63" for abc; FromHex is its inverse.
std::string Hex(const std::string& bytes);
std::string FromHex(const char* hex);

// The text in double quotes, with TAB, LF, CR and other bytes outside
// printable ASCII written as escapes.
std::string Quoted(const std::string& text);

#endif
