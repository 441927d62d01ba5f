// The program's answers to the user's two actions.
#ifndef TUSCHELPOST_APP_HANDLERS_H
#define TUSCHELPOST_APP_HANDLERS_H

#include "platform/text.h"

// What the method list showed when OnMethodSelected last ran.
extern Text selectedMethod;
// The input field's text at the last press of the button.
extern Text inputText;

// A selection change of the method list: enables the button and names the
// chosen method's action on it.
void OnMethodSelected();

// A press of the button: converts the input field's text with the chosen
// method into the result field, or tells the user that nothing is chosen.
void OnConvertPressed();

#endif
