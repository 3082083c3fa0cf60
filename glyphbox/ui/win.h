#pragma once
// The program calls the single-byte ("A") entry points by their full names.
#if defined(UNICODE) || defined(_UNICODE)
#error "Glyphbox is built without UNICODE: call the ...A functions by name"
#endif
#include <windows.h>
