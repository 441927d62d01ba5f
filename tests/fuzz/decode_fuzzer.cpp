// Fuzzes DecodeBase64 with any text, length and outputSize.
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* input, size_t size)
{
    if (size < 2)
        return 0;
    const unsigned char* text = input + 2;
    size_t textSize = size - 2;
    int32_t length = ChooseLength(input[0], textSize);
    std::vector<std::string> groups = ReferenceDecodeGroups(text, length);
    std::string whole = WholeGroupsThatFit(groups, PTRDIFF_MAX);
    ptrdiff_t bound = length > 0 ? 3 * (ptrdiff_t)(length / 4) : 0;
    FUZZ_CHECK((ptrdiff_t)whole.size() <= bound);
    ptrdiff_t outputSize = ChooseOutputSize(input[1], (ptrdiff_t)whole.size());

    FramedOutput framed(outputSize);
    ptrdiff_t result = DecodeBase64((const char*)text, length, framed.Output(), outputSize);

    CheckOutput(framed, outputSize, result, WholeGroupsThatFit(groups, outputSize));
    FUZZ_CHECK(result <= bound);
    return 0;
}
