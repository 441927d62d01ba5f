#ifndef TUSCHELPOST_APP_MAIN_PROCEDURE_H
#define TUSCHELPOST_APP_MAIN_PROCEDURE_H

// Builds the main window, runs the event loop until the window is closed and
// tears everything down. The process exit code, always 0.
int RunProgram();

#endif
