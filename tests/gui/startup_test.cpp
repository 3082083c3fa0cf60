// What the user finds when the main window has just opened.
#include <cmath>
#include <string>
#include <vector>

#include "harness.h"

#include <commctrl.h>
#include <imm.h>
#include "catalogue/casemap.h"
#include "catalogue/pattern.h"
#include "mainwnd/setwindowsize.h"
#include "support/files.h"
#include "support/text.h"

namespace {

// The eleven sample lines, written here independently of the program's own escapes.
const char* const kLines[] = {
    "!\"#$%&'()*+,-./",
    "0123456789:;<=>?@",
    "ABCDEFGHIJKLMNOPQRSTUVWXYZ",
    "abcdefghijklmnopqrstuvwxyz",
    "あいうえおかきくけこさしすせそたちつてと",
    "アイウエオカキクケコサシスセソタチツテト",
    "ｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿﾀﾁﾂﾃﾄ",
    "「」『』《》【】◎●○☆",
    "亜唖娃阿哀愛挨姶逢葵",
    "弌丐丕个丱丶丼丿乂乖",
    "纊褜鍈銈蓜俉炻昱棈鋹",
};

std::wstring TipText(HWND tips, HWND window, UINT_PTR id) {
  char buffer[256] = {};
  TTTOOLINFOA ti{};
  ti.cbSize = sizeof ti;
  ti.hwnd = window;
  ti.uId = id;
  ti.lpszText = buffer;
  SendMessageA(tips, TTM_GETTEXTA, sizeof buffer, reinterpret_cast<LPARAM>(&ti));
  return FromCp932(buffer);
}

}  // namespace

TEST_F(MainWindow, OpensAsGlyphoraWithAnEmptyListAndSizeBox) {
  char caption[64] = {};
  GetWindowTextA(form->Handle(), caption, sizeof caption);
  EXPECT_STREQ(caption, "Glyphora");
  EXPECT_TRUE(IsWindowVisible(form->Handle()));
  EXPECT_EQ(form->List1.Count(), 0);
  EXPECT_EQ(form->Text1.Text(), L"");
  EXPECT_EQ(form->Combo1.Text(), L"");
  EXPECT_EQ(form->List1.ListIndex(), -1);
  EXPECT_NE(SendMessageA(form->Handle(), WM_GETICON, ICON_BIG, 0), 0);
}

TEST_F(MainWindow, PreviewShowsTheElevenSampleLinesAtNinePoints) {
  std::wstring expected;
  for (const char* line : kLines) expected += (expected.empty() ? L"" : L"\r\n") + FromUtf8(line);
  EXPECT_EQ(form->Text2.Text(), expected);

  // Byte for byte in code page 932: the kanji rows start at their first codes.
  const std::string bytes = WindowTextBytes(form->Text2.Handle());
  EXPECT_NE(bytes.find("\x88\x9F\x88\xA0"), std::string::npos) << "亜唖 at 0x889F";
  EXPECT_NE(bytes.find("\x98\x9F\x98\xA0"), std::string::npos) << "弌丐 at 0x989F";
  EXPECT_NE(bytes.find("\xB1\xB2\xB3"), std::string::npos) << "half-width ｱｲｳ";
  EXPECT_EQ(bytes.find('?'), bytes.find("?@")) << "no character was lost in conversion";
  EXPECT_EQ(FromCp932(bytes), expected) << "the code page 932 text reads back as the sample";
  EXPECT_NE(bytes.substr(bytes.size() - 2), "\r\n");
  EXPECT_EQ(SendMessageA(form->Text2.Handle(), EM_GETLINECOUNT, 0, 0), 11);

  EXPECT_EQ(PreviewFont(*form).lfHeight, -PixelsFor(9));
  EXPECT_DOUBLE_EQ(form->Text2.FontSize(), 9);
}

TEST_F(MainWindow, ProgressBarWaitsLeftOfTheStripUntilTheFirstGather) {
  EXPECT_DOUBLE_EQ(form->pBar.Left(), -15);
  EXPECT_DOUBLE_EQ(form->pBar.Width(), 15);
  EXPECT_DOUBLE_EQ(form->pBar.Top(), 15);
  EXPECT_DOUBLE_EQ(form->pBar.Height(), 165);
  EXPECT_EQ(form->pBar.BackColor(), RGB(0, 0, 128));
  // Nothing of it shows in the strip, at any scaling, and a resize keeps it so.
  for (int resized = 0; resized < 2; ++resized) {
    if (resized) SetWindowPos(form->Handle(), nullptr, 0, 0, 900, 600, SWP_NOMOVE | SWP_NOZORDER);
    const HWND strip = form->Picture2.Handle();
    RECT r;
    GetClientRect(strip, &r);
    ScreenPixel(strip, 0, 0);  // repainted
    HDC dc = GetDC(strip);
    int navy = 0;
    for (int x = 0; x < r.right; ++x) navy += GetPixel(dc, x, r.bottom / 2) == RGB(0, 0, 128);
    ReleaseDC(strip, dc);
    EXPECT_EQ(navy, 0) << (resized ? "after a resize" : "at start-up");
  }
}

TEST_F(MainWindow, TheInitialSizeGivesTheInitialGeometry) {
  RECT client;
  GetClientRect(form->Handle(), &client);
  EXPECT_EQ(client.right, ui::XToPixels(8175));
  EXPECT_EQ(client.bottom, ui::YToPixels(5775));
  RECT window, work;
  GetWindowRect(form->Handle(), &window);
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  EXPECT_NEAR((window.left + window.right) / 2, (work.left + work.right) / 2, 1) << "centred on the screen";
  EXPECT_NEAR((window.top + window.bottom) / 2, (work.top + work.bottom) / 2, 1);

  // Whole pixels make the client area a few twips larger than 8175 x 5775 at some scalings;
  // what follows the right and bottom edges follows them by as much.
  const double dw = std::round(form->ScaleWidth()) - 8175, dh = std::round(form->ScaleHeight()) - 5775;
  struct Row {
    const char* name;
    ui::Control* control;
    double left, top, width, height;
  };
  const Row rows[] = {
      {"List1", &form->List1, 120, 480, 2415, 4200 + dh},
      {"Combo1", &form->Combo1, 120, 120, 2415, 300},
      {"Bar", &form->Bar, 2535, 120, 45, 4560 + dh},          // the first layout sets the bar's height
      {"Text2", &form->Text2, 2595, 120, 5415 + dw, 4560 + dh},  // and the preview's width
      {"Frame1", &form->Frame1, 0, 4680 + dh, 8175 + dw, 1095},
      {"Command1", &form->Command1, 120, 210, 2430, 330},
      {"Picture2", &form->Picture2, 120, 660, 6375 + dw, 255},
      {"Check1", &form->Check1, 2640, 270, 735, 225},
      {"Check2", &form->Check2, 3375, 270, 735, 225},
      {"Check3", &form->Check3, 4110, 270, 1095, 225},
      {"Check4", &form->Check4, 5205, 270, 1095, 225},
      {"Text1", &form->Text1, 7440 + dw, 255, 615, 270},
      {"Picture1", &form->Picture1, 6600 + dw, 630, 1455, 345},
  };
  for (const Row& r : rows) {
    EXPECT_DOUBLE_EQ(r.control->Left(), r.left) << r.name;
    EXPECT_DOUBLE_EQ(r.control->Top(), r.top) << r.name;
    EXPECT_DOUBLE_EQ(r.control->Width(), r.width) << r.name;
    EXPECT_DOUBLE_EQ(r.control->Height(), r.height) << r.name;
  }
  EXPECT_DOUBLE_EQ(form->Label2.Left(), 6660 + dw);
  EXPECT_DOUBLE_EQ(form->Label1.Top(), 75);
  EXPECT_EQ(form->Label1.Container(), &form->Picture1);
  EXPECT_EQ(form->Label2.Container(), &form->Frame1);
  EXPECT_EQ(GetParent(form->Command1.Handle()), form->Frame1.Handle());
  EXPECT_EQ(GetParent(form->pBar.Handle()), form->Picture2.Handle());
}

TEST_F(MainWindow, TheCaptionsAndMenuItems) {
  EXPECT_EQ(form->Command1.Text(), L"かき集める");
  EXPECT_EQ(form->Check1.Text(), L"&Bold");
  EXPECT_EQ(form->Check2.Text(), L"&Itaric");
  EXPECT_EQ(form->Check3.Text(), L"S&trikethru");
  EXPECT_EQ(form->Check4.Text(), L"&Underline");
  EXPECT_EQ(form->Label2.Caption(), L"Font &Size");
  EXPECT_EQ(form->Label1.Caption(), L"バージョン情報");
  for (ui::CheckBox* c : {&form->Check1, &form->Check2, &form->Check3, &form->Check4}) EXPECT_FALSE(c->Checked());

  HMENU menu = form->m_List.Handle();
  ASSERT_EQ(GetMenuItemCount(menu), 6);
  const wchar_t* expected[] = {L"フォント名をコピー(&C)", L"ファイル名をコピー(&F)", nullptr, L"削除(&D)", nullptr,
                               L"プレビューの文字をすべて持つフォントだけ(&V)"};
  for (int i = 0; i < 6; ++i) {
    MENUITEMINFOA mii{};
    mii.cbSize = sizeof mii;
    mii.fMask = MIIM_FTYPE;
    GetMenuItemInfoA(menu, i, TRUE, &mii);
    if (!expected[i]) {
      EXPECT_TRUE(mii.fType & MFT_SEPARATOR) << "item " << i;
      continue;
    }
    char text[64] = {};
    GetMenuStringA(menu, i, text, sizeof text, MF_BYPOSITION);
    EXPECT_EQ(FromCp932(text), expected[i]) << "item " << i;
  }
  EXPECT_EQ(form->m_List.Caption(), L" ");
}

TEST_F(MainWindow, EveryControlHasItsTooltip) {
  HWND tips = form->Tips().Handle();
  ASSERT_TRUE(tips);
  struct Row {
    const char* name;
    HWND window;
    UINT_PTR id;
    const wchar_t* text;
  };
  auto tool = [](ui::Control& c) { return reinterpret_cast<UINT_PTR>(c.Handle()); };
  const Row rows[] = {
      {"Combo1", form->Handle(), tool(form->Combo1), L"検索\r\nしたい文字を入力してEnter"},
      {"Combo1 edit", form->Combo1.Handle(), reinterpret_cast<UINT_PTR>(form->Combo1.EditHandle()),
       L"検索\r\nしたい文字を入力してEnter"},
      {"List1", form->Handle(), tool(form->List1), L"ダブルクリックでフォント名のコピーができます"},
      {"Command1", form->Frame1.Handle(), tool(form->Command1), L"すべてのフォントを列挙します"},
      {"Check1", form->Frame1.Handle(), tool(form->Check1), L"太字にします"},
      {"Check2", form->Frame1.Handle(), tool(form->Check2), L"斜体にします"},
      {"Check3", form->Frame1.Handle(), tool(form->Check3), L"取り消し線を表示します"},
      {"Check4", form->Frame1.Handle(), tool(form->Check4), L"下線を表示します"},
      {"Label2", form->Frame1.Handle(), reinterpret_cast<UINT_PTR>(&form->Label2), L"フォントサイズ(1～460)"},
      {"Text1", form->Frame1.Handle(), tool(form->Text1), L"フォントサイズ(1～460)"},
      {"Label1", form->Picture1.Handle(), reinterpret_cast<UINT_PTR>(&form->Label1), L"バージョン情報を表示します"},
  };
  for (const Row& r : rows) EXPECT_EQ(TipText(tips, r.window, r.id), r.text) << r.name;
}

TEST_F(MainWindow, SizeBoxTakesFiveCharactersWithoutInputMethod) {
  EXPECT_EQ(SendMessageA(form->Text1.Handle(), EM_GETLIMITTEXT, 0, 0), 5);
  EXPECT_EQ(ImmGetContext(form->Text1.Handle()), nullptr);
}

TEST_F(MainWindow, CannotBeMadeSmallerThan553By108Pixels) {
  MINMAXINFO info;
  memset(&info, 0x11, sizeof info);
  EXPECT_EQ(SendMessageA(form->Handle(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info)), 0);
  EXPECT_EQ(info.ptMinTrackSize.x, 553);
  EXPECT_EQ(info.ptMinTrackSize.y, 108);
  EXPECT_EQ(info.ptMaxTrackSize.x, 0x11111111) << "other fields stay as the system filled them";
  EXPECT_EQ(info.ptMaxSize.y, 0x11111111);

  SetWindowPos(form->Handle(), nullptr, 0, 0, 100, 50, SWP_NOMOVE | SWP_NOZORDER);
  RECT r;
  GetWindowRect(form->Handle(), &r);
  EXPECT_EQ(r.right - r.left, 553);
  EXPECT_EQ(r.bottom - r.top, 108);

  SetWindowPos(form->Handle(), nullptr, 0, 0, 700, 500, SWP_NOMOVE | SWP_NOZORDER);
  ShowWindow(form->Handle(), SW_MAXIMIZE);
  Pump();
  EXPECT_TRUE(IsZoomed(form->Handle()));
  ShowWindow(form->Handle(), SW_RESTORE);
  Pump();
  GetWindowRect(form->Handle(), &r);
  EXPECT_EQ(r.right - r.left, 700);
  EXPECT_EQ(r.bottom - r.top, 500);
}

TEST_F(MainWindow, UnloadPutsThePreviousWindowProcedureBack) {
  const HWND hwnd = form->Handle();
  EXPECT_EQ(GetWindowLongPtrA(hwnd, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&mdl_SetWindowSize::WindowProc));
  form->Form_Unload();
  EXPECT_EQ(GetWindowLongPtrA(hwnd, GWLP_WNDPROC), mdl_SetWindowSize::lPrevWndProc);
  MINMAXINFO info{};
  SendMessageA(hwnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_NE(info.ptMinTrackSize.x, 553) << "the hook no longer answers";
}

TEST_F(MainWindow, ClosingDestroysTheWindow) {
  const HWND hwnd = form->Handle();
  SendMessageA(hwnd, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(hwnd));
}

TEST_F(MainWindow, OnlyAWindowOfItsOwnClassIsTakenForAForm) {
  EXPECT_EQ(ui::Form::FromHandle(form->Handle()), form.get());
  // Another top-level window of the thread, whatever its user data holds.
  HWND other = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  SetWindowLongPtrA(other, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form.get()));
  EXPECT_EQ(ui::Form::FromHandle(other), nullptr);
  DestroyWindow(other);
}

TEST(LocaleCase, FoldsLettersBeyondAsciiAsTheUserLocaleDoes) {
  const catalogue::CaseMap cm = catalogue::UserLocaleCaseMap();
  struct Row {
    wchar_t lower, upper;
  };
  for (const Row& r : {Row{L'g', L'G'}, Row{L'\uFF47', L'\uFF27'} /* full-width g */, Row{L'\u03B1', L'\u0391'},
                       Row{L'\u00E9', L'\u00C9'}}) {
    EXPECT_EQ(cm.upper(r.lower), r.upper) << int(r.lower);
    EXPECT_EQ(cm.lower(r.upper), r.lower) << int(r.upper);
  }
  for (wchar_t same : {L'@', L'1', L'\u3042', static_cast<wchar_t>(0xD800), static_cast<wchar_t>(0xDFFF), L'\0'}) {
    EXPECT_EQ(cm.upper(same), same) << int(same);
    EXPECT_EQ(cm.lower(same), same) << int(same);
  }
  EXPECT_TRUE(catalogue::Pattern(L"*\uFF27BX*", cm).Matches(L"\uFF47bx font"));
}
