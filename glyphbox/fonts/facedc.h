#pragma once
// A face selected into a memory device context, to ask the platform what it loaded for it.
#include "ui/handles.h"
#include "ui/win.h"

namespace fonts {

class FaceOnDc {
 public:
  // On a device context of its own, or on `dc` (the face is taken off it again at the end).
  explicit FaceOnDc(const LOGFONTA& face, HDC dc = nullptr);
  // A font the program made already.
  explicit FaceOnDc(HFONT font);
  HDC Dc() const { return dc_ ? dc_.Get() : given_; }
  // False when the platform stood in another face for the one asked for.
  bool Selected() const { return selected_; }

 private:
  ui::UniqueMemoryDc dc_;
  HDC given_ = nullptr;
  ui::UniqueFont font_;
  ui::Selection selection_;
  bool selected_ = false;
};

}  // namespace fonts
