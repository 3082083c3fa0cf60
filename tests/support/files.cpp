#include "support/files.h"

#include <cstring>

#include "support/text.h"

std::string TempPath(const char* name) {
  char dir[MAX_PATH];
  GetTempPathA(MAX_PATH, dir);
  return std::string(dir) + name;
}

std::string WriteBytes(const std::string& path, const std::string& bytes) {
  HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD wrote = 0;
  WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &wrote, nullptr);
  CloseHandle(h);
  return path;
}

std::string Contents(const std::string& path) {
  std::string bytes;
  HANDLE h = CreateFileW(FromUtf8(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_EXISTING, 0, nullptr);
  if (h == INVALID_HANDLE_VALUE) return "<missing>";
  char buffer[65536];
  DWORD got = 0;
  while (ReadFile(h, buffer, sizeof buffer, &got, nullptr) && got) bytes.append(buffer, got);
  CloseHandle(h);
  return bytes;
}

std::string FontsFolder() {
  char windir[MAX_PATH] = {};
  GetWindowsDirectoryA(windir, MAX_PATH);
  return std::string(windir) + "\\Fonts\\";
}

std::string TrashFolder() {
  char unixPath[MAX_PATH] = {};
  GetEnvironmentVariableA("XDG_DATA_HOME", unixPath, MAX_PATH);
  std::string path = std::string("Z:") + unixPath + "/Trash";
  for (auto& c : path)
    if (c == '/') c = '\\';
  return path;
}

void EmptyFolder(const std::string& folder) {
  const std::wstring wide = FromUtf8(folder);
  WIN32_FIND_DATAW fd;
  HANDLE h = FindFirstFileW((wide + L"\\*").c_str(), &fd);
  if (h == INVALID_HANDLE_VALUE) return;
  do {
    if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) DeleteFileW((wide + L"\\" + fd.cFileName).c_str());
  } while (FindNextFileW(h, &fd));
  FindClose(h);
}

std::string WindowTextBytes(HWND hwnd) {
  std::string s(GetWindowTextLengthA(hwnd) + 1, '\0');
  s.resize(GetWindowTextA(hwnd, s.data(), static_cast<int>(s.size())));
  return s;
}

std::wstring ClipboardText(HWND owner) {
  if (!OpenClipboard(owner)) return L"<clipboard busy>";
  // With an English keyboard layout's locale, a Unicode program pastes the clipboard's own
  // UTF-16 text, or else its bytes converted from code page 1252.
  HGLOBAL locale = GlobalAlloc(GMEM_MOVEABLE, sizeof(LCID));
  *static_cast<LCID*>(GlobalLock(locale)) = 0x0409;
  GlobalUnlock(locale);
  SetClipboardData(CF_LOCALE, locale);
  std::wstring text = L"<no text>", unicode = text;
  if (HANDLE h = GetClipboardData(CF_TEXT)) text = FromCp932(static_cast<const char*>(GlobalLock(h))), GlobalUnlock(h);
  if (HANDLE h = GetClipboardData(CF_UNICODETEXT)) unicode = static_cast<const wchar_t*>(GlobalLock(h)), GlobalUnlock(h);
  CloseClipboard();
  // Characters outside code page 932 stand in CF_TEXT as the code page best fits them.
  return FromCp932(ToCp932(unicode)) == text ? unicode : L"<CF_TEXT " + text + L" but CF_UNICODETEXT " + unicode + L">";
}

void PutOnClipboard(HWND owner, std::wstring_view text) {
  OpenClipboard(owner);
  EmptyClipboard();
  HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
  auto* to = static_cast<wchar_t*>(GlobalLock(mem));
  text.copy(to, text.size());
  to[text.size()] = L'\0';
  GlobalUnlock(mem);
  SetClipboardData(CF_UNICODETEXT, mem);
  CloseClipboard();
}

void PutOnClipboard(HWND owner, const std::string& bytes) {
  OpenClipboard(owner);
  EmptyClipboard();
  HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, bytes.size() + 1);
  memcpy(GlobalLock(mem), bytes.c_str(), bytes.size() + 1);
  GlobalUnlock(mem);
  SetClipboardData(CF_TEXT, mem);
  CloseClipboard();
}
