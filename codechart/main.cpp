// Codechart: writes every character of the system's ANSI code page (932 on the Japanese
// systems it is made for) to "Codechart.txt" in the current directory, one per line.
#include <windows.h>

#include <cstdio>
#include <string>

#include "walk.h"

namespace {

std::wstring Convert(const std::vector<unsigned char>& bytes) {
  const auto* p = reinterpret_cast<const char*>(bytes.data());
  const int n = MultiByteToWideChar(CP_ACP, 0, p, static_cast<int>(bytes.size()), nullptr, 0);
  std::wstring text(n > 0 ? n : 0, L'\0');
  if (n > 0) MultiByteToWideChar(CP_ACP, 0, p, static_cast<int>(bytes.size()), text.data(), n);
  return text;
}

std::string ToAnsi(const std::wstring& text) {
  if (text.empty()) return {};
  const int n = WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string bytes(n > 0 ? n : 0, '\0');
  if (n > 0) WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), bytes.data(), n, nullptr, nullptr);
  return bytes;
}

int Fail(const char* what, DWORD error) {
  std::fprintf(stderr, "Codechart: cannot %s Codechart.txt (error %lu)\n", what, static_cast<unsigned long>(error));
  return 1;
}

}  // namespace

int main() {
  HANDLE file = CreateFileA("Codechart.txt", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return Fail("create", GetLastError());

  // Each kept character is one line: the character, then CR LF.
  std::string out;
  for (int code : codechart::WalkCodes()) {
    const std::wstring conversion = Convert(codechart::CodeBytes(code));
    if (!codechart::Keep(code, conversion)) continue;
    out += ToAnsi(std::wstring(codechart::Character(conversion))) + "\r\n";
  }

  DWORD written = 0;
  const BOOL wrote = WriteFile(file, out.data(), static_cast<DWORD>(out.size()), &written, nullptr);
  const DWORD writeError = GetLastError();
  const BOOL closed = CloseHandle(file);
  if (!wrote || written != out.size()) return Fail("write", writeError);
  if (!closed) return Fail("close", GetLastError());
  return 0;
}
