#include "support/registry.h"

#include <aclapi.h>

#include "support/text.h"

namespace registry {

namespace {
const std::wstring kFontsKeyW = FromUtf8(kFontsKey);
}

void SetFontValue(const std::string& name, const std::string& data, HKEY root, DWORD type) {
  HKEY key;
  if (RegCreateKeyExW(root, kFontsKeyW.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS)
    return;
  const std::wstring text = FromUtf8(data);
  RegSetValueExW(key, FromUtf8(name).c_str(), 0, type, reinterpret_cast<const BYTE*>(text.c_str()),
                 static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(key);
}

void DeleteFontValue(const std::string& name, HKEY root) {
  HKEY key;
  if (RegOpenKeyExW(root, kFontsKeyW.c_str(), 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) return;
  RegDeleteValueW(key, FromUtf8(name).c_str());
  RegCloseKey(key);
}

std::string FontValue(const std::string& name, HKEY root) {
  for (const auto& [n, data] : FontValues(root))
    if (lstrcmpiW(FromUtf8(n).c_str(), FromUtf8(name).c_str()) == 0) return data;
  return "<none>";
}

DWORD FontValueType(const std::string& name, HKEY root) {
  HKEY key;
  DWORD type = REG_NONE;
  if (RegOpenKeyExW(root, kFontsKeyW.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return type;
  if (RegQueryValueExW(key, FromUtf8(name).c_str(), nullptr, &type, nullptr, nullptr) != ERROR_SUCCESS) type = REG_NONE;
  RegCloseKey(key);
  return type;
}

std::vector<std::pair<std::string, std::string>> FontValues(HKEY root) {
  std::vector<std::pair<std::string, std::string>> all;
  HKEY key;
  if (RegOpenKeyExW(root, kFontsKeyW.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return all;
  for (DWORD i = 0;; ++i) {
    wchar_t name[1024];
    wchar_t data[2048];
    DWORD n = 1024, d = sizeof data - sizeof(wchar_t);
    if (RegEnumValueW(key, i, name, &n, nullptr, nullptr, reinterpret_cast<BYTE*>(data), &d) != ERROR_SUCCESS) break;
    data[d / sizeof(wchar_t)] = L'\0';
    all.emplace_back(ToUtf8(name), ToUtf8(data));  // cut at the stored NUL
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
