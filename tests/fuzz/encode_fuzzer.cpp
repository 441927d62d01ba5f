// Fuzzes EncodeBase64 with any bytes, length and outputSize.
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* input, size_t size)
{
    if (size < 2)
        return 0;
    const unsigned char* data = input + 2;
    size_t dataSize = size - 2;
    int32_t length = ChooseLength(input[0], dataSize);
    std::vector<std::string> groups = ReferenceEncodeGroups(data, length);
    ptrdiff_t need = 4 * (ptrdiff_t)groups.size();
    ptrdiff_t outputSize = ChooseOutputSize(input[1], need);

    FramedOutput framed(outputSize);
    ptrdiff_t result = EncodeBase64((const char*)data, length, framed.Output(), outputSize);

    CheckOutput(framed, outputSize, result, WholeGroupsThatFit(groups, outputSize));
    if (outputSize < 0)
        return 0;
    if (outputSize >= need && length > 0)
        FUZZ_CHECK(result == 4 * (((ptrdiff_t)length + 2) / 3));

    // The text decodes to the bytes of its groups: all of them when it fits.
    ptrdiff_t decodedSize = 3 * (result / 4);
    std::vector<char> decoded(decodedSize + 1);
    ptrdiff_t decodedCount = DecodeBase64(framed.Output(), (int32_t)result, decoded.data(), decodedSize);
    ptrdiff_t wantCount = length < decodedSize ? (length < 0 ? 0 : length) : decodedSize;
    FUZZ_CHECK(decodedCount == wantCount);
    FUZZ_CHECK(memcmp(decoded.data(), data, (size_t)wantCount) == 0);
    return 0;
}
