// Glyphbox benchmark: one measurement per run, printed as "name value" lines for run.sh.
//   bench floor            a fresh process's first EnumFontsA pass, counting only (ms)
//   bench gather           Form1 loaded, Command1 clicked, until List1 is shown again (ms),
//                          then searches, 200 previews at 9 and 460 points, and memory
//   bench startup EXE      process start until a visible window titled after it (ms)
#include "mainwnd/form1.h"

#include <commctrl.h>
#include <ole2.h>
#include <psapi.h>

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

void Pump() { ui::Form::DoEvents(); }

int Gather() {
  Form1 form;
  form.Load();
  Pump();
  double start = Now();
  SendMessageA(form.Command1.Handle(), BM_CLICK, 0, 0);
  std::printf("gather_ms %.2f\nlisted %d\n", Now() - start, form.List1.Count());
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

  for (const int size : {9, 460}) {
    form.Text1.SetText(std::to_wstring(size));
    std::vector<double> each;
    for (int i = 0; i < 200 && i < count; ++i) {
      start = Now();
      form.List1.SetListIndex(i);
      form.List1_Click();
      RedrawWindow(form.Text2.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
      each.push_back(Now() - start);
    }
    std::printf("preview%d_median_ms %.2f\npreview%d_max_ms %.2f\n", size, Median(each), size,
                each.empty() ? 0 : *std::max_element(each.begin(), each.end()));
  }

  PROCESS_MEMORY_COUNTERS memory{};
  memory.cb = sizeof memory;
  GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
  std::printf("peak_working_set_mb %.1f\n", memory.PeakWorkingSetSize / 1048576.0);
  std::printf("gdi_objects %lu\n", GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS));
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
  OleInitialize(nullptr);
  const std::string mode = argc > 1 ? argv[1] : "";
  if (mode == "floor") return Floor();
  if (mode == "gather") return Gather();
  if (mode == "startup" && argc > 3) return Startup(argv[2], argv[3]);
  std::fprintf(stderr, "usage: bench floor | gather | startup EXE TITLE\n");
  return 2;
}
