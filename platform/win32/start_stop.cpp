#include "layer_state.h"
#include "main_window.h"
#include "platform/platform.h"

#include <commctrl.h>
#include <string.h>

void StartPlatform()
{
    LayerState* layer = Layer();
    memset(layer, 0, sizeof *layer);
    layer->instance = GetModuleHandleA(NULL);
    layer->font = (HFONT)GetStockObject(DEFAULT_GUI_FONT);
    layer->cursor = LoadCursor(NULL, IDC_ARROW);
    layer->icon = LoadIcon(NULL, IDI_APPLICATION);
    ClearEvents(&layer->queue);

    // With the manifest this loads version 6 of the common controls, whose
    // Edit, Button and ComboBox classes the controls then use.
    INITCOMMONCONTROLSEX controls;
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_STANDARD_CLASSES;
    InitCommonControlsEx(&controls);
}

void StopPlatform()
{
    LayerState* layer = Layer();
    if (layer->mainWindow)
        DestroyWindow(layer->mainWindow);
    if (layer->windowClass)
        UnregisterClassA(MAKEINTATOM(layer->windowClass), layer->instance);
    memset(layer, 0, sizeof *layer);
}
