#include "shell/config_choices.h"

#include <gtest/gtest.h>

#include "tests/support/no_window.h"

TEST(ConfigChoices, ShowsTheStoredValuesAndNothingForUnknownOnes) {
  NoWindow window;
  ScreenSaver saver(window);
  struct Case {
    int mouseControl;
    int detail;
    CheckState box;
    int button;
  };
  for (const Case& c :
       {Case{0, 0, CheckState::kUnchecked, 0}, Case{1, 1, CheckState::kChecked, 1},
        Case{1, 2, CheckState::kChecked, 2}, Case{2, 3, CheckState::kUndecided, -1},
        Case{-1, 5, CheckState::kUndecided, -1}, Case{0, -1, CheckState::kUnchecked, -1}}) {
    saver.mouseControl = c.mouseControl;
    saver.detail = c.detail;
    const ShownSettings shown = ShowSettings(saver);
    EXPECT_EQ(shown.mouseControl, c.box) << c.mouseControl;
    EXPECT_EQ(shown.detail, c.button) << c.detail;
  }
}

TEST(ConfigChoices, OkStoresOnlyAPlainCheckAndHighWhenNoButtonIsChosen) {
  NoWindow window;
  ScreenSaver saver(window);
  StoreChoices(saver, true, 0);
  EXPECT_EQ(saver.mouseControl, 1);
  EXPECT_EQ(saver.detail, 0);
  StoreChoices(saver, false, 1);
  EXPECT_EQ(saver.mouseControl, 0);
  EXPECT_EQ(saver.detail, 1);
  StoreChoices(saver, true, -1);  // a stored 5 showed no button, and nothing was chosen
  EXPECT_EQ(saver.detail, 2);
  StoreChoices(saver, true, 2);
  EXPECT_EQ(saver.detail, 2);
}
