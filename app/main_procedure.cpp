#include "main_procedure.h"

#include "controls.h"
#include "handlers.h"
#include "method_table.h"
#include "platform/platform.h"

int RunProgram()
{
    int quitRequested = 0;

    StartPlatform();
    if (CreateMainWindow(564, 347, 600, 226, MAIN_WINDOW_CAPTION)) {
        CreateTextField(InputField, 10, 10, 580, 80, INPUT_FIELD_TEXT, false);
        CreatePushButton(ConvertButton, 290, 100, 180, 30, CONVERT_BUTTON_TEXT);
        CreateTextField(ResultField, 10, 140, 580, 80, RESULT_FIELD_TEXT, true);
        CreateDropDownList(MethodList, 160, 105, 120, 20);
        DisableControl(ConvertButton, true);
        AddListItem(MethodList, 0, MethodTable[0].listLabel);
        AddListItem(MethodList, 1, MethodTable[1].listLabel);

        // A close request ends the loop in its own turn; events still
        // waiting are dropped.
        while (!quitRequested) {
            int kind = WaitForEvent();
            if (kind == CloseWindow)
                quitRequested = 1;
            if (kind == ControlEvent) {
                int control = EventControl();
                if (control == MethodList)
                    OnMethodSelected();
                else if (control == ConvertButton)
                    OnConvertPressed();
            }
        }
    }
    StopPlatform();
    return 0;
}
