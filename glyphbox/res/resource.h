#pragma once
#define IDI_GLYPHBOX 1
