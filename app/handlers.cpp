#include "handlers.h"

#include "controls.h"
#include "method_table.h"
#include "platform/platform.h"

#include <stdint.h>

Text selectedMethod;
Text inputText;

// The first row whose list label is exactly the given text; an empty text
// matches no row.
static const MethodRow* FindMethod(const Text& label)
{
    if (label.length == 0)
        return NULL;
    for (int row = 0; row < MethodCount; ++row) {
        if (TextEquals(label, MethodTable[row].listLabel))
            return &MethodTable[row];
    }
    return NULL;
}

void OnMethodSelected()
{
    DisableControl(ConvertButton, false);
    TakeText(&selectedMethod, GetControlText(MethodList));
    const MethodRow* method = FindMethod(selectedMethod);
    if (method)
        SetControlText(ConvertButton, method->buttonLabel);
}

void OnConvertPressed()
{
    TakeText(&inputText, GetControlText(InputField));
    const MethodRow* method = FindMethod(selectedMethod);
    if (!method) {
        ShowMessageBox(ERROR_CAPTION, ERROR_MESSAGE, MessageBoxOk);
        return;
    }

    // The codec takes a 32-bit length; no field holds more than that.
    size_t length = inputText.length;
    if (length > INT32_MAX)
        length = INT32_MAX;

    // A result longer than the usual buffer gets a buffer of its own size,
    // so every text the field accepts is converted in full.
    size_t room = method->resultRoom(length);
    if (room < ResultBufferSize)
        room = ResultBufferSize;
    if (!FillText(method->resultBuffer, ' ', room))
        return;

    method->conversion(TextBytes(inputText), (int32_t)length,
                       method->resultBuffer->bytes, (ptrdiff_t)room);
    SetControlText(ResultField, TextBytes(*method->resultBuffer));
    EmptyText(method->resultBuffer);
}
