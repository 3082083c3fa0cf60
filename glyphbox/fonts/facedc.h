#pragma once
// A face selected into a memory device context, to ask the platform what it loaded for it.
#include "ui/handles.h"
#include "ui/win.h"

namespace fonts {

class FaceOnDc {
 public:
  explicit FaceOnDc(const LOGFONTA& face);
  // A font the program made already.
  explicit FaceOnDc(HFONT font);
  HDC Dc() const { return dc_.Get(); }
  // False when the platform stood in another face for the one asked for.
  bool Selected() const { return selected_; }

 private:
  ui::UniqueMemoryDc dc_;
  ui::UniqueFont font_;
  ui::Selection selection_;
  bool selected_ = false;
};

}  // namespace fonts
