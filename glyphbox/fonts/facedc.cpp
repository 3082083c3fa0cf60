#include "fonts/facedc.h"

namespace fonts {

FaceOnDc::FaceOnDc(const LOGFONTA& face)
    : dc_(::CreateCompatibleDC(nullptr)), font_(::CreateFontIndirectA(&face)), selection_(dc_.Get(), font_.Get()) {
  char selected[LF_FACESIZE] = {};
  ::GetTextFaceA(dc_.Get(), LF_FACESIZE, selected);
  selected_ = font_ && ::lstrcmpiA(selected, face.lfFaceName) == 0;
}

FaceOnDc::FaceOnDc(HFONT font) : dc_(::CreateCompatibleDC(nullptr)), selection_(dc_.Get(), font), selected_(font != nullptr) {}

}  // namespace fonts
