#pragma once
#include <windows.h>

// Saves what the screen shows of a window as a 24-bit BMP file; false on failure.
bool SaveWindowScreenshot(HWND hwnd, const char* path);
