// When input closes the saver: the grace period, the mouse tolerance, the
// password handshake and the modes in which nothing closes.
#include "shell/closing_rules.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {
class RecordingWindow : public SaverWindowActions {
 public:
  int closePosts = 0;
  std::vector<std::int32_t> cursorRefreshes;  // checkingPassword at each refresh
  bool acceptPassword = true;
  int passwordPrompts = 0;
  std::function<void()> duringPrompt;  // stands for messages dispatched while the prompt is up
  ScreenSaver* saver = nullptr;

  void PostCloseMessage() override { ++closePosts; }
  void RefreshCursor() override { cursorRefreshes.push_back(saver->checkingPassword); }
  bool VerifyPassword() override {
    ++passwordPrompts;
    if (duringPrompt) duringPrompt();
    return acceptPassword;
  }
};

struct ClosingRulesTest : testing::Test {
  RecordingWindow window;
  ScreenSaver saver{window};
  InputState input;

  ClosingRulesTest() {
    window.saver = &saver;
    saver.passwordDelay = 15;
    saver.startTick = 100000;
    saver.mouseControl = 0;
  }

  // What the window procedure does with a response: only the close request matters here.
  void Carry(const InputResponse& response) {
    if (response.requestClose) saver.RequestClose();
  }
  CloseOutcome CloseAfter(std::uint32_t milliseconds) {
    return OnCloseMessage(SaverMode::kFullScreen, saver, saver.startTick + milliseconds);
  }
};

TEST_F(ClosingRulesTest, GracePeriodIncludesItsLastMillisecond) {
  saver.closeRequested = 1;
  EXPECT_EQ(CloseAfter(14900), CloseOutcome::kDestroy);
  EXPECT_EQ(CloseAfter(15000), CloseOutcome::kDestroy);
  EXPECT_EQ(window.passwordPrompts, 0);

  window.acceptPassword = true;
  EXPECT_EQ(CloseAfter(15001), CloseOutcome::kDestroy);
  EXPECT_EQ(window.passwordPrompts, 1);
  // Shown for the prompt, hidden again after it.
  EXPECT_EQ(window.cursorRefreshes, (std::vector<std::int32_t>{1, 0}));
  EXPECT_EQ(saver.checkingPassword, 0);
}

TEST_F(ClosingRulesTest, ElapsedTimeSurvivesAWrapOfTheTickCounter) {
  saver.closeRequested = 1;
  saver.startTick = 0xFFFFF000u;
  EXPECT_EQ(CloseAfter(14900), CloseOutcome::kDestroy);  // now is a small number
  EXPECT_EQ(window.passwordPrompts, 0);
  window.acceptPassword = false;
  EXPECT_EQ(CloseAfter(20000), CloseOutcome::kKeepRunning);
  EXPECT_EQ(window.passwordPrompts, 1);
}

TEST_F(ClosingRulesTest, ZeroAndLongDelaysCompareInUnsignedMilliseconds) {
  saver.closeRequested = 1;
  saver.passwordDelay = 0;
  window.acceptPassword = false;
  EXPECT_EQ(CloseAfter(0), CloseOutcome::kDestroy);
  EXPECT_EQ(CloseAfter(1), CloseOutcome::kKeepRunning);
  // 34 days: the milliseconds fit an unsigned 32-bit count, not a signed one.
  saver.passwordDelay = 3000000;
  EXPECT_EQ(CloseAfter(3000000000u), CloseOutcome::kDestroy);
  EXPECT_EQ(window.passwordPrompts, 1);
  EXPECT_EQ(CloseAfter(3000000001u), CloseOutcome::kKeepRunning);
  EXPECT_EQ(window.passwordPrompts, 2);
}

TEST_F(ClosingRulesTest, UnrequestedCloseMessagesAreIgnoredOnlyWhileSaving) {
  EXPECT_EQ(CloseAfter(1000), CloseOutcome::kKeepRunning);
  for (SaverMode mode : {SaverMode::kPreview, SaverMode::kConfigure, SaverMode::kNothing}) {
    EXPECT_EQ(OnCloseMessage(mode, saver, saver.startTick + 1000), CloseOutcome::kPassOn);
  }
  saver.closeRequested = 1;
  EXPECT_EQ(OnCloseMessage(SaverMode::kPreview, saver, saver.startTick + 60000),
            CloseOutcome::kPassOn);
  EXPECT_EQ(window.passwordPrompts, 0);
}

TEST_F(ClosingRulesTest, RefusedPasswordKeepsRunningUntilTheNextInputAsksAgain) {
  window.acceptPassword = false;
  std::vector<CloseOutcome> nested;
  std::vector<InputResponse> inputDuringPrompt;
  window.duringPrompt = [&] {
    // The user types the password: keys must not request closing, and a
    // stray close message must not start a second prompt.
    inputDuringPrompt.push_back(OnKeyPress(SaverMode::kFullScreen, saver, false, false));
    nested.push_back(CloseAfter(30000));
  };

  Carry(OnKeyPress(SaverMode::kFullScreen, saver, false, false));
  EXPECT_EQ(window.closePosts, 1);
  EXPECT_EQ(CloseAfter(20000), CloseOutcome::kKeepRunning);
  EXPECT_EQ(window.passwordPrompts, 1);
  ASSERT_EQ(nested.size(), 1u);
  EXPECT_EQ(nested[0], CloseOutcome::kKeepRunning);
  EXPECT_FALSE(inputDuringPrompt[0].requestClose);
  EXPECT_EQ(saver.closeRequested, 1);

  window.acceptPassword = true;
  Carry(OnKeyPress(SaverMode::kFullScreen, saver, false, false));
  EXPECT_EQ(window.closePosts, 2);
  EXPECT_EQ(CloseAfter(25000), CloseOutcome::kDestroy);
  EXPECT_EQ(window.passwordPrompts, 2);
}

TEST_F(ClosingRulesTest, KeysCloseOnlyWhileSavingAndEnterOnlyTogglesTheLook) {
  const InputResponse enter = OnKeyPress(SaverMode::kFullScreen, saver, true, false);
  EXPECT_TRUE(enter.toggleDaylight);
  EXPECT_FALSE(enter.requestClose);

  const InputResponse other = OnKeyPress(SaverMode::kFullScreen, saver, false, false);
  EXPECT_TRUE(other.requestClose);
  EXPECT_FALSE(other.toggleDaylight);

  for (SaverMode mode : {SaverMode::kPreview, SaverMode::kConfigure}) {
    EXPECT_TRUE(OnKeyPress(mode, saver, true, false).toggleDaylight);
    EXPECT_FALSE(OnKeyPress(mode, saver, false, false).requestClose);
  }

  saver.checkingPassword = 1;
  EXPECT_TRUE(OnKeyPress(SaverMode::kFullScreen, saver, true, false).toggleDaylight);
  EXPECT_FALSE(OnKeyPress(SaverMode::kFullScreen, saver, false, false).requestClose);
  EXPECT_FALSE(IsSaving(SaverMode::kFullScreen, saver));
}

TEST_F(ClosingRulesTest, HeldEnterTogglesOnceWhileAHeldKeyStillCloses) {
  struct Case {
    bool isEnter, isRepeat, toggles, closes;
  };
  for (const Case& key : {Case{true, false, true, false}, Case{true, true, false, false},
                          Case{false, false, false, true}, Case{false, true, false, true}}) {
    const InputResponse response =
        OnKeyPress(SaverMode::kFullScreen, saver, key.isEnter, key.isRepeat);
    EXPECT_EQ(response.toggleDaylight, key.toggles) << key.isEnter << key.isRepeat;
    EXPECT_EQ(response.requestClose, key.closes) << key.isEnter << key.isRepeat;
  }
}

TEST_F(ClosingRulesTest, LosingActivationClosesOnlyWhileSaving) {
  EXPECT_TRUE(OnActivation(SaverMode::kFullScreen, saver, false).requestClose);
  EXPECT_FALSE(OnActivation(SaverMode::kFullScreen, saver, true).requestClose);
  EXPECT_FALSE(OnActivation(SaverMode::kPreview, saver, false).requestClose);
  saver.checkingPassword = 1;
  EXPECT_FALSE(OnActivation(SaverMode::kFullScreen, saver, false).requestClose);
}

TEST_F(ClosingRulesTest, TravelBeyondFivePixelsFromTheFirstMoveClosesHoweverSmallTheSteps) {
  const auto move = [&](int x, int y) {
    return OnMouseMove(SaverMode::kFullScreen, saver, input, CursorPoint{x, y}).requestClose;
  };
  EXPECT_FALSE(move(900, 700));  // the first move, however far
  // A jitter around the first place, each step small, never wakes it.
  for (int i = 0; i < 50; ++i) {
    EXPECT_FALSE(move(900 + (i % 11) - 5, 700 - (i % 7) + 3)) << i;
  }
  // A slow sweep of one-pixel steps closes at the sixth pixel.
  for (int x = 901; x <= 905; ++x) EXPECT_FALSE(move(x, 700));
  EXPECT_TRUE(move(906, 700));
  EXPECT_TRUE(move(900, 694));
  EXPECT_EQ(input.mouseMoveCount, 58);
  EXPECT_EQ(input.lastCursor.y, 694);
}

TEST_F(ClosingRulesTest, APointerEnteringAnotherSurfaceKeepsItsTravel) {
  const auto move = [&](int x, int y) {
    return OnMouseMove(SaverMode::kFullScreen, saver, input, CursorPoint{x, y}).requestClose;
  };
  move(1910, 500);
  EXPECT_FALSE(move(1913, 500));
  // The next output counts from its own corner: 3 pixels travelled so far.
  RebaseCursor(input, CursorPoint{0, 500});
  EXPECT_FALSE(move(2, 500));
  EXPECT_TRUE(move(3, 500));
}

TEST_F(ClosingRulesTest, WithMouseControlDragsSteerAndNothingCloses) {
  saver.mouseControl = 1;
  OnButtonPress(input, MouseButton::kLeft, CursorPoint{100, 100});
  InputResponse response = OnMouseMove(SaverMode::kFullScreen, saver, input, CursorPoint{400, 90});
  EXPECT_FALSE(response.requestClose);
  EXPECT_EQ(response.viewChange, ViewChange::kRotate);
  EXPECT_EQ(response.dx, 300);
  EXPECT_EQ(response.dy, -10);
  EXPECT_EQ(input.mouseMoveCount, 0);

  OnButtonRelease(input, MouseButton::kLeft);
  OnButtonPress(input, MouseButton::kRight, CursorPoint{0, 0});
  response = OnMouseMove(SaverMode::kFullScreen, saver, input, CursorPoint{3, 250});
  EXPECT_FALSE(response.requestClose);
  EXPECT_EQ(response.viewChange, ViewChange::kZoom);
  EXPECT_EQ(response.dy, 250);

  // Left wins when both are held.
  OnButtonPress(input, MouseButton::kLeft, CursorPoint{3, 250});
  EXPECT_EQ(OnMouseMove(SaverMode::kFullScreen, saver, input, CursorPoint{5, 250}).viewChange,
            ViewChange::kRotate);
  OnButtonRelease(input, MouseButton::kLeft);
  OnButtonRelease(input, MouseButton::kRight);
  EXPECT_EQ(OnMouseMove(SaverMode::kFullScreen, saver, input, CursorPoint{900, 900}).viewChange,
            ViewChange::kNone);
}

TEST_F(ClosingRulesTest, PreviewNeverClosesOnInputButTracksButtons) {
  const SaverMode preview = SaverMode::kPreview;
  OnButtonPress(input, MouseButton::kLeft, CursorPoint{10, 20});
  OnButtonPress(input, MouseButton::kRight, CursorPoint{30, 40});
  EXPECT_EQ(input.leftDrag, 1);
  EXPECT_EQ(input.rightDrag, 1);
  EXPECT_EQ(input.lastCursor.x, 30);
  for (int i = 0; i < 3; ++i) {
    const InputResponse response = OnMouseMove(preview, saver, input, CursorPoint{500, 500 * i});
    EXPECT_FALSE(response.requestClose);
    EXPECT_EQ(response.viewChange, ViewChange::kNone);
  }
  EXPECT_EQ(input.mouseMoveCount, 0);
  EXPECT_EQ(input.lastCursor.y, 40);
  OnButtonRelease(input, MouseButton::kRight);
  EXPECT_EQ(input.leftDrag, 1);
  EXPECT_EQ(input.rightDrag, 0);
  EXPECT_EQ(window.closePosts, 0);
}

TEST_F(ClosingRulesTest, MovesDuringThePasswordPromptAreNotHandled) {
  saver.checkingPassword = 1;
  OnButtonPress(input, MouseButton::kLeft, CursorPoint{0, 0});
  input.mouseMoveCount = 3;
  const InputResponse response =
      OnMouseMove(SaverMode::kFullScreen, saver, input, CursorPoint{50, 50});
  EXPECT_FALSE(response.requestClose);
  EXPECT_EQ(response.viewChange, ViewChange::kNone);
  EXPECT_EQ(input.mouseMoveCount, 3);
}

TEST(SystemCommands, ScreenSaveAndCloseAreSwallowedOnlyInFullScreen) {
  EXPECT_TRUE(SwallowsSystemCommand(SaverMode::kFullScreen, SystemCommand::kScreenSave));
  EXPECT_TRUE(SwallowsSystemCommand(SaverMode::kFullScreen, SystemCommand::kClose));
  EXPECT_FALSE(SwallowsSystemCommand(SaverMode::kFullScreen, SystemCommand::kOther));
  EXPECT_FALSE(SwallowsSystemCommand(SaverMode::kPreview, SystemCommand::kClose));
  EXPECT_FALSE(SwallowsSystemCommand(SaverMode::kPreview, SystemCommand::kScreenSave));
}
}  // namespace
