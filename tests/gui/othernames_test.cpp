// Fonts the list shows by their Japanese names while the registry names them in English, as
// Windows 10/11 registers its own fonts and most installers theirs. (Under Wine a removed
// font's vertical "@" face stays listed, and previewing it once its file is gone crashes:
// these tests list no "@" face of the platform's, and run in a process of their own.)
#include "removal_fixture.h"
#include "support/text.h"

using OtherNames = Removal;

TEST_F(OtherNames, FileNamesAreFoundThroughTheNameTheListShows) {
  Install({{"Gbx Mincho Regular (TrueType)", "gbx-mincho.ttf"}});
  InstallForUser({{"Gbx Kaku Regular & Gbx Kaku UI Regular & Gbx PKaku Regular (TrueType)", "gbx-kaku.ttc"}});
  Search(*form, L"Gbx*");
  AddName(form->List1, L"@Gbx 明朝");
  const std::wstring kaku = FromCp932(UserFontsFolder()) + L"gbx-kaku.ttc\r\n";
  struct Row {
    const wchar_t* name;
    std::wstring files;
  };
  const Row rows[] = {
      {L"Gbx 明朝", L"gbx-mincho.ttf\r\n"}, {L"@Gbx 明朝", L"gbx-mincho.ttf\r\n"}, {L"Gbx 角ゴ", kaku},
      {L"Gbx Kaku UI", kaku}, {L"Gbx P角ゴ", kaku},  // Kaku UI: no Japanese name, its English one followed by " Regular"
  };
  for (const Row& r : rows) {
    Select(r.name);
    EXPECT_TRUE(Answering(IDOK, [&] { form->m_List_Copy_Click(1); }).empty()) << "placed without a message";
    EXPECT_EQ(ClipboardText(form->Handle()), r.files) << testing::PrintToString(std::wstring(r.name));
  }
}

// The regular face's value names a collection of ten faces, as long as such names get.
TEST_F(OtherNames, AFamilyWithAValueNameOf300CharactersIsRolledBackThenRemovedWhole) {
  std::string regular;
  for (int i = 1; regular.size() < 270; ++i) regular += "Gbx Mincho " + std::to_string(i) + " Regular & ";
  regular += "Gbx Mincho Regular (TrueType)";
  Install({{regular.c_str(), "gbx-mincho.ttf"}, {"Gbx Mincho Bold (TrueType)", "gbx-minchob.ttf"}});
  // A second program that added the files: the system holds them until both let go.
  for (const char* file : {"gbx-mincho.ttf", "gbx-minchob.ttf"}) AddFontResourceA((FontsFolder() + file).c_str());
  Search(*form, L"Gbx*");
  Select(L"Gbx 明朝");
  FontChangeListener listener;
  const auto failed = RemoveHolding(FontsFolder() + "gbx-mincho.ttf", FILE_SHARE_READ);
  ASSERT_EQ(failed.size(), 2u) << "the question, then the failure";
  EXPECT_NE(failed[0].text.find(FromCp932(regular) + L"\r\n"), std::wstring::npos);
  EXPECT_NE(failed[0].text.find(L"Gbx Mincho Bold (TrueType)\r\n"), std::wstring::npos);
  EXPECT_NE(failed[1].text.find(L"gbx-mincho.ttf"), std::wstring::npos) << testing::PrintToString(failed[1].text);
  EXPECT_EQ(FontValue(regular), "gbx-mincho.ttf") << "registered again under its whole name";
  EXPECT_EQ(listener.Heard(), 2) << "told that the fonts went, and that they came back";

  ASSERT_EQ(Remove(IDYES).size(), 1u) << "the question only";
  for (const std::string& value : {regular, std::string("Gbx Mincho Bold (TrueType)")}) EXPECT_EQ(FontValue(value), "<none>");
  for (const char* file : {"gbx-mincho.ttf", "gbx-minchob.ttf"}) EXPECT_EQ(InTrash(file), Original(file)) << file;
  EXPECT_EQ(IndexOf(form->List1, L"Gbx 明朝"), -1) << "withdrawn as often as it was added";
}
