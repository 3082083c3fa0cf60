// The preview as the user drives it: the size box, the style switches, choosing fonts.
#include "harness.h"

#include <set>
#include <string>
#include <vector>

#include "paths.h"
#include "support/files.h"
#include "support/screenshot.h"
#include "support/text.h"

class Preview : public WithFonts<ForegroundWindow> {
 protected:
  void Press(WORD vk, bool ctrl = false) { input::PressKeyAndWait(vk, &Pump, false, false, ctrl); }

  void EnterSize(const wchar_t* text) {
    form->Text1.SetText(text);  // as if pasted through the box's own menu
    form->Text1.Focus();
    Press(VK_RETURN);
  }
};

TEST_F(Preview, EnterInTheSizeBoxAppliesTheSizeAndRewritesTheBox) {
  struct Row {
    const wchar_t* typed;
    const wchar_t* shown;
    double points;
  };
  const Row rows[] = {
      {L"", L"9", 9},        {L"0", L"9", 9},         {L"-3", L"9", 9},      {L"abc", L"9", 9},
      {L"461", L"460", 460}, {L"460", L"460", 460},   {L"0.5", L"0.5", 0.5}, {L"12.", L"12", 12},
      {L"009", L"9", 9},     {L"1.2.3", L"1.2", 1.2}, {L" 1 2 ", L"12", 12}, {L"&H1F", L"31", 31},
      {L"1E2", L"100", 100}, {L"1E999", L"460", 460},
  };
  for (const Row& r : rows) {
    EnterSize(r.typed);
    const std::string what = testing::PrintToString(std::wstring(r.typed));
    EXPECT_EQ(form->Text1.Text(), r.shown) << what;
    EXPECT_EQ(PreviewFont(*form).lfHeight, -PixelsFor(r.points)) << what;
  }
}

TEST_F(Preview, TheSizeBoxTakesOnlyDigitsAndAPointFromTheKeyboard) {
  form->Text1.Focus();
  for (WORD vk : {WORD('1'), WORD(VK_OEM_2), WORD('A'), WORD(VK_SPACE), WORD(VK_OEM_MINUS), WORD('2'),
                  WORD(VK_OEM_PERIOD), WORD('5')})
    Press(vk);
  EXPECT_EQ(form->Text1.Text(), L"12.5") << "'/', letters, blanks and signs are refused";
  Press(VK_BACK);
  EXPECT_EQ(form->Text1.Text(), L"12.") << "Backspace deletes";
  for (WORD vk : {WORD('3'), WORD('4'), WORD('6')}) Press(vk);
  EXPECT_EQ(form->Text1.Text(), L"12.34") << "a sixth character is refused";

  form->Text1.SetText(L"");
  PutOnClipboard(form->Handle(), "77");
  Press('V', true);
  EXPECT_EQ(form->Text1.Text(), L"") << "Ctrl+V pastes nothing";
  EXPECT_EQ(PreviewFont(*form).lfHeight, -PixelsFor(9)) << "typing alone applies nothing";
}

TEST_F(Preview, ChoosingAFontAppliesFaceStylesAndSize) {
  Gather(*form);
  form->Check1.Send(BM_SETCHECK, BST_CHECKED);
  form->Check4.Send(BM_SETCHECK, BST_CHECKED);
  form->Text1.SetText(L"20");
  form->ChangeFont(L"Gbx Beta 1");
  const LOGFONTA lf = PreviewFont(*form);
  EXPECT_EQ(FaceOf(lf), L"Gbx Beta 1");
  EXPECT_GE(lf.lfWeight, FW_BOLD);
  EXPECT_FALSE(lf.lfItalic);
  EXPECT_FALSE(lf.lfStrikeOut);
  EXPECT_TRUE(lf.lfUnderline);
  EXPECT_EQ(lf.lfHeight, -PixelsFor(20));
  EXPECT_EQ(form->Text1.Text(), L"20");

  // The platform really uses that face for the preview.
  HDC dc = GetDC(form->Text2.Handle());
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(form->Text2.Handle(), WM_GETFONT, 0, 0)));
  char face[LF_FACESIZE] = {};
  GetTextFaceA(dc, LF_FACESIZE, face);
  SelectObject(dc, old);
  ReleaseDC(form->Text2.Handle(), dc);
  EXPECT_STREQ(face, "Gbx Beta 1");
}

TEST_F(Preview, ASwitchChangesOnlyItsOwnAttribute) {
  form->ChangeFont(L"Gbx Beta 2");
  form->Text1.SetText(L"33");  // typed, no Enter
  struct Row {
    const char* name;
    ui::CheckBox* box;
    BYTE LOGFONTA::*flag;
  };
  const Row rows[] = {{"Italic", &form->Check2, &LOGFONTA::lfItalic},
                      {"Strikethrough", &form->Check3, &LOGFONTA::lfStrikeOut},
                      {"Underline", &form->Check4, &LOGFONTA::lfUnderline}};
  for (const Row& r : rows) {
    const LOGFONTA before = PreviewFont(*form);
    SendMessageA(r.box->Handle(), BM_CLICK, 0, 0);
    Pump();
    const LOGFONTA after = PreviewFont(*form);
    EXPECT_TRUE(after.*r.flag) << r.name;
    EXPECT_EQ(after.lfHeight, before.lfHeight) << r.name << ": the size box is not read";
    EXPECT_EQ(after.lfWeight, before.lfWeight) << r.name;
    EXPECT_EQ(FaceOf(after), L"Gbx Beta 2") << r.name;
  }
  SendMessageA(form->Check1.Handle(), BM_CLICK, 0, 0);
  Pump();
  EXPECT_GE(PreviewFont(*form).lfWeight, FW_BOLD);
  SendMessageA(form->Check1.Handle(), BM_CLICK, 0, 0);
  Pump();
  EXPECT_LT(PreviewFont(*form).lfWeight, FW_BOLD) << "unticking takes bold away again";
  EXPECT_EQ(PreviewFont(*form).lfHeight, -PixelsFor(9));
  EXPECT_EQ(form->Text1.Text(), L"33");
}

TEST_F(Preview, ASizeTypedWithoutEnterComesWithTheNextFontChosen) {
  Gather(*form);
  form->Text1.Focus();
  Press('2');
  Press('0');
  EXPECT_EQ(PreviewFont(*form).lfHeight, -PixelsFor(9));
  form->List1.Focus();
  Press(VK_DOWN);
  ASSERT_GE(form->List1.ListIndex(), 0);
  EXPECT_EQ(FaceOf(PreviewFont(*form)), form->List1.Item(form->List1.ListIndex()));
  EXPECT_EQ(PreviewFont(*form).lfHeight, -PixelsFor(20));
  EXPECT_EQ(form->Text1.Text(), L"20");
}

TEST_F(Preview, AFaceNoFontHasStillLeavesAWorkingPreview) {
  form->Text1.SetText(L"14");
  form->ChangeFont(L"No Such Face At All");
  Pump();
  const LOGFONTA lf = PreviewFont(*form);
  EXPECT_EQ(FaceOf(lf), L"No Such Face At All");
  EXPECT_EQ(lf.lfHeight, -PixelsFor(14));
  EXPECT_TRUE(IsWindowVisible(form->Text2.Handle()));
  EXPECT_EQ(GetWindow(form->Handle(), GW_ENABLEDPOPUP), nullptr) << "no message is shown";
  EXPECT_TRUE(IsWindowEnabled(form->Handle()));
}

TEST_F(Preview, ArrowKeysThroughTheListPreviewEveryEntryPassed) {
  Gather(*form);
  form->List1.Focus();
  Press(VK_HOME);
  for (int step = 0; step < 8; ++step) {
    const int index = form->List1.ListIndex();
    ASSERT_EQ(index, step);
    EXPECT_EQ(FaceOf(PreviewFont(*form)), form->List1.Item(index)) << "entry " << index;
    Press(VK_DOWN);
  }
}

TEST_F(Preview, ChoosingHundredsOfFontsLeavesOnlyTheCurrentFontAlive) {
  Gather(*form);
  std::set<HFONT> seen;
  const int count = form->List1.Count();
  for (int i = 0; i < 300; ++i) {
    form->List1.SetListIndex(i % count);
    form->List1_Click();
    seen.insert(reinterpret_cast<HFONT>(SendMessageA(form->Text2.Handle(), WM_GETFONT, 0, 0)));
  }
  const HFONT current = reinterpret_cast<HFONT>(SendMessageA(form->Text2.Handle(), WM_GETFONT, 0, 0));
  int alive = 0;
  for (HFONT f : seen) alive += GetObjectType(f) == OBJ_FONT;
  EXPECT_EQ(alive, 1) << "of " << seen.size() << " fonts the preview had, only the current one may live";
  EXPECT_EQ(GetObjectType(current), static_cast<DWORD>(OBJ_FONT));
}

// The text a Japanese user checks a face with: characters outside code page 932 (𠮷, ㋿) and
// beyond the Basic Multilingual Plane (𠮷, 🍣), and others the platform would borrow.
const std::wstring kOwnText = L"ABC かな 野家の\r\n\U00020BB7 \u32FF \U0001F363 髙﨑①";

// Previewed in faces that hold different parts of the text, each character the face lacks
// shows tinted, and the strip names what it lacks; a face that lacks nothing shows neither.
TEST_F(Preview, WhatAFaceLacksIsMarkedInTheTextAndNamedInTheStrip) {
  const COLORREF tint = RGB(255, 176, 96);
  struct Row {
    const wchar_t* face;
    std::wstring text;
    const wchar_t* strip;
    std::vector<int> marked, clear;  // indexes into the text
  };
  const Row rows[] = {
      {L"Gbx Latin", kOwnText, L"この書体にない文字 11: か な 野 家 の \U00020BB7 \u32FF \U0001F363 …", {4, 7, 12, 15}, {0, 2}},
      {L"Gbx Kana", kOwnText, L"この書体にない文字 11: A B C 野 家 \U00020BB7 \u32FF \U0001F363 …", {0, 7}, {4, 9}},
      {L"Gbx Sushi", kOwnText, L"この書体にない文字 10: A B C か な の \u32FF 髙 …", {0, 4, 15}, {7, 12}},
      {L"Gbx Latin", L"ABC abc", L"", {}, {0, 4}},
  };
  for (const Row& r : rows) {
    form->Text2.SetText(r.text);
    form->ChangeFont(r.face);
    const std::string what = testing::PrintToString(std::wstring(r.face));
    EXPECT_EQ(form->Label3.Caption(), r.strip) << what;
    EXPECT_EQ(IsWindowVisible(form->pBar.Handle()) != FALSE, r.marked.empty()) << what << ": the strip shows the bar";
    TEXTMETRICW tm{};
    HDC dc = GetDC(form->Text2.Handle());
    HGDIOBJ old = SelectObject(dc, form->Text2.Font());
    GetTextMetricsW(dc, &tm);
    SelectObject(dc, old);
    ReleaseDC(form->Text2.Handle(), dc);
    // From a character to the next one, on the line's height.
    const auto cell = [&](int i) {
      const auto at = [&](int k) { return static_cast<DWORD>(form->Text2.Send(EM_POSFROMCHAR, k)); };
      const int next = IS_HIGH_SURROGATE(r.text[i]) ? i + 2 : i + 1;
      return RECT{LOWORD(at(i)), HIWORD(at(i)), LOWORD(at(next)), HIWORD(at(i)) + tm.tmHeight};
    };
    for (const int i : r.marked) EXPECT_TRUE(ShowsColour(form->Text2.Handle(), cell(i), tint)) << what << " marks " << i;
    for (const int i : r.clear) EXPECT_FALSE(ShowsColour(form->Text2.Handle(), cell(i), tint)) << what << " leaves " << i;
    // Kept for a look at the marks, once the screen shows what the window drew.
    const bool marked = !r.marked.empty();
    EXPECT_TRUE(input::WaitUntil(
        [&] { return ShowsColour(form->Text2.Handle(), marked ? cell(r.marked[0]) : form->Text2.Client(), tint, true) == marked; },
        &Pump));
    const std::string shot = std::string(GBX_ARTIFACTS) + "\\preview-" + ToUtf8(r.face) + (marked ? "" : "-whole") + ".bmp";
    SaveWindowScreenshot(form->Handle(), shot.c_str());
  }
}

// Pasted as a Unicode program copies, and typed as an input method hands its result over.
TEST_F(Preview, TheTextKeepsEveryCharacterPastedOrTyped) {
  const std::wstring text = L"\U00020BB7野家 \u32FF \U0001F363";
  form->ChangeFont(L"Gbx Latin");
  form->Text2.SetText(L"");
  form->Text2.Focus();
  PutOnClipboard(form->Handle(), text);
  Press('V', true);
  EXPECT_EQ(form->Text2.Text(), text) << "pasted";
  input::TypeText(L"\U0001F363\U00020BB7", &Pump);
  EXPECT_EQ(form->Text2.Text(), text + L"\U0001F363\U00020BB7") << "typed";
  EXPECT_EQ(form->Label3.Caption(), L"この書体にない文字 5: \U00020BB7 野 家 \u32FF \U0001F363") << "and told while typing";
}
