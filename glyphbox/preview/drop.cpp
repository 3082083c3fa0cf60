// A file dropped on the preview replaces the sample text.
#include "ui/win.h"

#include <shellapi.h>

#include <array>
#include <string>

#include "mainwnd/form1.h"
#include "ui/handles.h"
#include "ui/text.h"

namespace {

constexpr DWORD kMaxBytes = 32801;

// The first file of a dropped file list, or "".
std::string FirstDroppedFile(IDataObject* data) {
  FORMATETC format{CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
  STGMEDIUM medium{};
  if (!data || data->GetData(&format, &medium) != S_OK) return {};
  std::string path;
  if (auto drop = static_cast<HDROP>(::GlobalLock(medium.hGlobal))) {
    std::array<char, MAX_PATH> buffer{};
    if (::DragQueryFileA(drop, 0, buffer.data(), static_cast<UINT>(buffer.size())) > 0) path = buffer.data();
    ::GlobalUnlock(medium.hGlobal);
  }
  ::ReleaseStgMedium(&medium);
  return path;
}

}  // namespace

void Form1::Text2_OLEDragDrop(IDataObject* Data) {
  try {
    const std::string path = FirstDroppedFile(Data);
    if (path.empty()) return;
    ui::UniqueFile file(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return;
    // Only what is shown is read: a file of any size costs at most these bytes.
    std::string bytes(kMaxBytes, '\0');
    DWORD total = 0;
    while (total < kMaxBytes) {
      DWORD got = 0;
      if (!::ReadFile(file.Get(), bytes.data() + total, kMaxBytes - total, &got, nullptr)) return;
      if (got == 0) break;
      total += got;
    }
    bytes.resize(total);
    // The box shows the text up to its first NUL.
    bytes.resize(std::min(bytes.size(), bytes.find('\0')));
    Text2.SetText(ui::FromAnsi(bytes));
  } catch (...) {
    // Any failure leaves the old text, silently.
  }
}
