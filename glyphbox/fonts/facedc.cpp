#include "fonts/facedc.h"

namespace fonts {

FaceOnDc::FaceOnDc(const LOGFONTA& face, HDC dc)
    : dc_(dc ? nullptr : ::CreateCompatibleDC(nullptr)),
      given_(dc),
      font_(::CreateFontIndirectA(&face)),
      selection_(Dc(), font_.Get()) {
  char selected[LF_FACESIZE] = {};
  ::GetTextFaceA(Dc(), LF_FACESIZE, selected);
  selected_ = font_ && ::lstrcmpiA(selected, face.lfFaceName) == 0;
}

FaceOnDc::FaceOnDc(HFONT font) : dc_(::CreateCompatibleDC(nullptr)), selection_(dc_.Get(), font), selected_(font != nullptr) {}

}  // namespace fonts
