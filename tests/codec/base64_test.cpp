#include "codec/base64.h"

#include <gtest/gtest.h>

TEST(EncodeBase64, Placeholder)
{
    char out[8];
    EXPECT_EQ(EncodeBase64("abc", 3, out, 7), 4);
    EXPECT_STREQ(out, "YWJj");
}
