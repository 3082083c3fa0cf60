#include "fonts/addbslash.h"

namespace Cmmdl_AddBslash {

std::wstring AddBslash(std::wstring_view path) {
  std::wstring out(path);
  if (out.empty() || out.back() != L'\\') out += L'\\';
  return out;
}

}  // namespace Cmmdl_AddBslash
