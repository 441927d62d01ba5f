// The conversion methods: each row ties an entry of the method list to the
// button's caption, the codec operation and the buffer for its result.
#ifndef TUSCHELPOST_APP_METHOD_TABLE_H
#define TUSCHELPOST_APP_METHOD_TABLE_H

#include "platform/text.h"

#include <stddef.h>
#include <stdint.h>

typedef ptrdiff_t (*Conversion)(const char* input, int32_t length,
                                char* output, ptrdiff_t outputSize);

// Room a conversion needs for the result of `length` input bytes.
typedef size_t (*ResultRoom)(size_t length);

struct MethodRow {
    const char* listLabel;
    const char* buttonLabel;
    Conversion conversion;
    ResultRoom resultRoom;
    Text* resultBuffer;
};

enum { MethodCount = 2 };

extern const MethodRow MethodTable[MethodCount];

// Result buffers, empty between conversions.
extern Text encodedText;
extern Text decodedText;

#endif
