// Files dropped on the preview, through its registered drop target.
#include "harness.h"

#include <string>
#include <vector>

#include "support/dataobject.h"
#include "support/files.h"
#include "support/text.h"

namespace {

std::string WriteTemp(const char* name, const std::string& bytes) { return WriteBytes(TempPath(name), bytes); }

}  // namespace

class Drop : public MainWindow {
 protected:
  // Drags the data over the preview and drops it; returns the effect the target reported.
  DWORD DropOnPreview(TestDataObject* data) {
    // Where the platform looks for a window's drop target: set only by a registration that
    // worked, which needs OLE started on this thread.
    auto* target = static_cast<IDropTarget*>(::GetPropA(form->Text2.Handle(), "OleDropTargetInterface"));
    if (!target) {
      data->Release();
      ADD_FAILURE() << "the preview takes no drops";
      return DROPEFFECT_NONE;
    }
    POINTL at{10, 10};
    DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    target->DragEnter(data, MK_LBUTTON, at, &effect);
    effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    target->Drop(data, MK_LBUTTON, at, &effect);
    data->Release();
    Pump();
    return effect;
  }
};

TEST_F(Drop, TheFirstOfSeveralFilesReplacesTheSampleText) {
  const auto first = WriteTemp("gbx-drop-1.txt", "first file\r\n\x82\xA0\x82\xA2");  // あい
  const auto second = WriteTemp("gbx-drop-2.txt", "second file");
  const LOGFONTA before = PreviewFont(*form);
  EXPECT_EQ(DropOnPreview(TestDataObject::Files({first, second})), static_cast<DWORD>(DROPEFFECT_COPY));
  EXPECT_EQ(form->Text2.Text(), L"first file\r\nあい");
  const LOGFONTA after = PreviewFont(*form);
  EXPECT_EQ(after.lfHeight, before.lfHeight) << "the preview's font is untouched";
  EXPECT_STREQ(after.lfFaceName, before.lfFaceName);
}

TEST_F(Drop, PathsTheCodePageCannotSpellAreReadAllTheSame) {
  const std::wstring temp = FromCp932(TempPath(""));
  const std::wstring folder = temp + L"gbx-drop-" + std::wstring(140, L'd');
  CreateDirectoryW((L"\\\\?\\" + folder).c_str(), nullptr);
  struct Row {
    const char* what;
    std::wstring path;
  };
  const Row rows[] = {
      {"a name with a character code page 932 lacks", temp + L"gbx-drop-\uD55C.txt"},  // Hangul
      {"a path of 300 characters", folder + L"\\" + std::wstring(300 - folder.size() - 5, L'f') + L".txt"},
  };
  for (const Row& r : rows) {
    const std::wstring full = r.path.size() < MAX_PATH ? r.path : L"\\\\?\\" + r.path;
    HANDLE h = CreateFileW(full.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE) << r.what;
    DWORD wrote = 0;
    WriteFile(h, "found", 5, &wrote, nullptr);
    CloseHandle(h);
    form->Text2.SetText(L"before");
    DropOnPreview(TestDataObject::Files(std::vector<std::wstring>{r.path}));
    EXPECT_EQ(form->Text2.Text(), L"found") << r.what;
    DeleteFileW(full.c_str());
  }
  RemoveDirectoryW((L"\\\\?\\" + folder).c_str());
}

TEST_F(Drop, DroppedTextChangesNothing) {
  const std::wstring before = form->Text2.Text();
  EXPECT_EQ(DropOnPreview(TestDataObject::Text("some text")), static_cast<DWORD>(DROPEFFECT_NONE));
  EXPECT_EQ(form->Text2.Text(), before);
}

TEST_F(Drop, SizesAroundTheLimit) {
  struct Row {
    const char* what;
    std::string bytes;
    std::string shown;
  };
  const std::string a32800(32800, 'a');
  const Row rows[] = {
      {"an empty file", "", ""},
      {"exactly 32,800 bytes", a32800, a32800},
      {"40,000 bytes: the first 32,801", std::string(40000, 'b'), std::string(32801, 'b')},
  };
  for (const Row& r : rows) {
    const auto path = WriteTemp("gbx-drop-size.txt", r.bytes);
    DropOnPreview(TestDataObject::Files({path}));
    const std::string shown = WindowTextBytes(form->Text2.Handle());
    EXPECT_EQ(shown.size(), r.shown.size()) << r.what;
    EXPECT_TRUE(shown == r.shown) << r.what;
  }
}

TEST_F(Drop, UnicodeFilesAreReadAsTheyAreMarkedOrWrittenAndOthersInCodePage932) {
  const std::string a = "\xE3\x81\x82", u16le("\x42\x30", 2), u16be("\x30\x42", 2);  // あ
  struct Row {
    const char* what;
    std::string bytes;
    std::wstring shown;
  };
  const Row rows[] = {
      {"UTF-8 without a byte-order mark, as Notepad saves it", "abc " + a, L"abc あ"},
      {"UTF-8 with a byte-order mark", "\xEF\xBB\xBF" "abc " + a, L"abc あ"},
      {"UTF-16 LE, up to its first NUL", std::string("\xFF\xFE" "A\0", 4) + u16le + std::string("\0\0B\0", 4), L"Aあ"},
      {"UTF-16 BE", std::string("\xFE\xFF\0A", 4) + u16be, L"Aあ"},
      {"code page 932", "abc \x82\xA0\x82\xA2", L"abc あい"},
      {"UTF-8 outside code page 932 and beyond the Basic Multilingual Plane, whole",
       "ABC \xE3\x81\x8B\xE3\x81\xAA\r\n\xF0\xA0\xAE\xB7 \xE3\x8B\xBF \xF0\x9F\x8D\xA3", L"ABC かな\r\n\U00020BB7 \u32FF \U0001F363"},
      {"UTF-8 cut by the limit inside a character", a + std::string(32797, 'u') + a + "tail", L"あ" + std::wstring(32797, L'u')},
      {"code page 932 cut after a lead byte", std::string(32800, 'c') + "\x82\xA0" "tail", std::wstring(32800, L'c')},
  };
  for (const Row& r : rows) {
    DropOnPreview(TestDataObject::Files({WriteTemp("gbx-drop-text.txt", r.bytes)}));
    EXPECT_EQ(form->Text2.Text(), r.shown) << r.what;
  }
}

TEST_F(Drop, FoldersAndMissingFilesLeaveTheOldText) {
  const auto path = WriteTemp("gbx-drop-keep.txt", "kept");
  DropOnPreview(TestDataObject::Files({path}));
  for (const std::string& bad : {TempPath(""), TempPath("gbx-no-such-file.txt")}) {
    DropOnPreview(TestDataObject::Files({bad}));
    EXPECT_EQ(form->Text2.Text(), L"kept") << bad;
  }
}

TEST_F(Drop, OfAHugeFileOnlyTheStartIsShown) {
  // A sparse file of 6 GB, as big as no text box holds (the time it takes is in bench/).
  const std::string path = TempPath("gbx-drop-huge.bin");
  HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD wrote = 0;
  WriteFile(h, "huge file head", 14, &wrote, nullptr);
  LARGE_INTEGER size;
  size.QuadPart = 6LL * 1024 * 1024 * 1024;
  SetFilePointerEx(h, size, nullptr, FILE_BEGIN);
  SetEndOfFile(h);
  CloseHandle(h);
  DropOnPreview(TestDataObject::Files({path}));
  DeleteFileA(path.c_str());
  EXPECT_EQ(form->Text2.Text(), L"huge file head") << "the zero bytes after it end the text";
}

// The platform holds the preview's drop target from its registration on; it must let go
// before the window goes, or it would be left holding an object the program frees.
TEST_F(Drop, ClosingTheWindowTakesThePreviewOffTheDropTargets) {
  const auto references = [this] {
    form->text2Drops.AddRef();
    return form->text2Drops.Release();
  };
  EXPECT_GT(references(), 0u) << "registered";
  SendMessageA(form->Handle(), WM_CLOSE, 0, 0);
  Pump();
  EXPECT_EQ(references(), 0u) << "revoked";
}
