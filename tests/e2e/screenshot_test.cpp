// Pictures of the window at start and after a conversion, for the README.
// They are written to the folder in TUSCHELPOST_SCREENSHOT_DIR (a Linux
// path) by ImageMagick's import, which reads the X display Wine draws on.
#include "tests/e2e/program_process.h"
#include "tests/e2e/running_program.h"
#include "tests/e2e/window_reading.h"

#include <gtest/gtest.h>
#include <stdlib.h>

using Screenshots = RunningProgram;

// Lets the program paint everything, then takes the window's rectangle of
// the screen into PNG file name.
static void TakeScreenshot(HWND window, const std::string& name)
{
    const char* folder = getenv("TUSCHELPOST_SCREENSHOT_DIR");
    if (!folder)
        GTEST_SKIP() << "TUSCHELPOST_SCREENSHOT_DIR is not set";
    RedrawWindow(window, NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    DWORD_PTR answer = 0;
    SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &answer);
    RECT outer;
    GetWindowRect(window, &outer);
    std::string file = std::string(folder) + "/" + name;
    std::string command = "/usr/bin/import -window root -crop " +
                          std::to_string(outer.right - outer.left) + "x" +
                          std::to_string(outer.bottom - outer.top) + "+" +
                          std::to_string(outer.left) + "+" + std::to_string(outer.top) +
                          " +repage " + file;
    int status = -1;
    ASSERT_TRUE(RunLinuxCommand(command, 20000, &status));
    EXPECT_EQ(status, 0) << command;
}

TEST_F(Screenshots, AtStartAndAfterConversion)
{
    std::string bits = is32Bit ? "32" : "64";
    TakeScreenshot(mainWindow, "screenshot-" + bits + "-start.png");
    ChooseEntryByMouse(0);
    TypeInput("Hallo Welt");
    ConvertAndExpect("SGFsbG8gV2VsdA==");
    TakeScreenshot(mainWindow, "screenshot-" + bits + "-converted.png");
}
