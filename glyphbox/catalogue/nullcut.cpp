#include "catalogue/nullcut.h"

namespace Cmmdl_NullCut {

std::wstring NullCut(std::wstring_view text) {
  const size_t nul = text.find(L'\0');
  return std::wstring(text.substr(0, nul));
}

}  // namespace Cmmdl_NullCut
