#include "ui/text.h"

#include "ui/win.h"

namespace ui {

// Sized for the widest code page: three bytes for a UTF-16 unit, one unit for a byte.
std::string ToAnsi(std::wstring_view text) {
  std::string out(text.size() * 3, '\0');
  const int n = ::WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), out.data(),
                                      static_cast<int>(out.size()), nullptr, nullptr);
  out.resize(n > 0 ? n : 0);
  return out;
}

std::wstring FromAnsi(std::string_view bytes) {
  std::wstring out(bytes.size(), L'\0');
  const int n = ::MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), out.data(),
                                      static_cast<int>(out.size()));
  out.resize(n > 0 ? n : 0);
  return out;
}

}  // namespace ui
