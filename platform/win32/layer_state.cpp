#include "layer_state.h"

static LayerState layerState;

LayerState* Layer()
{
    return &layerState;
}

HWND ControlWindow(int control)
{
    if (control < 0 || control >= MaxControls)
        return NULL;
    return layerState.controls[control];
}
