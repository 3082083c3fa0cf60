#pragma once
// Installs the tests' own small fonts into the (throwaway) prefix: file into the fonts
// folder, value under the registry table of installed fonts, resource added; and takes
// them away again.
#include <string>
#include <vector>

struct TestFontFile {
  const char* file;
  const wchar_t* family;
};

class TestFonts {
 public:
  // How the fonts reach the processes that use them.
  enum class Reach {
    ThisProcess,    // the resource is added here as well, for this process's own enumeration
    NewProcesses,   // file and registry value only: processes started afterwards load them.
                    // (Adding the resource too makes Wine hand its children "????" faces.)
  };
  explicit TestFonts(Reach reach = Reach::ThisProcess);
  ~TestFonts();
  TestFonts(const TestFonts&) = delete;
  TestFonts& operator=(const TestFonts&) = delete;

  static const std::vector<TestFontFile>& All();
  // Uninstalls one of them before the others, and puts it back.
  void Remove(const char* file);
  void Install(const char* file);

 private:
  Reach reach_;
  std::vector<std::string> installed_;
};
