// Fonts installed for the current user alone: their file names copied, their removal
// without administrator rights, and a machine's font beside them.
#include "removal_fixture.h"
#include "support/text.h"

using PerUserFonts = Removal;

TEST_F(PerUserFonts, AFamilyOfTwoIsCopiedByFullPathAndRemovedFromTheUsersKeyOnly) {
  InstallForUser({{"Gbx Quad (TrueType)", "gbx-quad.ttf"}, {"Gbx Quad Bold (TrueType)", "gbx-quadb.ttf"}});
  const auto machine = registry::FontValues();
  Search(*form, L"gbx quad");
  Select(L"Gbx Quad");
  form->m_List_Copy_Click(1);
  EXPECT_EQ(ClipboardText(form->Handle()),
            FromCp932(UserFontsFolder() + "gbx-quad.ttf\r\n" + UserFontsFolder() + "gbx-quadb.ttf\r\n"));

  const auto said = Remove(IDYES);
  ASSERT_EQ(said.size(), 1u) << "the question only";
  for (const char* value : {"Gbx Quad (TrueType)", "Gbx Quad Bold (TrueType)"})
    EXPECT_EQ(FontValue(value, HKEY_CURRENT_USER), "<none>") << value;
  for (const char* file : {"gbx-quad.ttf", "gbx-quadb.ttf"}) {
    EXPECT_EQ(InUserFolder(file), "<missing>") << file;
    EXPECT_EQ(InTrash(file), Original(file)) << file;
  }
  EXPECT_EQ(registry::FontValues(), machine) << "the machine's key is untouched";
  EXPECT_EQ(IndexOf(form->List1, L"Gbx Quad"), -1);
}

TEST_F(PerUserFonts, AFailedMoveRestoresTheUsersValuesWithTheirDataAndType) {
  InstallForUser({{"Gbx Quad (TrueType)", "gbx-quad.ttf"}});
  InstallForUser({{"Gbx Quad Bold (TrueType)", "gbx-quadb.ttf"}}, REG_EXPAND_SZ);
  Search(*form, L"gbx quad");
  Select(L"Gbx Quad");
  const auto said = RemoveHolding(UserFontsFolder() + "gbx-quadb.ttf");
  ASSERT_EQ(said.size(), 2u);
  EXPECT_EQ(said[1].text, FromCp932(UserFontData("gbx-quadb.ttf")) +
                              L" を削除できませんでした。\r\n\r\nファイルが使用中の可能性があります。");
  EXPECT_EQ(FontValue("Gbx Quad Bold (TrueType)", HKEY_CURRENT_USER), UserFontData("gbx-quadb.ttf"));
  EXPECT_EQ(registry::FontValueType("Gbx Quad Bold (TrueType)", HKEY_CURRENT_USER), static_cast<DWORD>(REG_EXPAND_SZ))
      << "written back as it was";
  EXPECT_EQ(InUserFolder("gbx-quadb.ttf"), Original("gbx-quadb.ttf"));
}

TEST_F(PerUserFonts, AValueThatCannotBePutBackIsNamedAndTheFontsCountAsChanged) {
  InstallForUser({{"Gbx Quad (TrueType)", "gbx-quad.ttf"}});
  Search(*form, L"gbx quad");
  Select(L"Gbx Quad");
  // Another program deletes the user's fonts key after the values went, before the file moves.
  FontChangeListener meanwhile([] { RegDeleteKeyA(HKEY_CURRENT_USER, registry::kFontsKey); });
  const auto said = RemoveHolding(UserFontsFolder() + "gbx-quad.ttf");
  ASSERT_EQ(said.size(), 2u);
  EXPECT_EQ(said[1].text, FromCp932(UserFontsFolder()) +
                              L"gbx-quad.ttf を削除できませんでした。\r\n\r\nファイルが使用中の可能性があります。\r\n\r\n"
                              L"次の登録を元に戻せませんでした。フォントは変更されています。\r\nGbx Quad (TrueType)");
  EXPECT_EQ(InUserFolder("gbx-quad.ttf"), Original("gbx-quad.ttf"));
}

TEST_F(PerUserFonts, AFamilyWithAValueInEachKeyIsCopiedAndRemovedWhole) {
  Install({{"Gbx Solo (TrueType)", "gbx-solo.ttf"}});
  InstallForUser({{"Gbx Solo Bold (TrueType)", "gbx-sib.ttf"}});
  Gather(*form);
  Select(L"Gbx Solo");
  form->m_List_Copy_Click(1);
  EXPECT_EQ(ClipboardText(form->Handle()), FromCp932("gbx-solo.ttf\r\n" + UserFontsFolder() + "gbx-sib.ttf\r\n"));
  const auto said = Remove(IDYES);
  ASSERT_EQ(said.size(), 1u);
  EXPECT_EQ(said[0].text.substr(0, said[0].text.find(L"これら")), L"Gbx Solo (TrueType)\r\nGbx Solo Bold (TrueType)\r\n");
  EXPECT_EQ(FontValue("Gbx Solo (TrueType)"), "<none>");
  EXPECT_EQ(FontValue("Gbx Solo Bold (TrueType)", HKEY_CURRENT_USER), "<none>");
  EXPECT_EQ(InTrash("gbx-solo.ttf"), Original("gbx-solo.ttf"));
  EXPECT_EQ(InTrash("gbx-sib.ttf"), Original("gbx-sib.ttf"));
}

TEST_F(PerUserFonts, AValueThatCannotBeDeletedLeavesEverythingAsItWas) {
  Install({{"Gbx Solo (TrueType)", "gbx-solo.ttf"}});
  InstallForUser({{"Gbx Solo Bold (TrueType)", "gbx-sib.ttf"}});
  Gather(*form);
  Select(L"Gbx Solo");
  const World before = Snapshot();
  // Another program deletes the user's fonts key while the question is shown: the machine's
  // value goes first, then the user's cannot.
  const auto said = Answering(IDYES, [&] { form->m_List_Remove_Click(); },
                              [] { RegDeleteKeyA(HKEY_CURRENT_USER, registry::kFontsKey); });
  ASSERT_EQ(said.size(), 2u) << "the question, then what went wrong";
  EXPECT_EQ(said[1].text, L"フォントを削除する準備ができませんでした。\r\n\r\nフォントは変更していません。");
  EXPECT_EQ(Snapshot(), before) << "the machine's value is back, and no file moved";
  EXPECT_EQ(InUserFolder("gbx-sib.ttf"), Original("gbx-sib.ttf"));
  EXPECT_EQ(form->Text2.FontName(), L"Gbx Solo") << "the preview is back on the font";
  EXPECT_EQ(Search(*form, L"Gbx Solo"), std::vector<std::wstring>{L"Gbx Solo"}) << "and the font is still there";
}

TEST_F(PerUserFonts, WithoutAdministratorRightsOnlyTheUsersFontsCanBeRemoved) {
  Install({{"Gbx Solo (TrueType)", "gbx-solo.ttf"}});
  InstallForUser({{"Gbx Quad (TrueType)", "gbx-quad.ttf"}});
  Search(*form, L"Gbx [QS]*");
  registry::MachineFontsKeyReadOnly readOnly;

  Select(L"Gbx Solo");
  const World before = Snapshot();
  auto said = Remove(IDYES);
  ASSERT_EQ(said.size(), 1u) << "told instead of asked";
  EXPECT_EQ(said[0].text, L"このフォントを削除するには管理者の権限が必要です。\r\n\r\nフォントは変更していません。");
  EXPECT_TRUE(said[0].errorIcon);
  EXPECT_EQ(Snapshot(), before) << "nothing changed";
  EXPECT_EQ(form->Text2.FontName(), L"Gbx Solo") << "not even the preview moved";

  Select(L"Gbx Quad");
  said = Remove(IDYES);
  ASSERT_EQ(said.size(), 1u) << "the user's own font needs no rights the user lacks";
  EXPECT_EQ(FontValue("Gbx Quad (TrueType)", HKEY_CURRENT_USER), "<none>");
  EXPECT_EQ(InTrash("gbx-quad.ttf"), Original("gbx-quad.ttf"));
}
