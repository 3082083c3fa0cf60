// The real Codechart.exe, run in a folder of its own.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "paths.h"
#include "support/files.h"

namespace {

std::string CodechartExe() {
  std::string exe = GBX_EXE;
  return exe.substr(0, exe.rfind("glyphbox\\Glyphbox.exe")) + "codechart\\Codechart.exe";
}

struct Outcome {
  DWORD exitCode = 999;
  std::string errors;
};

Outcome RunIn(const std::string& folder) {
  SECURITY_ATTRIBUTES sa{sizeof sa, nullptr, TRUE};
  HANDLE readErr = nullptr, writeErr = nullptr;
  CreatePipe(&readErr, &writeErr, &sa, 0);
  SetHandleInformation(readErr, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOA si{};
  si.cb = sizeof si;
  si.dwFlags = STARTF_USESTDHANDLES;
  si.hStdError = writeErr;
  si.hStdOutput = writeErr;
  si.hStdInput = nullptr;
  PROCESS_INFORMATION pi{};
  std::string cmd = "\"";
  cmd += CodechartExe();
  cmd += "\"";
  Outcome run;
  if (!CreateProcessA(nullptr, cmd.data(), nullptr, nullptr, TRUE, 0, nullptr, folder.c_str(), &si, &pi)) {
    run.errors = "cannot start " + CodechartExe();
    return run;
  }
  CloseHandle(writeErr);
  char buffer[512];
  DWORD got = 0;
  while (ReadFile(readErr, buffer, sizeof buffer, &got, nullptr) && got) run.errors.append(buffer, got);
  WaitForSingleObject(pi.hProcess, 60000);
  GetExitCodeProcess(pi.hProcess, &run.exitCode);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  CloseHandle(readErr);
  return run;
}

class Codechart : public testing::Test {
 protected:
  void SetUp() override {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    folder_ = std::string(temp) + "codechart-" + testing::UnitTest::GetInstance()->current_test_info()->name();
    CreateDirectoryA(folder_.c_str(), nullptr);
    out_ = folder_ + "\\Codechart.txt";
  }
  void TearDown() override {
    SetFileAttributesA(out_.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(out_.c_str());
    RemoveDirectoryA(out_.c_str());
    RemoveDirectoryA(folder_.c_str());
  }
  std::string folder_, out_;
};

}  // namespace

TEST_F(Codechart, WritesEveryCharacterOneToALine) {
  const Outcome run = RunIn(folder_);
  ASSERT_EQ(run.exitCode, 0u) << run.errors;
  const std::string text = Contents(out_);
  // Codes 1 to 31 come first, control characters included, each on its own line.
  std::string controls;
  for (int c = 1; c <= 31; ++c) controls += std::string(1, static_cast<char>(c)) + "\r\n";
  EXPECT_EQ(text.substr(0, controls.size()), controls);
  // "・" is written by its own code only.
  size_t dots = 0;
  for (size_t at = text.find("\x81\x45"); at != std::string::npos; at = text.find("\x81\x45", at + 1)) {
    // Only a "・" that starts a character counts: it follows a line end.
    if (at >= 2 && text.compare(at - 2, 2, "\r\n") == 0) ++dots;
  }
  EXPECT_EQ(dots, 1u);
  EXPECT_EQ(text.find('\0'), std::string::npos) << "no NUL byte in a text file";
  EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
}

TEST_F(Codechart, ASecondRunRewritesTheWholeFile) {
  ASSERT_EQ(RunIn(folder_).exitCode, 0u);
  const std::string first = Contents(out_);
  HANDLE h = CreateFileA(out_.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  SetFilePointer(h, 0, nullptr, FILE_END);
  const std::string junk(100000, 'x');
  DWORD wrote = 0;
  WriteFile(h, junk.data(), static_cast<DWORD>(junk.size()), &wrote, nullptr);
  CloseHandle(h);
  ASSERT_EQ(RunIn(folder_).exitCode, 0u);
  EXPECT_EQ(Contents(out_), first);
}

TEST_F(Codechart, AnUnwritableTargetIsAnErrorWithANonZeroExitCode) {
  // The name taken by a folder.
  ASSERT_TRUE(CreateDirectoryA(out_.c_str(), nullptr));
  Outcome run = RunIn(folder_);
  EXPECT_NE(run.exitCode, 0u);
  EXPECT_NE(run.errors.find("Codechart.txt"), std::string::npos) << run.errors;
  RemoveDirectoryA(out_.c_str());

  // A file another program holds open without sharing. (A read-only file would do on
  // Windows; the tests run as root, for whom Wine lets read-only files be written.)
  HANDLE held = CreateFileA(out_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  run = RunIn(folder_);
  CloseHandle(held);
  EXPECT_NE(run.exitCode, 0u);
  EXPECT_NE(run.errors.find("Codechart.txt"), std::string::npos) << run.errors;
  EXPECT_TRUE(Contents(out_).empty()) << "the held file is left as it was";
}

TEST(CodechartVersion, DescribesItselfInJapaneseAsVersion110) {
  const std::string exe = CodechartExe();
  DWORD ignored = 0;
  std::string block(GetFileVersionInfoSizeA(exe.c_str(), &ignored), '\0');
  ASSERT_FALSE(block.empty());
  ASSERT_TRUE(GetFileVersionInfoA(exe.c_str(), 0, static_cast<DWORD>(block.size()), block.data()));
  wchar_t* description = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(block.data(), L"\\StringFileInfo\\041104B0\\FileDescription",
                             reinterpret_cast<void**>(&description), &length));
  EXPECT_STREQ(description, L"文字コード生成ツール");
  VS_FIXEDFILEINFO* fixed = nullptr;
  ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(HIWORD(fixed->dwFileVersionMS), 1);
  EXPECT_EQ(LOWORD(fixed->dwFileVersionMS), 10);
}
