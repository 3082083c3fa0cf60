#pragma once
// Files and folders of the test prefix, and the clipboard, as the tests set them up and
// read them back.
#include <windows.h>

#include <string>

std::string TempPath(const char* name);
// Writes the bytes to the path (replacing the file) and returns the path.
std::string WriteBytes(const std::string& path, const std::string& bytes);
// The whole file (its path in UTF-8), read with every kind of sharing; "<missing>" when it
// cannot be opened.
std::string Contents(const std::string& path);
// The prefix's fonts folder, with a trailing backslash.
std::string FontsFolder();
// The test prefix's recycle bin, as Wine keeps it: $XDG_DATA_HOME/Trash.
std::string TrashFolder();
// Deletes the files (not the folders) in a folder (its path in UTF-8).
void EmptyFolder(const std::string& folder);

// A window's text in the ANSI code page, bytes as the window holds them.
std::string WindowTextBytes(HWND hwnd);

// The clipboard's text as a Unicode program pastes it with any input language active, when
// its plain text is the same in code page 932; otherwise a text that says how the two differ.
std::wstring ClipboardText(HWND owner);
void PutOnClipboard(HWND owner, const std::string& bytes);
// As a Unicode program copies text: in UTF-16 only.
void PutOnClipboard(HWND owner, std::wstring_view text);
