#pragma once
#include <string>

namespace about {

// What the executable's version resource says of it.
struct VersionInfo {
  unsigned major = 0, minor = 0, revision = 0;
  std::wstring copyright;
};
VersionInfo ReadVersionInfo();

}  // namespace about
