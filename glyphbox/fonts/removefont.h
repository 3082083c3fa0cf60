#pragma once

class Form1;

namespace mdl_RemoveFont {

// Uninstalls the font of the list entry at lIndex after asking the user: its registry
// values and font resources go, its files go to the recycle bin; what cannot be moved is
// registered again. No file is ever deleted outright.
void RemoveFont(Form1& form, long& lIndex);

}  // namespace mdl_RemoveFont
