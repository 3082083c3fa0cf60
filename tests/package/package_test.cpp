// The release zip as a Windows user gets it: unpacked into a folder of its own, its two
// programs started from there, its readme read as Notepad on a Japanese Windows reads it.
#include <gtest/gtest.h>
#include <windows.h>

#include <set>
#include <string>

#include "paths.h"
#include "version.h"
#include "support/input.h"
#include "support/text.h"

namespace {

const std::wstring kFolder = FromCp932(GBX_PACKAGE_DIR);

std::string Bytes(const std::wstring& path) {
  std::string bytes;
  HANDLE h = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (h == INVALID_HANDLE_VALUE) return bytes;
  char buffer[65536];
  DWORD got = 0;
  while (ReadFile(h, buffer, sizeof buffer, &got, nullptr) && got) bytes.append(buffer, got);
  CloseHandle(h);
  return bytes;
}

std::wstring ProductVersion(const std::wstring& exe) {
  DWORD ignored = 0;
  std::string block(GetFileVersionInfoSizeW(exe.c_str(), &ignored), '\0');
  if (block.empty() || !GetFileVersionInfoW(exe.c_str(), 0, static_cast<DWORD>(block.size()), block.data())) return L"";
  wchar_t* text = nullptr;
  UINT length = 0;
  if (!VerQueryValueW(block.data(), L"\\StringFileInfo\\041104B0\\ProductVersion", reinterpret_cast<void**>(&text),
                      &length))
    return L"";
  return text;
}

// Starts one of the unpacked programs in the given working folder.
PROCESS_INFORMATION Start(const wchar_t* exe, const std::wstring& folder) {
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  std::wstring cmd = L"\"" + kFolder + L"\\" + exe + L"\"";
  if (!CreateProcessW(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &si, &pi)) return {};
  return pi;
}

// Its exit code once it has ended, or -1 when it does not end in time.
long ExitCodeOf(PROCESS_INFORMATION& pi, DWORD timeoutMs) {
  DWORD code = static_cast<DWORD>(-1);
  if (WaitForSingleObject(pi.hProcess, timeoutMs) == WAIT_OBJECT_0) GetExitCodeProcess(pi.hProcess, &code);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return static_cast<long>(code);
}

}  // namespace

TEST(Package, HoldsTheTwoProgramsTheReadmeAndTheLicence) {
  std::set<std::wstring> names;
  WIN32_FIND_DATAW found;
  HANDLE find = FindFirstFileW((kFolder + L"\\*").c_str(), &found);
  ASSERT_NE(find, INVALID_HANDLE_VALUE) << "unpacked into " << GBX_PACKAGE_DIR;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.insert(found.cFileName);
  } while (FindNextFileW(find, &found));
  FindClose(find);
  EXPECT_EQ(names, (std::set<std::wstring>{L"Glyphbox.exe", L"Codechart.exe", L"はじめにお読みください.txt", L"LICENSE.txt"}));
  EXPECT_NE(Bytes(kFolder + L"\\LICENSE.txt").find("MIT License"), std::string::npos);
}

TEST(Package, TheReadmeIsJapaneseInCodePage932WithCrLf) {
  const std::string bytes = Bytes(kFolder + L"\\はじめにお読みください.txt");
  ASSERT_FALSE(bytes.empty());
  const int n = MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  ASSERT_GT(n, 0) << "every byte sequence is a code page 932 character";
  const std::wstring text = FromCp932(bytes);
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == L'\n') {
      ASSERT_TRUE(i > 0 && text[i - 1] == L'\r') << "a line ends in LF alone at " << i;
    }
  }
  for (const wchar_t* said : {L"Glyphbox " GBX_VERSION_TEXT_W, L"インストールは要りません", L"設定はどこにも保存しません",
                              L"ごみ箱", L"管理者の権限", L"Codechart.txt", L"不具合の報告"})
    EXPECT_NE(text.find(said), std::wstring::npos) << testing::PrintToString(std::wstring(said));
}

TEST(Package, BothProgramsCarryTheOneVersion) {
  EXPECT_EQ(ProductVersion(kFolder + L"\\Glyphbox.exe"), GBX_VERSION_TEXT_W);
  EXPECT_EQ(ProductVersion(kFolder + L"\\Codechart.exe"), GBX_VERSION_TEXT_W);
}

TEST(Package, TheUnpackedGlyphboxOpensItsWindow) {
  PROCESS_INFORMATION pi = Start(L"Glyphbox.exe", kFolder);
  ASSERT_TRUE(pi.hProcess);
  HWND window = nullptr;
  EXPECT_TRUE(input::WaitUntil([&] {
    window = FindWindowA("GlyphboxForm", "Glyphora");
    DWORD pid = 0;
    if (window) GetWindowThreadProcessId(window, &pid);
    return window && pid == pi.dwProcessId && IsWindowVisible(window);
  }, [] { Sleep(0); }, 20000)) << "no Glyphora window";
  if (window) PostMessageA(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(ExitCodeOf(pi, 15000), 0);
}

TEST(Package, TheUnpackedCodechartWritesItsFileWhereItRuns) {
  const std::wstring work = kFolder + L"\\..\\codechart-run";
  CreateDirectoryW(work.c_str(), nullptr);
  DeleteFileW((work + L"\\Codechart.txt").c_str());
  PROCESS_INFORMATION pi = Start(L"Codechart.exe", work);
  ASSERT_TRUE(pi.hProcess);
  EXPECT_EQ(ExitCodeOf(pi, 30000), 0);
  const std::string chart = Bytes(work + L"\\Codechart.txt");
  EXPECT_GT(chart.size(), 15000u) << "a line for each of thousands of characters";
  EXPECT_EQ(chart.substr(0, 3), std::string("\x01\r\n", 3)) << "starting with code 1";
}
