#pragma once
// The preview's OLE drop target: it takes the shell's file lists and hands the dropped data
// to its control's OLEDragDrop event; anything else is refused while it is dragged over.
#include "ui/events.h"
#include "ui/win.h"

#include <ole2.h>

namespace preview {

class FileDropTarget : public IDropTarget {
 public:
  explicit FileDropTarget(ui::EventSource& source) : source_(source) {}
  FileDropTarget(const FileDropTarget&) = delete;
  FileDropTarget& operator=(const FileDropTarget&) = delete;
  ~FileDropTarget() { Revoke(); }

  bool Register(HWND hwnd);
  void Revoke();

  // The control owns this object: the reference count only keeps the platform honest.
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
  ULONG STDMETHODCALLTYPE Release() override { return --refs_; }

  HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keys, POINTL pt, DWORD* effect) override;
  HRESULT STDMETHODCALLTYPE DragOver(DWORD keys, POINTL pt, DWORD* effect) override;
  HRESULT STDMETHODCALLTYPE DragLeave() override;
  HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keys, POINTL pt, DWORD* effect) override;

 private:
  ui::EventSource& source_;
  HWND hwnd_ = nullptr;
  ULONG refs_ = 0;
  bool accepting_ = false;
  bool oleStarted_ = false;
};

}  // namespace preview
