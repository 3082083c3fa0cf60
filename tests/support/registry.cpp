#include "support/registry.h"

#include <aclapi.h>

namespace registry {

void SetFontValue(const std::string& name, const std::string& data, HKEY root, DWORD type) {
  HKEY key;
  if (RegCreateKeyExA(root, kFontsKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS) return;
  RegSetValueExA(key, name.c_str(), 0, type, reinterpret_cast<const BYTE*>(data.c_str()),
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

DWORD FontValueType(const std::string& name, HKEY root) {
  HKEY key;
  DWORD type = REG_NONE;
  if (RegOpenKeyExA(root, kFontsKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return type;
  if (RegQueryValueExA(key, name.c_str(), nullptr, &type, nullptr, nullptr) != ERROR_SUCCESS) type = REG_NONE;
  RegCloseKey(key);
  return type;
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

MachineFontsKeyReadOnly::MachineFontsKeyReadOnly() {
  HKEY key;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kFontsKey, 0, READ_CONTROL | WRITE_DAC, &key) != ERROR_SUCCESS) return;
  GetSecurityInfo(key, SE_REGISTRY_KEY, DACL_SECURITY_INFORMATION, nullptr, nullptr, &savedDacl_, nullptr, &saved_);
  SID_IDENTIFIER_AUTHORITY world = SECURITY_WORLD_SID_AUTHORITY;
  PSID everyone = nullptr;
  AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0, &everyone);
  EXPLICIT_ACCESSA rules[2] = {};
  rules[0].grfAccessPermissions = KEY_SET_VALUE;
  rules[0].grfAccessMode = DENY_ACCESS;
  rules[1].grfAccessPermissions = KEY_ALL_ACCESS;
  rules[1].grfAccessMode = GRANT_ACCESS;
  for (auto& r : rules) {
    r.Trustee.TrusteeForm = TRUSTEE_IS_SID;
    r.Trustee.ptstrName = static_cast<LPSTR>(everyone);
  }
  PACL dacl = nullptr;
  SetEntriesInAclA(2, rules, nullptr, &dacl);
  SetSecurityInfo(key, SE_REGISTRY_KEY, DACL_SECURITY_INFORMATION, nullptr, nullptr, dacl, nullptr);
  LocalFree(dacl);
  FreeSid(everyone);
  RegCloseKey(key);
}

MachineFontsKeyReadOnly::~MachineFontsKeyReadOnly() {
  HKEY key;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kFontsKey, 0, WRITE_DAC, &key) == ERROR_SUCCESS) {
    SetSecurityInfo(key, SE_REGISTRY_KEY, DACL_SECURITY_INFORMATION, nullptr, nullptr, savedDacl_, nullptr);
    RegCloseKey(key);
  }
  LocalFree(saved_);
}

}  // namespace registry
