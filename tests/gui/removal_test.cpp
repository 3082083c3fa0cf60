// Removing fonts: what the user asked for happens, and nothing more.
#include "removal_fixture.h"

TEST_F(Removal, AOneFileFontGoesToTheRecycleBinAndTheEntryAboveIsSelected) {
  // On Windows a Japanese font's vertical twin, far above it, leaves the list with it (Wine
  // keeps it listed in the running process): a name the refill drops stands in for it.
  for (const wchar_t* twin : {L"", L"@Gbx Solo"}) {
    Install({{"Gbx Solo (TrueType)", "gbx-solo.ttf"}});
    Gather(*form);
    if (*twin) AddName(form->List1, twin);
    Select(L"Gbx Solo");
    const int index = form->List1.ListIndex();
    const std::wstring above = form->List1.Item(index - 1);
    const int top = form->List1.TopIndex();
    const auto said = Remove(IDYES);
    ASSERT_EQ(said.size(), 1u);
    EXPECT_EQ(said[0].text, L"Gbx Solo (TrueType)\r\nこれらのフォントを削除しますか？\r\n\r\n※削除したファイルはごみ箱に移動します。");
    EXPECT_TRUE(said[0].questionIcon);
    EXPECT_EQ(FontValue("Gbx Solo (TrueType)"), "<none>");
    EXPECT_EQ(InFontsFolder("gbx-solo.ttf"), "<missing>");
    EXPECT_EQ(InTrash("gbx-solo.ttf"), Original("gbx-solo.ttf")) << "the file is in the recycle bin, whole";
    EXPECT_EQ(IndexOf(form->List1, L"Gbx Solo"), -1) << "the list was gathered again";
    EXPECT_EQ(form->List1.SelectedText(), above) << testing::PrintToString(std::wstring(twin));
    EXPECT_EQ(form->Text2.FontName(), above);
    // The scroll position survives, as far as the shorter list lets a list box scroll.
    EXPECT_EQ(form->List1.TopIndex(), ReachableTopIndex(form->List1, top));
    EXPECT_EQ(GetFocus(), form->List1.Handle());
    EmptyTrash();
  }
}

TEST_F(Removal, AFamilyOfFourStylesGoesInOneOperation) {
  Install({{"Gbx Quad (TrueType)", "gbx-quad.ttf"},
           {"Gbx Quad Bold (TrueType)", "gbx-quadb.ttf"},
           {"Gbx Quad Italic (TrueType)", "gbx-quadi.ttf"},
           {"Gbx Quad Bold Italic (TrueType)", "gbx-quadz.ttf"}});
  Search(*form, L"gbx");
  Select(L"Gbx Quad");
  const auto said = Remove(IDYES);
  ASSERT_EQ(said.size(), 1u);
  for (const wchar_t* line : {L"Gbx Quad (TrueType)\r\n", L"Gbx Quad Bold (TrueType)\r\n", L"Gbx Quad Italic (TrueType)\r\n",
                              L"Gbx Quad Bold Italic (TrueType)\r\n"})
    EXPECT_NE(said[0].text.find(line), std::wstring::npos) << testing::PrintToString(said[0].text);
  for (const char* file : {"gbx-quad.ttf", "gbx-quadb.ttf", "gbx-quadi.ttf", "gbx-quadz.ttf"}) {
    EXPECT_EQ(InFontsFolder(file), "<missing>") << file;
    EXPECT_EQ(InTrash(file), Original(file)) << file;
  }
  EXPECT_EQ(FontValue("Gbx Quad Bold Italic (TrueType)"), "<none>");
  EXPECT_EQ(form->strPattern, L"*gbx*") << "the filter is kept";
}

// Fonts in the shapes Windows 10/11 holds them in, each copied and removed with nothing lost:
// no value is left naming a file that left, every file that left is in the recycle bin and
// was named in the question, and no other font's file went with them. While the files move,
// the preview holds none of them (on Windows a face in use holds its file).
TEST_F(Removal, AFontIsFoundWholeInEveryShapeWindowsHoldsFontsIn) {
  // Files of the same sizes as gbx-café.ttf and gbx-cafeb.ttf but other fonts; one of the same
  // size and head as gbx-twina.ttf, renamed in place; and one listed above them all.
  const std::vector<FontFile> others{{"Gbx Solo (TrueType)", "gbx-solo.ttf"},
                                     {"Gbx Quad Bold (TrueType)", "gbx-quadb.ttf"},
                                     {"Gbx Twin B (TrueType)", "gbx-twinb.ttf"},
                                     {"Gbx Alpha (TrueType)", "gbx-alpha.ttf"}};
  Install(others);
  const std::string fonts = FontsFolder();
  struct Row {
    const char* what;
    std::vector<FontFile> files;  // all of them the font's
    const wchar_t* name;          // as the list shows it
    std::wstring copied;
    const wchar_t* standIn;   // the preview's face while the files move
    const wchar_t* selected;  // afterwards
  };
  const Row rows[] = {
      {"a family over two collections, the entry above in the same files",
       {{"Gbx Mei & Gbx Mei UI (TrueType)", "gbx-mei.ttc"}, {"Gbx Mei Bold & Gbx Mei UI Bold (TrueType)", "gbx-meib.ttc"}},
       L"Gbx Mei UI", L"gbx-mei.ttc\r\ngbx-meib.ttc\r\n", L"Gbx Alpha", L"Gbx Alpha"},
      {"a collection's member whose bold and italic are single files",
       {{"Gbx Cam & Gbx Cam Math (TrueType)", "gbx-cam.ttc"}, {"Gbx Cam Bold (TrueType)", "gbx-camb.ttf"},
        {"Gbx Cam Italic (TrueType)", "gbx-cami.ttf"}},
       L"Gbx Cam", L"gbx-cam.ttc\r\ngbx-camb.ttf\r\ngbx-cami.ttf\r\n", L"Gbx Alpha", L"Gbx Alpha"},
      {"a family name of 40 characters, listed cut at 31",
       {{"Gbx Variable Display Semibold Compressed (TrueType)", "gbx-variable.ttf"}}, L"Gbx Variable Display Semibold C",
       L"gbx-variable.ttf\r\n", L"Gbx Twin B", L"Gbx Twin B"},
      {"a file and a value named outside code page 932",
       {{"Gbx Cafe (TrueType)", "gbx-café.ttf"}, {"Gbx Café Bold (TrueType)", "gbx-cafeb.ttf"}}, L"Gbx Cafe",
       L"gbx-café.ttf\r\ngbx-cafeb.ttf\r\n", L"Gbx Alpha", L"Gbx Alpha"},
      {"one file under two values, one spelling it in capitals outside ASCII",
       {{"Gbx Cafe (TrueType)", "gbx-café.ttf"}, {"Gbx Cafe Regular", "gbx-café.ttf", "GBX-CAFÉ.TTF"}}, L"Gbx Cafe",
       L"gbx-café.ttf\r\n", L"Gbx Alpha", L"Gbx Alpha"},
      {"one file under two values, through a variable and by its full path",
       {{"Gbx Cafe (TrueType)", "gbx-café.ttf", "%WINDIR%\\Fonts\\gbx-café.ttf"},
        {"Gbx Cafe Regular", "gbx-café.ttf", fonts + "gbx-café.ttf"}},
       L"Gbx Cafe", L"%WINDIR%\\Fonts\\gbx-café.ttf\r\n", L"Gbx Alpha", L"Gbx Alpha"},
      {"one collection under two values", {{"Gbx CollA (TrueType)", "gbx-coll.ttc"}, {"Gbx CollB (TrueType)", "gbx-coll.ttc"}},
       L"Gbx CollA", L"gbx-coll.ttc\r\n", L"Gbx Alpha", L"Gbx Alpha"},
      {"a bitmap font under two values, one of them no name of the font's",
       {{"Gbx Omega 8,10,12 (VGA res)", "gbx-omega.fon"}, {"Gbx Sans Serif (VGA res)", "gbx-omega.fon"}}, L"Gbx Omega",
       L"gbx-omega.fon\r\n", L"Gbx Alpha", L"Gbx Alpha"},
      {"a font renamed in place beside the one it was made from",
       {{"Gbx Twin A (TrueType)", "gbx-twina.ttf"}}, L"Gbx Twin A", L"gbx-twina.ttf\r\n", L"Gbx Solo", L"Gbx Solo"},
  };
  for (const Row& r : rows) {
    Install(r.files);
    Search(*form, L"Gbx*");
    if (IndexOf(form->List1, r.name) < 0) AddName(form->List1, r.name);  // not a loadable font: the registry places it
    Select(r.name);
    form->m_List_Copy_Click(1);
    EXPECT_EQ(ClipboardText(form->Handle()), r.copied) << r.what;

    std::wstring standIn;
    FontChangeListener moving([&] {
      if (standIn.empty()) standIn = FaceOf(PreviewFont(*form));
    });
    const auto said = Remove(IDYES);
    ASSERT_EQ(said.size(), 1u) << r.what << ": the question only";
    for (const FontFile& f : r.files) {
      // The question shows the value's name as code page 932 best fits it.
      EXPECT_NE(said[0].text.find(FromCp932(ToCp932(W(f.value))) + L"\r\n"), std::wstring::npos) << r.what << ": " << f.value;
      EXPECT_EQ(FontValue(f.value), "<none>") << r.what << ": " << f.value;
      EXPECT_EQ(InTrash(f.file), Original(f.file)) << r.what << ": " << f.file;
    }
    EXPECT_EQ(standIn, r.standIn) << r.what;
    EXPECT_EQ(form->List1.SelectedText(), r.selected) << r.what;
    for (const FontFile& f : others) EXPECT_EQ(InFontsFolder(f.file), Original(f.file)) << r.what << ": the others stay";
    EmptyTrash();
  }
}

TEST_F(Removal, NoChangesNothing) {
  Install({{"Gbx Solo (TrueType)", "gbx-solo.ttf"}});
  Gather(*form);
  Select(L"Gbx Solo");
  const World before = Snapshot();
  const int count = form->List1.Count();
  const auto said = Remove(IDNO);
  EXPECT_EQ(said.size(), 1u);
  EXPECT_EQ(Snapshot(), before);
  EXPECT_EQ(form->List1.Count(), count);
  EXPECT_EQ(form->List1.SelectedText(), L"Gbx Solo");
  EXPECT_EQ(form->Text2.FontName(), L"Gbx Solo");
  EXPECT_EQ(GetFocus(), form->List1.Handle());
}

TEST_F(Removal, TheFirstEntryLeavesThePreviewOnSystemAndNothingSelected) {
  Install({{"Gbx Solo (TrueType)", "gbx-solo.ttf"}, {"Gbx Quad (TrueType)", "gbx-quad.ttf"}});
  Search(*form, L"Gbx [QS]*");
  ASSERT_EQ(form->List1.Item(0), L"Gbx Quad");
  Select(L"Gbx Quad");
  Remove(IDYES);
  EXPECT_EQ(form->List1.ListIndex(), -1);
  EXPECT_EQ(form->Text2.FontName(), L"System");
  EXPECT_EQ(form->List1.Count(), 1);
}

TEST_F(Removal, TheNeighbourWalkPassesCharsetSiblings) {
  Install({{"Gbx Sib (TrueType)", "gbx-sib.ttf"},
           {"Gbx Sib Baltic (TrueType)", "gbx-sibbal.ttf"},
           {"Gbx Sib CE (TrueType)", "gbx-sibce.ttf"},
           {"Gbx Quad (TrueType)", "gbx-quad.ttf"}});
  Search(*form, L"Gbx [QS]*");
  ASSERT_EQ(form->List1.Item(0), L"Gbx Quad");
  Select(L"Gbx Sib CE");
  const auto said = Remove(IDYES);
  ASSERT_EQ(said.size(), 1u);
  EXPECT_EQ(said[0].text.substr(0, said[0].text.find(L"\r\n")), L"Gbx Sib (TrueType)") << "the family of Gbx Sib";
  EXPECT_EQ(form->List1.SelectedText(), L"Gbx Quad") << "past Gbx Sib Baltic and Gbx Sib";
  EXPECT_EQ(InTrash("gbx-sib.ttf"), Original("gbx-sib.ttf"));
  EXPECT_EQ(InFontsFolder("gbx-sibbal.ttf"), Original("gbx-sibbal.ttf")) << "a charset sibling's own value is not taken";
}

TEST_F(Removal, AFileHeldOpenIsRegisteredAgainAndNamed) {
  Install({{"Gbx Quad (TrueType)", "gbx-quad.ttf"}, {"Gbx Quad Bold (TrueType)", "gbx-quadb.ttf"}});
  Search(*form, L"gbx quad");
  Select(L"Gbx Quad");
  const auto said = RemoveHolding(FontsFolder() + "gbx-quadb.ttf");
  ASSERT_EQ(said.size(), 2u);
  EXPECT_EQ(said[1].text, L"gbx-quadb.ttf を削除できませんでした。\r\n\r\nファイルが使用中の可能性があります。");
  EXPECT_TRUE(said[1].errorIcon);
  EXPECT_EQ(InFontsFolder("gbx-quadb.ttf"), Original("gbx-quadb.ttf")) << "the held file stays where it was";
  EXPECT_EQ(FontValue("Gbx Quad Bold (TrueType)"), "gbx-quadb.ttf") << "and is registered again";
  // The other file either went to the recycle bin or stayed and was registered again.
  if (InFontsFolder("gbx-quad.ttf") == "<missing>") {
    EXPECT_EQ(InTrash("gbx-quad.ttf"), Original("gbx-quad.ttf"));
    EXPECT_EQ(FontValue("Gbx Quad (TrueType)"), "<none>");
  } else {
    EXPECT_EQ(FontValue("Gbx Quad (TrueType)"), "gbx-quad.ttf");
  }
  EXPECT_EQ(form->List1.SelectedText(), L"Gbx Quad");
  EXPECT_EQ(form->Text2.FontName(), L"Gbx Quad");
}

// "Gbx Quad" selected; its bold file went before the removal, its registration stayed.
class StaleValueRemoval : public Removal {
 protected:
  void SelectQuadWithAStaleBoldValue() {
    Install({{"Gbx Quad (TrueType)", "gbx-quad.ttf"}, {"Gbx Quad Bold (TrueType)", "gbx-quadb.ttf"}});
    Search(*form, L"gbx quad");
    Select(L"Gbx Quad");
    RemoveFontResourceA((FontsFolder() + "gbx-quadb.ttf").c_str());
    DeleteFileA((FontsFolder() + "gbx-quadb.ttf").c_str());
  }
};

TEST_F(StaleValueRemoval, GoesWithTheOthersAndTheRealFilesToTheRecycleBin) {
  SelectQuadWithAStaleBoldValue();
  const auto said = Remove(IDYES);
  EXPECT_EQ(said.size(), 1u) << "no failure: the question only";
  EXPECT_EQ(FontValue("Gbx Quad (TrueType)"), "<none>");
  EXPECT_EQ(FontValue("Gbx Quad Bold (TrueType)"), "<none>");
  EXPECT_EQ(InTrash("gbx-quad.ttf"), Original("gbx-quad.ttf"));
  EXPECT_EQ(IndexOf(form->List1, L"Gbx Quad"), -1);
}

TEST_F(StaleValueRemoval, ARollbackRestoresTheRealFilesValuesAndLeavesTheStaleOneOut) {
  SelectQuadWithAStaleBoldValue();
  const auto said = RemoveHolding(FontsFolder() + "gbx-quad.ttf");
  ASSERT_EQ(said.size(), 2u) << "the question, then the failure";
  EXPECT_EQ(said[1].text, L"gbx-quad.ttf を削除できませんでした。\r\n\r\nファイルが使用中の可能性があります。");
  EXPECT_EQ(FontValue("Gbx Quad (TrueType)"), "gbx-quad.ttf");
  EXPECT_EQ(FontValue("Gbx Quad Bold (TrueType)"), "<none>") << "a value for a file that is gone is not written back";
  EXPECT_EQ(InFontsFolder("gbx-quad.ttf"), Original("gbx-quad.ttf"));
}

TEST_F(Removal, TwoValuesNamingOneFileMoveItOnce) {
  Install({{"Gbx Quad (TrueType)", "gbx-quad.ttf"}});
  registry::SetFontValue("Gbx Quad Italic (TrueType)", "GBX-QUAD.TTF");
  Search(*form, L"gbx quad");
  Select(L"Gbx Quad");
  const auto failed = RemoveHolding(FontsFolder() + "gbx-quad.ttf");
  EXPECT_EQ(failed.size(), 2u) << "the question, then the failure";
  EXPECT_EQ(FontValue("Gbx Quad (TrueType)"), "gbx-quad.ttf") << "both values rolled back";
  EXPECT_EQ(FontValue("Gbx Quad Italic (TrueType)"), "GBX-QUAD.TTF");

  const auto said = Remove(IDYES);
  EXPECT_EQ(said.size(), 1u) << "no failure: the question only";
  EXPECT_EQ(FontValue("Gbx Quad Italic (TrueType)"), "<none>");
  EXPECT_EQ(InTrash("gbx-quad.ttf"), Original("gbx-quad.ttf"));
}

TEST_F(Removal, DataWithAVariableOrWithoutADriveNamesTheRealFile) {
  Install({{"Gbx Solo (TrueType)", "gbx-solo.ttf"}});
  struct Row {
    const char* what;
    std::string data;
    DWORD type;
  };
  const Row rows[] = {
      {"%WINDIR%", "%WINDIR%\\Fonts\\gbx-solo.ttf", REG_EXPAND_SZ},
      {"rooted without a drive", FontsFolder().substr(2) + "gbx-solo.ttf", REG_SZ},
  };
  for (const Row& r : rows) {
    const std::string file = FontsFolder() + "gbx-solo.ttf";
    CopyFileA((std::string(GBX_FONTS_DIR) + "\\gbx-solo.ttf").c_str(), file.c_str(), FALSE);
    AddFontResourceA(file.c_str());
    registry::SetFontValue("Gbx Solo (TrueType)", r.data, HKEY_LOCAL_MACHINE, r.type);
    Gather(*form);
    Select(L"Gbx Solo");
    const auto failed = RemoveHolding(file);
    EXPECT_EQ(failed.size(), 2u) << r.what << ": the question, then the failure";
    EXPECT_EQ(FontValue("Gbx Solo (TrueType)"), r.data) << r.what << ": rolled back byte for byte";
    EXPECT_EQ(registry::FontValueType("Gbx Solo (TrueType)"), r.type) << r.what;
    EXPECT_EQ(InFontsFolder("gbx-solo.ttf"), Original("gbx-solo.ttf")) << r.what;

    const auto said = Remove(IDYES);
    EXPECT_EQ(said.size(), 1u) << r.what << ": no failure";
    EXPECT_EQ(FontValue("Gbx Solo (TrueType)"), "<none>") << r.what;
    EXPECT_EQ(InFontsFolder("gbx-solo.ttf"), "<missing>") << r.what;
    EXPECT_EQ(InTrash("gbx-solo.ttf"), Original("gbx-solo.ttf")) << r.what;
    EmptyTrash();
  }
}

TEST_F(Removal, TheDeleteKeyDoesWhatTheMenuDoesWithAnyOfShiftCtrlAndAlt) {
  Install({{"Gbx Solo (TrueType)", "gbx-solo.ttf"}});
  Gather(*form);
  Select(L"Gbx Solo");
  struct Row {
    const char* what;
    bool shift, alt, ctrl;
  };
  for (const Row& r : {Row{"Shift", true, false, false}, Row{"Alt", false, true, false}, Row{"Ctrl", false, false, true}}) {
    const auto asked = RemoveByDeleteKey(IDNO, r.shift, r.alt, r.ctrl);
    ASSERT_EQ(asked.size(), 1u) << r.what << "+Delete asks";
    EXPECT_TRUE(asked[0].questionIcon) << r.what;
  }
  const auto said = RemoveByDeleteKey(IDYES);
  ASSERT_EQ(said.size(), 1u);
  EXPECT_EQ(InTrash("gbx-solo.ttf"), Original("gbx-solo.ttf"));
}

TEST_F(Removal, WithoutASelectionNeitherTheKeyNorTheMenuDoesAnything) {
  Install({{"Gbx Solo (TrueType)", "gbx-solo.ttf"}});
  Gather(*form);
  form->List1.SetListIndex(-1);
  const World before = Snapshot();
  EXPECT_TRUE(Remove(IDYES).empty());
  EXPECT_TRUE(RemoveByDeleteKey(IDYES).empty());
  EXPECT_EQ(Snapshot(), before);
}

