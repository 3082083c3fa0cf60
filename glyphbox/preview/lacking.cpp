// What the previewed face lacks of the preview's text: marked in the text, counted in the
// progress strip. Only the face's own character map counts: the platform draws what a face
// lacks from a linked face, which would make any face look as if it had every character.
#include <algorithm>
#include <string>

#include "fonts/charmaps.h"
#include "mainwnd/form1.h"

namespace {

// A tint no text is drawn in: neither black, white nor grey.
constexpr COLORREF kLackingTint = RGB(255, 176, 96);
constexpr size_t kNamedLacking = 8;

std::wstring LackingCaption(const std::vector<char32_t>& lacking) {
  if (lacking.empty()) return L"";
  std::wstring caption = L"この書体にない文字 " + std::to_wstring(lacking.size()) + L":";
  for (size_t i = 0; i < lacking.size() && i < kNamedLacking; ++i) caption += L" " + fonts::ToUtf16(lacking[i]);
  return lacking.size() > kNamedLacking ? caption + L" …" : caption;
}

}  // namespace

std::vector<char32_t> Form1::PreviewCharacters() const { return fonts::CharactersOf(Text2.Text()); }

void Form1::Text2_Change() {
  ShowLacking();
  // The narrowed list follows once the typing pauses.
  if (narrowing.On()) {
    Timer1.SetEnabled(false);
    Timer1.SetEnabled(true);
  }
}

void Form1::ShowLacking() {
  // Typing asks on every key: the map is read again only when the preview has a new font.
  if (Text2.FontChanges() != mappedFont_) {
    mappedFont_ = Text2.FontChanges();
    previewMap_ = fonts::CharMapOf(Text2.Font());
  }
  // A face whose map the platform does not give is not said to lack anything.
  const std::vector<char32_t> lacking =
      previewMap_ ? fonts::Lacking(*previewMap_, PreviewCharacters()) : std::vector<char32_t>();
  Text2.SetMarks(lacking, kLackingTint);
  // While a bar runs, the strip is the bar's.
  if (!Command1.Enabled()) return;
  Label3.SetCaption(LackingCaption(lacking));
  if ((::IsWindowVisible(pBar.Handle()) != FALSE) != lacking.empty()) pBar.SetVisible(lacking.empty());
}
