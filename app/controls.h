// The main window's controls, by number, and the program's fixed texts
// (Windows-1252: \xFC is u-umlaut, \xE4 is a-umlaut).
#ifndef TUSCHELPOST_APP_CONTROLS_H
#define TUSCHELPOST_APP_CONTROLS_H

enum {
    MainWindow = 0
};

enum {
    InputField = 0,
    ConvertButton = 1,
    ResultField = 2,
    MethodList = 3
};

// Characters in a conversion's result buffer before its NUL.
enum { ResultBufferSize = 1024 };

#define MAIN_WINDOW_CAPTION "Tuschelpost Programm - Codieren/Decodieren"
#define INPUT_FIELD_TEXT "Zu verschl\xFCsselndes"
#define CONVERT_BUTTON_TEXT "Bitte Methode ausw\xE4hlen!"
#define RESULT_FIELD_TEXT "Verschl\xFCsseltes"
#define ERROR_CAPTION "Fehler!"
#define ERROR_MESSAGE "Nichts ausgew\xE4hlt!"

#endif
