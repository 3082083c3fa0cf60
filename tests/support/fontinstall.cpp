#include "support/fontinstall.h"

#include <windows.h>

#include <algorithm>

#include "paths.h"
#include "support/files.h"
#include "support/registry.h"
#include "support/text.h"

namespace {

std::string ValueName(const wchar_t* family) { return ToUtf8(family) + " (TrueType)"; }

const TestFontFile* Find(const char* file) {
  for (const auto& f : TestFonts::All())
    if (std::string(f.file) == file) return &f;
  return nullptr;
}

void Uninstall(const TestFontFile& f) {
  const std::string path = FontsFolder() + f.file;
  while (RemoveFontResourceA(path.c_str())) {
  }
  registry::DeleteFontValue(ValueName(f.family));
  DeleteFileA(path.c_str());
}

}  // namespace

const std::vector<TestFontFile>& TestFonts::All() {
  static const std::vector<TestFontFile> all{
      {"gbx-alpha.ttf", L"Gbx Alpha"},    {"gbx-alpha-caps.ttf", L"GBX ALPHA"}, {"gbx-beta1.ttf", L"Gbx Beta 1"},
      {"gbx-beta2.ttf", L"Gbx Beta 2"},   {"gbx-beta10.ttf", L"Gbx Beta 10"},   {"gbx-gamma.ttf", L"Gbx Gamma]"},
      {"gbx-latin.ttf", L"Gbx Latin"},    {"gbx-kana.ttf", L"Gbx Kana"},        {"gbx-sushi.ttf", L"Gbx Sushi"},
  };
  return all;
}

TestFonts::TestFonts(Reach reach) : reach_(reach) {
  for (const auto& f : All()) Install(f.file);
}

void TestFonts::Install(const char* file) {
  if (std::find(installed_.begin(), installed_.end(), file) != installed_.end()) return;
  if (const TestFontFile* found = Find(file)) {
    const TestFontFile& f = *found;
    const std::string from = std::string(GBX_FONTS_DIR) + "\\" + f.file;
    const std::string to = FontsFolder() + f.file;
    if (!CopyFileA(from.c_str(), to.c_str(), FALSE)) return;
    registry::SetFontValue(ValueName(f.family), f.file);
    if (reach_ == Reach::ThisProcess) AddFontResourceA(to.c_str());
    installed_.push_back(f.file);
  }
}

TestFonts::~TestFonts() {
  for (const auto& file : installed_)
    if (const TestFontFile* f = Find(file.c_str())) Uninstall(*f);
}

void TestFonts::Remove(const char* file) {
  const auto it = std::find(installed_.begin(), installed_.end(), file);
  if (it == installed_.end()) return;
  if (const TestFontFile* f = Find(file)) Uninstall(*f);
  installed_.erase(it);
}
