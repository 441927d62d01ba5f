// The decode table of a fresh process: empty and not ready until the first
// call of DecodeBase64, which builds it even when it decodes nothing.
// This program must hold this one test, so that no decode runs before it.
#include "codec_test_support.h"

#include <gtest/gtest.h>

namespace {

TEST(DecodeTable, FirstDecodeBuildsIt)
{
    ASSERT_EQ(decodeTableReady, 0);
    for (int b = 0; b < 256; ++b)
        ASSERT_EQ(Base64DecodeTable[b], 0) << "Base64DecodeTable[0x" << std::hex << b << "]";

    // A call that writes nothing at all still builds the table.
    char out[1] = {'x'};
    DecodeBase64("", 0, out, -1);
    EXPECT_EQ(out[0], 'x');
    ExpectDecodeTableBuilt();
}

}  // namespace
