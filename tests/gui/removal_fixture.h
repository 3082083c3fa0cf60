#pragma once
// Removing fonts for real: registry, font files, the recycle bin of the test prefix, the
// list and the preview, with the dialogs answered from the test. The fixture both removal
// test files share.
#include "harness.h"

#include <mutex>
#include <string>
#include <vector>

#include "paths.h"
#include "support/files.h"
#include "support/registry.h"
#include "support/text.h"
#include "support/watcher.h"

using registry::FontValue;

// Names and paths here are UTF-8, and reach the registry and the file system as Unicode.
struct FontFile {
  const char* value;  // registry value name
  const char* file;   // file in tests/fonts, installed under the same name
  std::string data = {};  // the value's data when it spells the file otherwise
};
inline std::wstring W(const std::string& utf8) { return FromUtf8(utf8); }

// Everything a removal may touch, to compare before and after.
struct World {
  std::map<std::string, std::string> registry, fontsFolder, trash;
  bool operator==(const World&) const = default;
};

class Removal : public ForegroundWindow {
 protected:
  void SetUp() override {
    // The machine's own fonts are visible through Z:. Refuse to remove anything outside a
    // throwaway prefix of the build tree.
    char prefix[MAX_PATH] = {};
    GetEnvironmentVariableA("WINEPREFIX", prefix, MAX_PATH);
    ASSERT_NE(std::string(prefix).find("/test-env/"), std::string::npos)
        << "removal tests run only in the test prefix, not in " << prefix;
    EmptyTrash();
    ForegroundWindow::SetUp();
  }
  void TearDown() override {
    ForegroundWindow::TearDown();
    for (const FontFile& f : installed_) {
      while (RemoveFontResourceW(W(FontsFolder() + f.file).c_str())) {
      }
      registry::DeleteFontValue(f.value);
      DeleteFileW(W(FontsFolder() + f.file).c_str());
    }
    for (const FontFile& f : installedForUser_) {
      while (RemoveFontResourceW(W(UserFontsFolder() + f.file).c_str())) {
      }
      registry::DeleteFontValue(f.value, HKEY_CURRENT_USER);
      DeleteFileW(W(UserFontsFolder() + f.file).c_str());
    }
    EmptyTrash();
  }

  void Install(std::initializer_list<FontFile> files) { Install(std::vector<FontFile>(files)); }
  void Install(const std::vector<FontFile>& files) {
    for (const FontFile& f : files) {
      const std::wstring to = W(FontsFolder() + f.file);
      ASSERT_TRUE(CopyFileW(W(std::string(GBX_FONTS_DIR) + "\\" + f.file).c_str(), to.c_str(), FALSE)) << f.file;
      registry::SetFontValue(f.value, f.data.empty() ? f.file : f.data);
      AddFontResourceW(to.c_str());
      installed_.push_back(f);
    }
  }

  // Installs for the current user alone, as Windows 10 does without administrator rights:
  // the file under %LOCALAPPDATA%, its full path under HKCU (or, as REG_EXPAND_SZ, the path
  // through %LOCALAPPDATA%), and the resource added here, since Wine loads no user's fonts.
  void InstallForUser(std::initializer_list<FontFile> files, DWORD type = REG_SZ) {
    CreateDirectoryA((LocalAppData() + "\\Microsoft").c_str(), nullptr);
    CreateDirectoryA((LocalAppData() + "\\Microsoft\\Windows").c_str(), nullptr);
    CreateDirectoryA(UserFontsFolder().c_str(), nullptr);
    for (const FontFile& f : files) {
      const std::string to = UserFontsFolder() + f.file;
      ASSERT_TRUE(CopyFileW(W(std::string(GBX_FONTS_DIR) + "\\" + f.file).c_str(), W(to).c_str(), FALSE)) << f.file;
      registry::SetFontValue(f.value, type == REG_EXPAND_SZ ? UserFontData(f.file) : to, HKEY_CURRENT_USER, type);
      AddFontResourceW(W(to).c_str());
      installedForUser_.push_back(f);
    }
  }
  static std::string LocalAppData() {
    char path[MAX_PATH] = {};
    GetEnvironmentVariableA("LOCALAPPDATA", path, MAX_PATH);
    return path;
  }
  static std::string UserFontsFolder() { return LocalAppData() + "\\Microsoft\\Windows\\Fonts\\"; }
  static std::string UserFontData(const char* file) {
    return std::string("%LOCALAPPDATA%\\Microsoft\\Windows\\Fonts\\") + file;
  }
  std::string InUserFolder(const char* file) const { return Contents(UserFontsFolder() + file); }

  // Everything the removal must not lose: each installed file's bytes, wherever they are.
  World Snapshot() const {
    World w;
    for (const FontFile& f : installed_) {
      w.registry[f.value] = FontValue(f.value);
      w.fontsFolder[f.file] = Contents(FontsFolder() + f.file);
      w.trash[f.file] = Contents(TrashFolder() + "\\files\\" + f.file);
    }
    return w;
  }

  static void EmptyTrash() {
    EmptyFolder(TrashFolder() + "\\files");
    EmptyFolder(TrashFolder() + "\\info");
  }
  std::string Original(const char* file) const { return Contents(std::string(GBX_FONTS_DIR) + "\\" + file); }
  std::string InFontsFolder(const char* file) const { return Contents(FontsFolder() + file); }
  std::string InTrash(const char* file) const { return Contents(TrashFolder() + "\\files\\" + file); }

  void Select(const wchar_t* name) {
    ASSERT_TRUE(::Select(*form, name)) << "not listed: " << testing::PrintToString(std::wstring(name));
  }

  // Runs the removal from the menu or by the Delete key, answering our question with
  // `answer` and any dialog of the shell with No; returns what the program said.
  std::vector<MessageBoxSeen> Remove(int answer) { return Answering(answer, [&] { form->m_List_Remove_Click(); }); }
  // The removal, answered Yes, while another program holds the file open, sharing at most
  // the reading of it: the shell cannot move it, and the removal has to be rolled back.
  std::vector<MessageBoxSeen> RemoveHolding(const std::string& path, DWORD share = 0) {
    HANDLE held = CreateFileW(W(path).c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_NE(held, INVALID_HANDLE_VALUE) << "cannot hold " << path;
    auto said = Remove(IDYES);
    if (held != INVALID_HANDLE_VALUE) CloseHandle(held);
    return said;
  }
  std::vector<MessageBoxSeen> RemoveByDeleteKey(int answer, bool shift = false, bool alt = false, bool ctrl = false) {
    return Answering(answer, [&] {
      form->List1.Focus();
      input::PressKeyAndWait(VK_DELETE, &Pump, shift, alt, ctrl);
    });
  }
  // whileAsked runs while our question is shown, as another program might meanwhile.
  std::vector<MessageBoxSeen> Answering(int answer, const std::function<void()>& act,
                                        const std::function<void()>& whileAsked = {}) {
    std::vector<MessageBoxSeen> said;
    std::mutex m;
    WindowWatcher ours("#32770", "Glyphora", [&](HWND box) {
      if (whileAsked && GetDlgItem(box, IDYES)) whileAsked();
      MessageBoxSeen seen;
      ReadAndAnswer(box, GetDlgItem(box, IDYES) ? answer : IDOK, seen);
      std::lock_guard<std::mutex> lock(m);
      said.push_back(seen);
    });
    WindowWatcher shell("#32770", nullptr, [&](HWND box) {
      wchar_t title[128] = {};
      InternalGetWindowText(box, title, 128);
      if (std::wstring(title) != L"Glyphora") PostMessageA(box, WM_COMMAND, IDNO, 0);
    });
    act();
    std::lock_guard<std::mutex> lock(m);
    return said;
  }

  std::vector<FontFile> installed_, installedForUser_;
};

