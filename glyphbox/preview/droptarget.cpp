#include "preview/droptarget.h"

namespace preview {

namespace {

bool HasFileList(IDataObject* data) {
  FORMATETC format{CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
  return data && data->QueryGetData(&format) == S_OK;
}

}  // namespace

bool FileDropTarget::Register(HWND hwnd) {
  // Drag and drop needs OLE on this thread. The target is its only user, so OLE starts here,
  // after the window shows, rather than before it.
  if (!oleStarted_) oleStarted_ = SUCCEEDED(::OleInitialize(nullptr));
  hwnd_ = hwnd;
  return ::RegisterDragDrop(hwnd, this) == S_OK;
}

void FileDropTarget::Revoke() {
  if (hwnd_) ::RevokeDragDrop(hwnd_);
  hwnd_ = nullptr;
  if (oleStarted_) ::OleUninitialize();
  oleStarted_ = false;
}

HRESULT FileDropTarget::QueryInterface(REFIID riid, void** out) {
  if (!out) return E_POINTER;
  if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDropTarget)) {
    *out = static_cast<IDropTarget*>(this);
    AddRef();
    return S_OK;
  }
  *out = nullptr;
  return E_NOINTERFACE;
}

HRESULT FileDropTarget::DragEnter(IDataObject* data, DWORD, POINTL, DWORD* effect) {
  accepting_ = HasFileList(data);
  *effect = accepting_ ? DROPEFFECT_COPY : DROPEFFECT_NONE;
  return S_OK;
}

HRESULT FileDropTarget::DragOver(DWORD, POINTL, DWORD* effect) {
  *effect = accepting_ ? DROPEFFECT_COPY : DROPEFFECT_NONE;
  return S_OK;
}

HRESULT FileDropTarget::DragLeave() {
  accepting_ = false;
  return S_OK;
}

HRESULT FileDropTarget::Drop(IDataObject* data, DWORD, POINTL, DWORD* effect) {
  try {
    ui::EventArgs a;
    a.data = data;
    source_.Fire(ui::Event::OLEDragDrop, a);
  } catch (...) {
    // Nothing may unwind into the platform's drag-and-drop loop.
  }
  *effect = HasFileList(data) ? DROPEFFECT_COPY : DROPEFFECT_NONE;
  accepting_ = false;
  return S_OK;
}

}  // namespace preview
