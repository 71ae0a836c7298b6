// The watcher's decisions without a desktop: when the saver starts (never in
// a loop, never over a lock), how X's idle readings become turns and how
// seldom they are read, and its command line.
#include <gtest/gtest.h>

#include "shell/linux/idle/idle_arguments.h"
#include "shell/linux/idle/idle_periods.h"
#include "shell/linux/idle/idle_time_follower.h"

namespace {
constexpr bool kFree = true;
constexpr bool kLocked = false;

TEST(IdlePeriods, StartsOncePerIdlePeriodWhateverBecomesOfTheSaver) {
  IdlePeriods periods;
  EXPECT_EQ(periods.OnIdle(kFree), IdleAction::kStartSaver);
  EXPECT_TRUE(periods.saverRunning());
  EXPECT_EQ(periods.OnIdle(kFree), IdleAction::kNothing);  // never a second saver
  periods.OnSaverEnded();                                  // died with no input
  EXPECT_FALSE(periods.saverRunning());
  EXPECT_EQ(periods.OnIdle(kFree), IdleAction::kNothing);  // no restart in a loop
  periods.OnActive();
  EXPECT_EQ(periods.OnIdle(kFree), IdleAction::kStartSaver);
}

TEST(IdlePeriods, ALockedSessionWaitsForTheNextPeriod) {
  IdlePeriods periods;
  EXPECT_EQ(periods.OnIdle(kLocked), IdleAction::kNothing);
  EXPECT_FALSE(periods.saverRunning());
  periods.OnActive();
  EXPECT_EQ(periods.OnIdle(kFree), IdleAction::kStartSaver);
}

TEST(IdleTimeFollower, TurnsIdleAtTheThresholdAndReadsNoSoonerThanNeeded) {
  IdleTimeFollower follower(60000);
  IdleTurn turn = follower.Follow(0);
  EXPECT_FALSE(turn.becameIdle);
  EXPECT_EQ(turn.nextReadingMs, 60000u);  // asleep until the threshold can be reached
  turn = follower.Follow(59600);
  EXPECT_FALSE(turn.becameIdle);
  EXPECT_EQ(turn.nextReadingMs, IdleTimeFollower::kShortestWaitMs);  // never under a second
  turn = follower.Follow(60600);
  EXPECT_TRUE(turn.becameIdle);
  EXPECT_EQ(turn.nextReadingMs, IdleTimeFollower::kShortestWaitMs);
  turn = follower.Follow(61600);
  EXPECT_FALSE(turn.becameIdle || turn.becameActive);  // one turn per period
}

TEST(IdleTimeFollower, AFallenIdleTimeIsInputEvenPastTheThreshold) {
  IdleTimeFollower follower(1000);
  EXPECT_TRUE(follower.Follow(5000).becameIdle);
  // Input came between two readings a second apart, and the idle time climbed again.
  const IdleTurn turn = follower.Follow(1200);
  EXPECT_TRUE(turn.becameActive);
  EXPECT_TRUE(turn.becameIdle);
  EXPECT_TRUE(follower.Follow(10).becameActive);
}

IdleArguments Parse(std::initializer_list<const char*> words) {
  std::vector<const char*> argv{"vorn-idle"};
  argv.insert(argv.end(), words);
  return ParseIdleArguments(static_cast<int>(argv.size()), argv.data());
}

TEST(IdleArguments, AfterTakesWholeSecondsUpToADay) {
  EXPECT_EQ(Parse({}).command, IdleCommand::kWatch);
  EXPECT_FALSE(Parse({}).afterSeconds);
  EXPECT_EQ(Parse({"--after", "2"}).afterSeconds, 2u);
  EXPECT_EQ(Parse({"--after", "86400"}).afterSeconds, 86400u);
  for (const char* bad : {"0", "86401", "-1", "2s", "", "99999999999999999999"}) {
    EXPECT_EQ(Parse({"--after", bad}).command, IdleCommand::kUsageError) << bad;
  }
  EXPECT_EQ(Parse({"--after"}).command, IdleCommand::kUsageError);
  EXPECT_EQ(Parse({"/s"}).error, "unknown option /s");
}

TEST(IdleArguments, HelpAndVersionActWhereverTheyStand) {
  EXPECT_EQ(Parse({"--after", "x", "--help"}).command, IdleCommand::kHelp);
  EXPECT_EQ(Parse({"-h"}).command, IdleCommand::kHelp);
  EXPECT_EQ(Parse({"--bogus", "--version"}).command, IdleCommand::kVersion);
}
}  // namespace
