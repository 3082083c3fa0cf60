#include "support/dataobject.h"

#include <shlobj.h>

#include <cstring>

TestDataObject* TestDataObject::Files(const std::vector<std::string>& paths) {
  DROPFILES header{};
  header.pFiles = sizeof header;
  std::string bytes(reinterpret_cast<const char*>(&header), sizeof header);
  for (const auto& p : paths) bytes += p + '\0';
  bytes += '\0';
  return new TestDataObject(CF_HDROP, bytes);
}

TestDataObject* TestDataObject::Files(const std::vector<std::wstring>& paths) {
  DROPFILES header{};
  header.pFiles = sizeof header;
  header.fWide = TRUE;
  std::wstring names;
  for (const auto& p : paths) names += p + L'\0';
  names += L'\0';
  std::string bytes(reinterpret_cast<const char*>(&header), sizeof header);
  bytes.append(reinterpret_cast<const char*>(names.data()), names.size() * sizeof(wchar_t));
  return new TestDataObject(CF_HDROP, bytes);
}

TestDataObject* TestDataObject::Text(const std::string& text) { return new TestDataObject(CF_TEXT, text + '\0'); }

HRESULT TestDataObject::QueryInterface(REFIID riid, void** out) {
  if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDataObject)) {
    *out = static_cast<IDataObject*>(this);
    AddRef();
    return S_OK;
  }
  *out = nullptr;
  return E_NOINTERFACE;
}

ULONG TestDataObject::Release() {
  const ULONG left = --refs_;
  if (left == 0) delete this;
  return left;
}

HRESULT TestDataObject::QueryGetData(FORMATETC* format) {
  return format->cfFormat == format_ && (format->tymed & TYMED_HGLOBAL) ? S_OK : DV_E_FORMATETC;
}

HRESULT TestDataObject::GetData(FORMATETC* format, STGMEDIUM* medium) {
  if (QueryGetData(format) != S_OK) return DV_E_FORMATETC;
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes_.size());
  memcpy(GlobalLock(memory), bytes_.data(), bytes_.size());
  GlobalUnlock(memory);
  medium->tymed = TYMED_HGLOBAL;
  medium->hGlobal = memory;
  medium->pUnkForRelease = nullptr;
  return S_OK;
}
