// Removing fonts safely: nothing destructive unless everything can be done, no file ever
// deleted for good, no hang.
#include <thread>

#include "fonts/removefont.h"
#include "removal_fixture.h"

TEST_F(Removal, NothingIsChangedWhenAPathCannotBeUsed) {
  Install({{"Gbx Solo (TrueType)", "gbx-solo.ttf"}, {"Gbx Quad (TrueType)", "gbx-quad.ttf"}});
  Search(*form, L"Gbx [QS]*");
  struct Row {
    const char* what;
    const char* value;
    std::string data;
  };
  const Row rows[] = {
      {"a wildcard in the file name", "Gbx Solo Bold (TrueType)", "gbx-s?lo.ttf"},
      {"a star in the file name", "Gbx Solo Italic (TrueType)", "gbx-*.ttf"},
      {"a path longer than the shell takes", "Gbx Solo Regular", std::string(240, 'x') + ".ttf"},
      {"no file name at all: the fonts folder itself", "Gbx Solo Normal", ""},
  };
  for (const Row& r : rows) {
    registry::SetFontValue(r.value, r.data);
    Select(L"Gbx Solo");
    const World before = Snapshot();
    const auto said = Remove(IDYES);
    registry::DeleteFontValue(r.value);
    ASSERT_EQ(said.size(), 2u) << r.what;
    EXPECT_EQ(said[1].text, L"フォントを削除する準備ができませんでした。\r\n\r\nフォントは変更していません。") << r.what;
    EXPECT_TRUE(said[1].errorIcon) << r.what;
    EXPECT_EQ(Snapshot(), before) << r.what;
    EXPECT_EQ(form->Text2.FontName(), L"Gbx Solo") << r.what << ": not even the preview moved";
    EXPECT_EQ(InFontsFolder("gbx-quad.ttf"), Original("gbx-quad.ttf")) << r.what << ": the wildcard took nothing else";
  }
}

TEST_F(Removal, NothingIsChangedWhenTheFontsFolderIsUnknown) {
  Install({{"Gbx Solo (TrueType)", "gbx-solo.ttf"}});
  Gather(*form);
  Select(L"Gbx Solo");
  const World before = Snapshot();
  long index = form->List1.ListIndex();
  const auto said = Answering(IDYES, [&] {
    // What the removal is given when the shell knows no fonts folder.
    mdl_RemoveFont::RemoveFont(
        form->Handle(), L"\\", index, [&](int i) { return form->List1.Item(i); },
        [&](const std::wstring& face) { form->ChangeFont(face); });
  });
  ASSERT_EQ(said.size(), 2u);
  EXPECT_EQ(said[1].text, L"フォントを削除する準備ができませんでした。\r\n\r\nフォントは変更していません。");
  EXPECT_EQ(Snapshot(), before);
}

TEST_F(Removal, FullPathDataIsUsedAsThePath) {
  Install({{"Gbx Solo (TrueType)", "gbx-solo.ttf"}});
  registry::SetFontValue("Gbx Solo (TrueType)", FontsFolder() + "gbx-solo.ttf");
  Gather(*form);
  Select(L"Gbx Solo");
  const auto said = Remove(IDYES);
  ASSERT_EQ(said.size(), 1u) << "no failure message";
  EXPECT_EQ(InTrash("gbx-solo.ttf"), Original("gbx-solo.ttf"));
  EXPECT_EQ(FontValue("Gbx Solo (TrueType)"), "<none>");
}

TEST_F(Removal, ARecycleBinThatCannotTakeTheFileNeverDeletesIt) {
  Install({{"Gbx Solo (TrueType)", "gbx-solo.ttf"}});
  Gather(*form);
  Select(L"Gbx Solo");
  // A plain file where the bin's folder should be: nothing can be moved into it.
  const std::string trash = TrashFolder(), aside = trash + ".aside";
  ASSERT_TRUE(MoveFileA(trash.c_str(), aside.c_str()));
  HANDLE blocker = CreateFileA(trash.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  CloseHandle(blocker);
  const auto said = Remove(IDYES);
  DeleteFileA(trash.c_str());
  MoveFileA(aside.c_str(), trash.c_str());
  EXPECT_EQ(InFontsFolder("gbx-solo.ttf"), Original("gbx-solo.ttf")) << "the file is where it was";
  EXPECT_EQ(FontValue("Gbx Solo (TrueType)"), "gbx-solo.ttf") << "and registered again";
  ASSERT_EQ(said.size(), 2u);
  EXPECT_EQ(said[1].text, L"gbx-solo.ttf を削除できませんでした。\r\n\r\nファイルが使用中の可能性があります。");
  // Had the shell asked whether to delete for good instead, the watcher said No.
}

TEST_F(Removal, AWindowThatDoesNotAnswerCannotHangTheRemoval) {
  Install({{"Gbx Solo (TrueType)", "gbx-solo.ttf"}});
  Gather(*form);
  Select(L"Gbx Solo");
  // A top-level window whose thread stops answering messages.
  HANDLE ready = CreateEventA(nullptr, TRUE, FALSE, nullptr), release = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  std::thread hung([&] {
    HWND w = CreateWindowExA(0, "STATIC", "hung", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    SetEvent(ready);
    WaitForSingleObject(release, 60000);  // not pumping: every message to it waits
    DestroyWindow(w);
  });
  WaitForSingleObject(ready, 5000);
  const DWORD start = GetTickCount();
  const auto said = Remove(IDYES);
  const DWORD took = GetTickCount() - start;
  SetEvent(release);
  hung.join();
  CloseHandle(ready);
  CloseHandle(release);
  EXPECT_EQ(said.size(), 1u);
  EXPECT_EQ(InTrash("gbx-solo.ttf"), Original("gbx-solo.ttf"));
  EXPECT_LT(took, 15000u) << "the font-change broadcast gave up on the silent window";
}
