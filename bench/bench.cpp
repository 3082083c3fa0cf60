// Glyphbox benchmark: one measurement per run, printed as "name value" lines for run.sh.
//   bench floor            a fresh process's first EnumFontsA pass, counting only (ms)
//   bench gather           Form1 loaded, Command1 clicked, until List1 is shown again (ms),
//                          then searches, 200 previews at 9 and 460 points, a dropped file
//                          of 6 GB, file-name copies, 200 previews at 72 points, and memory
//   bench previewfloor     the same 200 preview switches on a bare multi-line edit box (ms)
//   bench narrow           Form1 loaded and gathered, then the first and a later narrowing
//   bench narrowfloor      every face selected once and asked for its character map (ms)
//   bench startup EXE      process start until a visible window titled after it (ms)
#include "mainwnd/form1.h"
#include "mainwnd/sampletext.h"
#include "ui/text.h"

#include <commctrl.h>
#include <ole2.h>
#include <psapi.h>
#include <shlobj.h>
#include <winternl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

double Now() {
  using namespace std::chrono;
  return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0 : v[v.size() / 2];
}

int Floor() {
  HDC dc = GetDC(nullptr);
  long n = 0;
  const double start = Now();
  EnumFontsA(dc, nullptr, [](const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM p) -> int {
    ++*reinterpret_cast<long*>(p);
    return 1;
  }, reinterpret_cast<LPARAM>(&n));
  std::printf("floor_ms %.2f\nreported %ld\n", Now() - start, n);
  ReleaseDC(nullptr, dc);
  return 0;
}

// Handles every message already queued, as the program's own loop would.
void Pump() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) ui::Form::Dispatch(msg);
}

// This process's live GDI objects, counted in the handle table that the system maps into
// every process (GetGuiResources is not implemented under Wine). -1 when the table cannot
// be read or does not count what this process creates.
int GdiObjects() {
  struct Entry {
    UINT64 object;
    USHORT process;
    USHORT lockAndCount;
    USHORT unique;
    UCHAR type;
    UCHAR flags;
    UINT64 user;
  };
  static_assert(sizeof(Entry) == 24);
  PROCESS_BASIC_INFORMATION basic{};
  if (NtQueryInformationProcess(GetCurrentProcess(), ProcessBasicInformation, &basic, sizeof basic, nullptr) != 0)
    return -1;
  const auto* peb = reinterpret_cast<const BYTE*>(basic.PebBaseAddress);
  const auto* table = *reinterpret_cast<const Entry* const*>(peb + 0xF8);  // GdiSharedHandleTable
  if (!table) return -1;
  // Windows names the owning process (its id, or the id divided by 4); Wine keeps a table
  // per process and leaves the owner 0.
  const DWORD pid = GetCurrentProcessId();
  auto count = [&](USHORT owner) {
    int n = 0;
    for (int i = 0; i < 0x10000; ++i)
      if (table[i].type != 0 && table[i].process == owner) ++n;
    return n;
  };
  for (const USHORT owner : {static_cast<USHORT>(pid >> 2), static_cast<USHORT>(pid), USHORT{0}}) {
    const int before = count(owner);
    HBRUSH probe[4];
    for (HBRUSH& b : probe) b = CreateSolidBrush(RGB(1, 2, 3));
    const int during = count(owner);
    for (HBRUSH b : probe) DeleteObject(b);
    if (during - before == 4) return before;
  }
  return -1;
}

// A file of 6 GB (sparse: its bytes after the first are zeros) dropped on the preview, as
// the shell hands it over: only what the preview shows may be read.
void DropHugeFile(Form1& form) {
  char dir[MAX_PATH];
  GetTempPathA(MAX_PATH, dir);
  const std::string path = std::string(dir) + "gbench-huge.bin";
  HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD wrote = 0;
  WriteFile(h, "head", 4, &wrote, nullptr);
  LARGE_INTEGER size;
  size.QuadPart = 6LL << 30;
  SetFilePointerEx(h, size, nullptr, FILE_BEGIN);
  SetEndOfFile(h);
  CloseHandle(h);
  wchar_t wide[MAX_PATH];
  MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, MAX_PATH);
  PIDLIST_ABSOLUTE pidl = nullptr;
  IShellFolder* parent = nullptr;
  PCUITEMID_CHILD child = nullptr;
  IDataObject* data = nullptr;
  if (SUCCEEDED(SHParseDisplayName(wide, nullptr, &pidl, 0, nullptr)) &&
      SUCCEEDED(SHBindToParent(pidl, IID_IShellFolder, reinterpret_cast<void**>(&parent), &child)) &&
      SUCCEEDED(parent->GetUIObjectOf(nullptr, 1, &child, IID_IDataObject, nullptr, reinterpret_cast<void**>(&data)))) {
    const double start = Now();
    form.Text2_OLEDragDrop(data);
    std::printf("drop_6gb_ms %.2f\n", Now() - start);
    data->Release();
  }
  if (parent) parent->Release();
  CoTaskMemFree(pidl);
  DeleteFileA(path.c_str());
}

// The message box the file-name copy shows for a face nothing places: the time its window
// is created is noted (the platform may take far longer to show it), and it is answered as
// it opens.
double messageShown = 0;
LRESULT CALLBACK AnswerMessage(int code, WPARAM wp, LPARAM lp) {
  if (code == HCBT_CREATEWND && !messageShown) messageShown = Now();
  if (code == HCBT_ACTIVATE) PostMessageA(reinterpret_cast<HWND>(wp), WM_COMMAND, IDOK, 0);
  return CallNextHookEx(nullptr, code, wp, lp);
}

// "ファイル名をコピー(&F)" from the command to the clipboard (or to the message), on a
// family the matching rules place, on a face only the platform's own files place (its name
// cut at 31 characters), and on a face that nothing places. The first copy of all, not measured, loads the shell and finds the
// fonts folder, as the first copy that needs them of every run does.
void CopyFileNames(Form1& form) {
  struct Copy {
    const char* name;
    const wchar_t* face;
  };
  for (const Copy& c : {Copy{"first", L"Gbench Unplaced"}, Copy{"rules", L"Gbench 000001 Ab"},
                        Copy{"platform", L"Gbench Variable Display Semibol"}, Copy{"unplaced", L"Gbench Unplaced"}}) {
    int index = form.List1.Count() - 1;
    while (index >= 0 && form.List1.Item(index) != c.face) --index;
    if (index < 0) continue;
    form.List1.SetListIndex(index);
    // A user chooses the command from the menu, well after the window last had work to do;
    // meanwhile Wine's other processes finish what the previews left them (right after them,
    // every call to the wine server takes several times as long).
    Pump();
    Sleep(1000);
    OpenClipboard(nullptr);
    EmptyClipboard();
    CloseClipboard();
    messageShown = 0;
    HHOOK hook = SetWindowsHookExA(WH_CBT, &AnswerMessage, nullptr, GetCurrentThreadId());
    const double start = Now();
    form.m_List_Copy_Click(1);
    const double end = messageShown ? messageShown : Now();
    UnhookWindowsHookEx(hook);
    std::printf("copy_%s_ms %.2f\ncopy_%s_%s 1\n", c.name, end - start, c.name,
                IsClipboardFormatAvailable(CF_TEXT) ? "copied" : messageShown ? "told" : "lost");
  }
}

// The platform's own cost of a preview switch: a multi-line edit box like the preview, with
// the same sample text, given a new font for each of the faces the preview goes through,
// from the font change to the repainted box.
int PreviewFloor() {
  HWND list = CreateWindowExA(0, "LISTBOX", "", LBS_SORT | LBS_HASSTRINGS, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  HDC screen = GetDC(nullptr);
  EnumFontsA(screen, nullptr, [](const LOGFONTA* lf, const TEXTMETRICA*, DWORD, LPARAM p) -> int {
    SendMessageA(reinterpret_cast<HWND>(p), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(lf->lfFaceName));
    return 1;
  }, reinterpret_cast<LPARAM>(list));
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  HWND window = CreateWindowExA(0, "STATIC", "Floor", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, ui::XToPixels(8175),
                                ui::YToPixels(5775), nullptr, nullptr, nullptr, nullptr);
  // A Unicode box, as the preview is.
  HWND edit = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"",
                              WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL,
                              ui::XToPixels(2595), ui::YToPixels(120), ui::XToPixels(5415), ui::YToPixels(4560),
                              window, nullptr, nullptr, nullptr);
  SetWindowTextW(edit, std::wstring(mainwnd::kSampleText).c_str());
  LOGFONTA lf{};
  GetObjectA(ui::DefaultUiFont(), sizeof lf, &lf);
  lf.lfCharSet = DEFAULT_CHARSET;
  const int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
  for (const int size : {9, 72, 460}) {
    lf.lfHeight = -MulDiv(size, dpi, 72);
    std::vector<double> each;
    HFONT current = nullptr;
    for (int i = 0; i < 200 && i < count; ++i) {
      SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(lf.lfFaceName));
      Pump();
      const double start = Now();
      HFONT font = CreateFontIndirectA(&lf);
      SendMessageA(edit, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
      RedrawWindow(edit, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
      each.push_back(Now() - start);
      if (current) DeleteObject(current);
      current = font;
    }
    std::printf("previewfloor%d_median_ms %.2f\n", size, Median(each));
  }
  DestroyWindow(window);
  DestroyWindow(list);
  return 0;
}

// The platform's own cost of the first narrowing: each face the list shows selected into a
// device context once and asked for its character map, in a process that has selected none
// of them before (the names are gathered first, not measured).
int NarrowFloor() {
  std::vector<std::string> faces;
  HDC screen = GetDC(nullptr);
  EnumFontsA(screen, nullptr, [](const LOGFONTA* lf, const TEXTMETRICA*, DWORD, LPARAM p) -> int {
    reinterpret_cast<std::vector<std::string>*>(p)->push_back(lf->lfFaceName);
    return 1;
  }, reinterpret_cast<LPARAM>(&faces));
  ReleaseDC(nullptr, screen);
  std::sort(faces.begin(), faces.end());
  faces.erase(std::unique(faces.begin(), faces.end()), faces.end());
  HDC dc = CreateCompatibleDC(nullptr);
  std::vector<char> table;
  const double start = Now();
  for (const std::string& face : faces) {
    LOGFONTA lf{};
    lf.lfCharSet = DEFAULT_CHARSET;
    face.copy(lf.lfFaceName, LF_FACESIZE - 1);
    HFONT font = CreateFontIndirectA(&lf);
    HGDIOBJ old = SelectObject(dc, font);
    const DWORD size = GetFontData(dc, 0x70616D63, 0, nullptr, 0);
    if (size != GDI_ERROR) {
      table.resize(size);
      GetFontData(dc, 0x70616D63, 0, table.data(), size);
    }
    SelectObject(dc, old);
    DeleteObject(font);
  }
  std::printf("narrowfloor_ms %.2f\nfaces %zu\n", Now() - start, faces.size());
  DeleteDC(dc);
  return 0;
}

// The first narrowing after a gather (every listed face's map read), then another with a text
// every face holds (every face listed again from what was read), and what is kept.
void Narrow(Form1& form) {
  double start = Now();
  form.m_List_Narrow_Click();
  std::printf("narrow_first_ms %.2f\nnarrow_first_listed %d\n", Now() - start, form.List1.Count());
  form.Text2.SetText(L"Aa");
  start = Now();
  form.ListMatches();
  std::printf("narrow_again_ms %.2f\nnarrow_again_listed %d\n", Now() - start, form.List1.Count());
  std::printf("narrow_kept_mb %.2f\n", form.narrowing.Bytes() / 1048576.0);
}

// 200 consecutive entries previewed at one size, from the click handler to the repainted
// preview.
void Previews(Form1& form, int size, int count) {
  form.Text1.SetText(std::to_wstring(size));
  std::vector<double> each;
  for (int i = 0; i < 200 && i < count; ++i) {
    // The list draws its own selection; the preview's part starts with the click handler.
    form.List1.SetListIndex(i);
    const double start = Now();
    form.List1_Click();
    RedrawWindow(form.Text2.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    each.push_back(Now() - start);
    // The platform caches a few objects during the first switches; after that the
    // count must stay where it is.
    if (i == 19) {
      Pump();
      std::printf("gdi_objects_after_20_previews%d %d\n", size, GdiObjects());
    }
  }
  std::printf("preview%d_median_ms %.2f\npreview%d_max_ms %.2f\n", size, Median(each), size,
              each.empty() ? 0 : *std::max_element(each.begin(), each.end()));
  Pump();
  std::printf("gdi_objects_after_200_previews%d %d\n", size, GdiObjects());
}

// The narrowing in a process of its own, right after a gather: no face is selected yet, as in
// the floor's process.
int Narrowing() {
  const auto owned = ui::Owned<Form1>::Make();
  Form1& form = *owned;
  form.Load();
  Pump();
  form.EnumFont0(0);
  Narrow(form);
  return 0;
}

int Gather() {
  const auto owned = ui::Owned<Form1>::Make();
  Form1& form = *owned;
  form.Load();
  Pump();
  const int gdiLoaded = GdiObjects();
  double start = Now();
  SendMessageA(form.Command1.Handle(), BM_CLICK, 0, 0);
  std::printf("gather_ms %.2f\nlisted %d\n", Now() - start, form.List1.Count());
  Pump();
  const int gdiGathered = GdiObjects();
  const int count = form.List1.Count();

  struct Search {
    const char* name;
    const wchar_t* text;
  };
  for (const Search& s : {Search{"plain", L"gbench 0001"}, Search{"pattern", L"Gbench 00#### CE"}}) {
    form.Combo1.SetText(s.text);
    start = Now();
    form.Combo1_KeyDown(VK_RETURN, 0);
    std::printf("search_%s_ms %.2f\nfound_%s %d\n", s.name, Now() - start, s.name, form.List1.Count());
  }
  form.EnumFont0(0);

  for (const int size : {9, 460}) Previews(form, size, count);
  DropHugeFile(form);
  CopyFileNames(form);
  // Last, so that the copies are measured as they were before the preview had this size.
  Previews(form, 72, count);

  PROCESS_MEMORY_COUNTERS memory{};
  memory.cb = sizeof memory;
  GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
  std::printf("peak_working_set_mb %.1f\n", memory.PeakWorkingSetSize / 1048576.0);
  std::printf("gdi_objects_loaded %d\ngdi_objects_gathered %d\n", gdiLoaded, gdiGathered);
  return 0;
}

int Startup(const char* exe, const char* title) {
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  std::string cmd = std::string("\"") + exe + "\"";
  const double start = Now();
  if (!CreateProcessA(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return 1;
  HWND window = nullptr;
  while (Now() - start < 60000) {
    window = FindWindowA(nullptr, title);
    if (window && IsWindowVisible(window)) break;
    Sleep(1);
  }
  std::printf("startup_ms %.2f\n", Now() - start);
  if (window) PostMessageA(window, WM_CLOSE, 0, 0);
  WaitForSingleObject(pi.hProcess, 10000);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return window ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&icc);
  const std::string mode = argc > 1 ? argv[1] : "";
  if (mode == "floor") return Floor();
  if (mode == "gather") return Gather();
  if (mode == "previewfloor") return PreviewFloor();
  if (mode == "narrowfloor") return NarrowFloor();
  if (mode == "narrow") return Narrowing();
  if (mode == "startup" && argc > 3) return Startup(argv[2], argv[3]);
  std::fprintf(stderr, "usage: bench floor | gather | previewfloor | startup EXE TITLE\n");
  return 2;
}
