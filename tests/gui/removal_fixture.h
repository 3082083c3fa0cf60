#pragma once
// Removing fonts for real: registry, font files, the recycle bin of the test prefix, the
// list and the preview, with the dialogs answered from the test. The fixture both removal
// test files share.
#include "harness.h"

#include <algorithm>
#include <map>
#include <mutex>
#include <thread>
#include <string>
#include <vector>

#include "fonts/fontreg.h"
#include "paths.h"
#include "support/watcher.h"

namespace removal {

inline constexpr char kFontsKey[] = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Fonts";

struct FontFile {
  const char* value;  // registry value name
  const char* file;   // file in tests/fonts, installed under the same name
};

inline std::string FontsFolderA() {
  char windir[MAX_PATH] = {};
  GetWindowsDirectoryA(windir, MAX_PATH);
  return std::string(windir) + "\\Fonts\\";
}

// The test prefix's recycle bin, as Wine keeps it: $XDG_DATA_HOME/Trash/files.
inline std::string TrashFolder() {
  char unixPath[MAX_PATH] = {};
  GetEnvironmentVariableA("XDG_DATA_HOME", unixPath, MAX_PATH);
  std::string path = std::string("Z:") + unixPath + "/Trash";
  for (auto& c : path)
    if (c == '/') c = '\\';
  return path;
}

inline std::string Contents(const std::string& path) {
  std::string bytes;
  HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_EXISTING, 0, nullptr);
  if (h == INVALID_HANDLE_VALUE) return "<missing>";
  char buffer[65536];
  DWORD got = 0;
  while (::ReadFile(h, buffer, sizeof buffer, &got, nullptr) && got) bytes.append(buffer, got);
  CloseHandle(h);
  return bytes;
}

inline std::string RegistryValue(const char* name) {
  HKEY key;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kFontsKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return "<no key>";
  char data[1024] = {};
  DWORD size = sizeof data - 1;
  const LONG r = RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(data), &size);
  RegCloseKey(key);
  return r == ERROR_SUCCESS ? std::string(data) : "<none>";
}

inline void SetRegistryValue(const char* name, const std::string& data) {
  HKEY key;
  RegCreateKeyExA(HKEY_LOCAL_MACHINE, kFontsKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr);
  RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()), static_cast<DWORD>(data.size() + 1));
  RegCloseKey(key);
}

inline void DeleteRegistryValue(const char* name) {
  HKEY key;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kFontsKey, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) return;
  RegDeleteValueA(key, name);
  RegCloseKey(key);
}

inline void EmptyFolder(const std::string& folder) {
  WIN32_FIND_DATAA fd;
  HANDLE h = FindFirstFileA((folder + "\\*").c_str(), &fd);
  if (h == INVALID_HANDLE_VALUE) return;
  do {
    if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) DeleteFileA((folder + "\\" + fd.cFileName).c_str());
  } while (FindNextFileA(h, &fd));
  FindClose(h);
}

// Everything a removal may touch, to compare before and after.
struct World {
  std::map<std::string, std::string> registry, fontsFolder, trash;
  bool operator==(const World&) const = default;
};

}  // namespace removal

using namespace removal;

class Removal : public MainWindow {
 protected:
  void SetUp() override {
    // The machine's own fonts are visible through Z:. Refuse to remove anything outside a
    // throwaway prefix of the build tree.
    char prefix[MAX_PATH] = {};
    GetEnvironmentVariableA("WINEPREFIX", prefix, MAX_PATH);
    ASSERT_NE(std::string(prefix).find("/test-env/"), std::string::npos)
        << "removal tests run only in the test prefix, not in " << prefix;
    EmptyFolder(TrashFolder() + "\\files");
    EmptyFolder(TrashFolder() + "\\info");
    MainWindow::SetUp();
    ASSERT_TRUE(input::MakeForeground(form->Handle(), &Pump));
  }
  void TearDown() override {
    MainWindow::TearDown();
    for (const FontFile& f : installed_) {
      while (RemoveFontResourceA((FontsFolderA() + f.file).c_str())) {
      }
      DeleteRegistryValue(f.value);
      DeleteFileA((FontsFolderA() + f.file).c_str());
    }
    EmptyFolder(TrashFolder() + "\\files");
    EmptyFolder(TrashFolder() + "\\info");
  }

  void Install(std::initializer_list<FontFile> files) {
    for (const FontFile& f : files) {
      const std::string to = FontsFolderA() + f.file;
      ASSERT_TRUE(CopyFileA((std::string(GBX_FONTS_DIR) + "\\" + f.file).c_str(), to.c_str(), FALSE)) << f.file;
      SetRegistryValue(f.value, f.file);
      AddFontResourceA(to.c_str());
      installed_.push_back(f);
    }
  }

  // Everything the removal must not lose: each installed file's bytes, wherever they are.
  World Snapshot() const {
    World w;
    for (const FontFile& f : installed_) {
      w.registry[f.value] = RegistryValue(f.value);
      w.fontsFolder[f.file] = Contents(FontsFolderA() + f.file);
      w.trash[f.file] = Contents(TrashFolder() + "\\files\\" + f.file);
    }
    return w;
  }

  std::string Original(const char* file) const { return Contents(std::string(GBX_FONTS_DIR) + "\\" + file); }
  std::string InFontsFolder(const char* file) const { return Contents(FontsFolderA() + file); }
  std::string InTrash(const char* file) const { return Contents(TrashFolder() + "\\files\\" + file); }

  void Gather() {
    SendMessageA(form->Command1.Handle(), BM_CLICK, 0, 0);
    Pump();
  }
  void SearchFor(const wchar_t* text) {
    form->Combo1.SetText(text);
    form->EnumFont0(1);
  }
  int IndexOf(const wchar_t* name) const {
    for (int i = 0; i < form->List1.Count(); ++i)
      if (form->List1.Item(i) == name) return i;
    return -1;
  }
  void Select(const wchar_t* name) {
    const int i = IndexOf(name);
    ASSERT_GE(i, 0) << "not listed: " << testing::PrintToString(std::wstring(name));
    form->List1.SetListIndex(i);
    form->List1_Click();
  }
  std::wstring SelectedText() const {
    const int i = form->List1.ListIndex();
    return i >= 0 ? form->List1.Item(i) : L"";
  }

  // Runs the removal from the menu, answering our question with `answer` and any dialog
  // of the shell with No; returns what the program said.
  std::vector<MessageBoxSeen> Remove(int answer, bool byDeleteKey = false) {
    std::vector<MessageBoxSeen> said;
    std::mutex m;
    WindowWatcher ours("#32770", "Glyphora", [&](HWND box) {
      MessageBoxSeen seen;
      ReadAndAnswer(box, GetDlgItem(box, IDYES) ? answer : IDOK, seen);
      std::lock_guard<std::mutex> lock(m);
      said.push_back(seen);
    });
    WindowWatcher shell("#32770", nullptr, [&](HWND box) {
      wchar_t title[128] = {};
      InternalGetWindowText(box, title, 128);
      if (std::wstring(title) == L"Glyphora") return;
      ++shellDialogs_;
      PostMessageA(box, WM_COMMAND, IDNO, 0);
    });
    if (byDeleteKey) {
      form->List1.Focus();
      input::PressKey(VK_DELETE);
      Settle([] { return GetKeyState(VK_DELETE) >= 0; }, 3000);
      Settle([&] {
        std::lock_guard<std::mutex> lock(m);
        return !said.empty();
      }, 3000);
      Pump();
    } else {
      form->m_List_Remove_Click();
    }
    std::lock_guard<std::mutex> lock(m);
    return said;
  }

  std::vector<FontFile> installed_;
  int shellDialogs_ = 0;
};

