#include <gtest/gtest.h>

#include "ui/win.h"

#include <commctrl.h>
#include <ole2.h>

int main(int argc, char** argv) {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  ::InitCommonControlsEx(&icc);
  ::OleInitialize(nullptr);  // the preview is a drop target
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
