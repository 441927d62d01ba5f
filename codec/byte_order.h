// Whether the processor keeps the lowest byte of a word first. Decided at
// compile time by every compiler that matters; every Windows target is
// little-endian, and the codec stores whole words only there.
#ifndef TUSCHELPOST_CODEC_BYTE_ORDER_H
#define TUSCHELPOST_CODEC_BYTE_ORDER_H

#include <stdint.h>
#include <string.h>

static inline bool IsLittleEndian()
{
    const uint32_t probe = 1;
    unsigned char firstByte;
    memcpy(&firstByte, &probe, 1);
    return firstByte == 1;
}

#endif
