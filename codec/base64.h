// Base64 (RFC 4648, standard alphabet, "=" padding, one line) for the
// program's two conversions.
//
// Both operations write into a buffer the caller owns: `outputSize` is the
// number of characters the buffer holds before its terminating NUL, so it
// must have room for `outputSize` + 1 bytes. They never write more than that;
// when the whole result would not fit, only the groups of four characters
// (encoder) or the decoded groups (decoder) that fit are written, then the
// NUL. A negative `outputSize` writes nothing at all. Nothing behind the NUL
// is touched. A `length` of zero or less gives the empty text.
//
// The decoder is lenient and never reports an error: TAB, LF and CR are
// skipped where a group would begin, every other character outside the
// alphabet counts as 'A' (value 0), "=" pads only in the third and fourth
// place of a group, an incomplete last group is dropped, and the bits a
// padded group leaves over are ignored. After a padded group, decoding ends
// if fewer than four characters follow or if the group ended in "==" and
// only TAB, LF and CR follow; otherwise it goes on with the next group, so
// two encoded texts joined decode to both texts.
#ifndef TUSCHELPOST_CODEC_BASE64_H
#define TUSCHELPOST_CODEC_BASE64_H

#include <stddef.h>
#include <stdint.h>

// The 64 characters indexed by a 6-bit value.
extern const char Base64Alphabet[65];

// The 6-bit value of every byte, 0 for bytes outside the alphabet. Built by
// the first call of DecodeBase64, then only read.
extern int8_t Base64DecodeTable[256];
extern int32_t decodeTableReady;

// Writes the Base64 text of input[0 .. length) and a NUL to output. Returns
// the number of characters written before the NUL: 4 * ((length + 2) / 3)
// when it fits, 0 for length <= 0 or a negative outputSize.
ptrdiff_t EncodeBase64(const char* input, int32_t length, char* output,
                       ptrdiff_t outputSize);

// Writes the bytes that the Base64 text input[0 .. length) stands for and a
// NUL to output: at most 3 * (length / 4) bytes. Returns the number of bytes
// written before the NUL (0 for a negative outputSize, where nothing is
// written).
ptrdiff_t DecodeBase64(const char* input, int32_t length, char* output,
                       ptrdiff_t outputSize);

#endif
