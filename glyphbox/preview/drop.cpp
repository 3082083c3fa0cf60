// A file dropped on the preview replaces the sample text.
#include "ui/win.h"

#include <shellapi.h>

#include <string>

#include "mainwnd/form1.h"
#include "preview/droptext.h"
#include "ui/handles.h"
#include "ui/text.h"

namespace {

constexpr DWORD kMaxBytes = 32801;

// The first file of a dropped file list, or "". Read and later opened through the wide
// calls: an ANSI path cannot name a file whose name has characters outside the code page,
// nor one longer than MAX_PATH.
std::wstring FirstDroppedFile(IDataObject* data) {
  FORMATETC format{CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
  STGMEDIUM medium{};
  if (!data || data->GetData(&format, &medium) != S_OK) return {};
  std::wstring path;
  if (auto drop = static_cast<HDROP>(::GlobalLock(medium.hGlobal))) {
    path.resize(::DragQueryFileW(drop, 0, nullptr, 0) + 1);
    path.resize(::DragQueryFileW(drop, 0, path.data(), static_cast<UINT>(path.size())));
    ::GlobalUnlock(medium.hGlobal);
  }
  ::ReleaseStgMedium(&medium);
  return path;
}

// A path beyond MAX_PATH opens only in its extended-length form.
std::wstring OpenablePath(const std::wstring& path) {
  if (path.size() < MAX_PATH || path.starts_with(L"\\\\?\\")) return path;
  if (path.starts_with(L"\\\\")) return L"\\\\?\\UNC\\" + path.substr(2);
  return L"\\\\?\\" + path;
}

}  // namespace

void Form1::Text2_OLEDragDrop(IDataObject* Data) {
  try {
    const std::wstring path = FirstDroppedFile(Data);
    if (path.empty()) return;
    ui::UniqueFile file(::CreateFileW(OpenablePath(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return;
    // Only what is shown is read: a file of any size costs at most these bytes, and one more
    // that tells whether the file goes on.
    std::string bytes(kMaxBytes + 1, '\0');
    DWORD total = 0;
    while (total < bytes.size()) {
      DWORD got = 0;
      if (!::ReadFile(file.Get(), bytes.data() + total, static_cast<DWORD>(bytes.size()) - total, &got, nullptr)) return;
      if (got == 0) break;
      total += got;
    }
    const bool cut = total > kMaxBytes;
    bytes.resize(std::min<DWORD>(total, kMaxBytes));
    // The box shows the text up to its first NUL character.
    if (const auto text = preview::UnicodeText(bytes, cut))
      Text2.SetText(*text);
    else
      Text2.SetText(ui::FromAnsi(preview::AnsiBytes(bytes, cut, [](char c) { return ::IsDBCSLeadByte(static_cast<BYTE>(c)) != 0; })));
    ShowLacking();
    if (narrowing.On()) ListMatches();
  } catch (...) {
    // Any failure leaves the old text, silently.
  }
}
