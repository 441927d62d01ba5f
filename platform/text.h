// Text: a NUL-terminated string of 8-bit characters in the system ANSI code
// page (the program's literals are Windows-1252). Its length is the number
// of bytes before the NUL. A Text that was never set, or was emptied, owns
// no storage and reads as "".
#ifndef TUSCHELPOST_PLATFORM_TEXT_H
#define TUSCHELPOST_PLATFORM_TEXT_H

#include <stddef.h>

struct Text {
    char* bytes;   // NULL, or length + 1 bytes owned by this Text
    size_t length;
};

// The bytes up to and including the NUL; "" for an empty Text.
const char* TextBytes(const Text& text);

// Replaces the content with a copy of bytes[0 .. length) and a NUL. On
// allocation failure the Text is left empty and false is returned.
bool SetText(Text* text, const char* bytes, size_t length);

// Replaces the content with count copies of c and a NUL.
bool FillText(Text* text, char c, size_t count);

// Gives the storage back; the Text reads as "" afterwards.
void EmptyText(Text* text);

// Empties *text and gives it the storage of taken.
void TakeText(Text* text, Text taken);

// Exact, case-sensitive comparison of the bytes up to the NULs.
bool TextEquals(const Text& text, const char* other);

#endif
