// The window procedure: keyboard, mouse, minimise and close, turned into the game's input
// state.
#pragma once

#include "platform/window.h"

void windowProc(const platform::Event& event);
