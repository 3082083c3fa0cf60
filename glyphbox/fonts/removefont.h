#pragma once
// Uninstalling a font after asking the user: its registry values and font resources go, its
// files go to the recycle bin; what cannot be moved is registered again. No file is ever
// deleted outright.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/win.h"

namespace mdl_RemoveFont {

struct RemovalResult {
  enum class Outcome {
    NotPlaced,  // the registry knows no file of the font: the user has been told so
    Cancelled,  // nothing was changed: the user said No, or the removal could not be
                // prepared or a value could not be deleted (and the user was told so)
    Removed,    // registry values, resources and files are gone
    Kept,       // the files could not be moved; those still there are registered again
  };
  Outcome outcome = Outcome::NotPlaced;
  // The nearest entry above the font's family, empty when there is none. It is found again
  // by its text: the refilled list lacks the font, and on Windows its "@" twin far above.
  std::wstring neighbour;
  // The face the preview showed while the files moved: the nearest entry above whose faces
  // lie in none of them, or "System".
  std::wstring standIn;
  std::wstring kept;  // Kept: the file names of the files still there, each after a CR LF
  std::vector<std::wstring> notRestored;  // Kept: the values that could not be put back
};

// The font list as the removal reads it: the text of an entry, "" outside the list.
using ItemText = std::function<std::wstring(int index)>;

// Removes the font of list entry lIndex, and every other value that names one of its files.
// Once every check has passed and before anything is touched, the preview is moved away
// from the font (preview) to the stand-in; back to the font's own when, after all, nothing
// was changed. The files are looked for in
// fontsFolder unless the registry gives a full path.
RemovalResult RemoveFont(HWND owner, std::wstring_view fontsFolder, long& lIndex, const ItemText& itemText,
                         const std::function<void(const std::wstring& face)>& preview);

}  // namespace mdl_RemoveFont
