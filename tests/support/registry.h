#pragma once
// The registry table of installed fonts in the test prefix, read and written behind the
// program's back. Names and data are UTF-8 here, and reach the registry as Unicode.
#include <windows.h>

#include <map>
#include <string>
#include <vector>

namespace registry {

inline constexpr char kFontsKey[] = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Fonts";

void SetFontValue(const std::string& name, const std::string& data, HKEY root = HKEY_LOCAL_MACHINE,
                  DWORD type = REG_SZ);
void DeleteFontValue(const std::string& name, HKEY root = HKEY_LOCAL_MACHINE);
// The value's data as text, or "<none>".
std::string FontValue(const std::string& name, HKEY root = HKEY_LOCAL_MACHINE);
// The value's type, or REG_NONE when there is no such value.
DWORD FontValueType(const std::string& name, HKEY root = HKEY_LOCAL_MACHINE);
// Every value, name to data, in the registry's own enumeration order.
std::vector<std::pair<std::string, std::string>> FontValues(HKEY root = HKEY_LOCAL_MACHINE);

// While it lives, nobody may set or delete values of the machine's fonts key, as for a
// user without administrator rights.
class MachineFontsKeyReadOnly {
 public:
  MachineFontsKeyReadOnly();
  ~MachineFontsKeyReadOnly();
  MachineFontsKeyReadOnly(const MachineFontsKeyReadOnly&) = delete;
  MachineFontsKeyReadOnly& operator=(const MachineFontsKeyReadOnly&) = delete;

 private:
  PSECURITY_DESCRIPTOR saved_ = nullptr;
  PACL savedDacl_ = nullptr;
};

}  // namespace registry
