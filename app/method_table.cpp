#include "method_table.h"

#include "codec/base64.h"

// The two executables differ only in the labels of their method list.
#if defined(TUSCHELPOST_LABELS_32)
#define ENCODER_LABEL "Verschl\xFCsseln"
#define DECODER_LABEL "Entschl\xFCsseln"
#else
#define ENCODER_LABEL "Base 64 Encoder"
#define DECODER_LABEL "Base 64 Decoder"
#endif

Text encodedText;
Text decodedText;

static size_t EncodedRoom(size_t length)
{
    return (length + 2) / 3 * 4;
}

static size_t DecodedRoom(size_t length)
{
    return length / 4 * 3;
}

const MethodRow MethodTable[MethodCount] = {
    { ENCODER_LABEL, "Verschl\xFCsseln", EncodeBase64, EncodedRoom, &encodedText },
    { DECODER_LABEL, "Entschl\xFCsseln", DecodeBase64, DecodedRoom, &decodedText },
};
