#include "support/registry.h"

namespace registry {

void SetFontValue(const std::string& name, const std::string& data, HKEY root) {
  HKEY key;
  if (RegCreateKeyExA(root, kFontsKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS) return;
  RegSetValueExA(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                 static_cast<DWORD>(data.size() + 1));
  RegCloseKey(key);
}

void DeleteFontValue(const std::string& name, HKEY root) {
  HKEY key;
  if (RegOpenKeyExA(root, kFontsKey, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) return;
  RegDeleteValueA(key, name.c_str());
  RegCloseKey(key);
}

std::string FontValue(const std::string& name, HKEY root) {
  for (const auto& [n, data] : FontValues(root))
    if (lstrcmpiA(n.c_str(), name.c_str()) == 0) return data;
  return "<none>";
}

std::vector<std::pair<std::string, std::string>> FontValues(HKEY root) {
  std::vector<std::pair<std::string, std::string>> all;
  HKEY key;
  if (RegOpenKeyExA(root, kFontsKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return all;
  for (DWORD i = 0;; ++i) {
    char name[1024];
    char data[2048];
    DWORD n = sizeof name, d = sizeof data - 1;
    if (RegEnumValueA(key, i, name, &n, nullptr, nullptr, reinterpret_cast<BYTE*>(data), &d) != ERROR_SUCCESS) break;
    data[d] = '\0';
    all.emplace_back(name, data);  // cut at the stored NUL
  }
  RegCloseKey(key);
  return all;
}

}  // namespace registry
