#include "text.h"

#include <stdlib.h>
#include <string.h>

const char* TextBytes(const Text& text)
{
    return text.bytes ? text.bytes : "";
}

static bool Reserve(Text* text, size_t length)
{
    EmptyText(text);
    if (length == (size_t)-1)
        return false;
    text->bytes = (char*)malloc(length + 1);
    if (!text->bytes)
        return false;
    text->length = length;
    text->bytes[length] = '\0';
    return true;
}

bool SetText(Text* text, const char* bytes, size_t length)
{
    if (!Reserve(text, length))
        return false;
    memcpy(text->bytes, bytes, length);
    return true;
}

bool FillText(Text* text, char c, size_t count)
{
    if (!Reserve(text, count))
        return false;
    memset(text->bytes, c, count);
    return true;
}

void EmptyText(Text* text)
{
    free(text->bytes);
    text->bytes = NULL;
    text->length = 0;
}

void TakeText(Text* text, Text taken)
{
    EmptyText(text);
    *text = taken;
}

bool TextEquals(const Text& text, const char* other)
{
    return strcmp(TextBytes(text), other) == 0;
}
