// Folder change notifications, the same on the fake and on the platform: a change directly
// in the folder signals the watch and the signal holds until Resume; changes below the
// folder and before the watch do not count; a missing folder cannot be watched.

#include <gtest/gtest.h>

#include "contract/ContractWorld.h"

namespace cw::contract {
namespace {

constexpr std::uint32_t kGuardFilter = kNotifyFileName | kNotifyAttributes | kNotifyLastWrite;

// Polls without blocking until the watch is signalled or the time is up.
bool SignalledWithin(World& world, FolderWatch& watch, int ms) {
    for (int waited = 0;; waited += 20) {
        if (watch.Poll() == kWaitSignalled) return true;
        if (waited >= ms) return false;
        world.Settle(20);
    }
}

// Resumes until no further change is pending (one action can be several changes).
bool Drain(World& world, FolderWatch& watch) {
    for (int i = 0; i < 20; ++i) {
        if (watch.Resume() != kErrorSuccess) return false;
        world.Settle(150);
        if (watch.Poll() == kWaitTimeout) return true;
    }
    return false;
}

using ChangeWatchContract = ContractTest;

TEST_F(ChangeWatchContract, NewFileSignalsUntilResumedAndLaterChangesSignalAgain) {
    std::string folder = world.Root("signal");
    WriteFile(world.fs(), folder + "\\before.txt", "old");

    std::unique_ptr<FolderWatch> watch;
    ASSERT_EQ(world.watch().Watch(folder, kGuardFilter, watch), kErrorSuccess);
    ASSERT_NE(watch, nullptr);
    world.Settle(100);
    EXPECT_EQ(watch->Poll(), kWaitTimeout) << "what was there before the watch is no change";

    WriteFile(world.fs(), folder + "\\new.url", "[InternetShortcut]");
    ASSERT_TRUE(SignalledWithin(world, *watch, 2000));
    EXPECT_EQ(watch->Poll(), kWaitSignalled) << "a signal holds until the watch is resumed";

    ASSERT_TRUE(Drain(world, *watch));
    world.Settle(200);
    EXPECT_EQ(watch->Poll(), kWaitTimeout);

    ASSERT_EQ(world.fs().Delete(folder + "\\new.url"), kErrorSuccess);
    EXPECT_TRUE(SignalledWithin(world, *watch, 2000)) << "a deletion is a file-name change";
    ASSERT_TRUE(Drain(world, *watch));

    ASSERT_EQ(world.fs().SetAttributes(folder + "\\before.txt", kAttrReadOnly), kErrorSuccess);
    EXPECT_TRUE(SignalledWithin(world, *watch, 2000)) << "an attribute change";
    world.fs().SetAttributes(folder + "\\before.txt", kAttrNormal);
}

// What a caller can rely on: a change made after Resume signals, even while an earlier one is
// still unhandled. (Changes made between a signal and Resume are lost under Wine, so a caller
// resumes first and then looks at the folder.) Files in subfolders are not watched, and a
// missing folder cannot be.
TEST_F(ChangeWatchContract, ChangeAfterResumeSignalsAndSubfoldersAreNotWatched) {
    std::string folder = world.Root("after");
    ASSERT_EQ(world.fs().CreateFolder(folder + "\\Links"), kErrorSuccess);
    std::unique_ptr<FolderWatch> watch;
    long status = world.watch().Watch(folder + "\\absent", kGuardFilter, watch);
    EXPECT_TRUE(status == kErrorFileNotFound || status == kErrorPathNotFound) << status;
    EXPECT_EQ(watch, nullptr);
    EXPECT_NE(world.watch().Watch("", kGuardFilter, watch), kErrorSuccess);
    EXPECT_EQ(watch, nullptr);
    ASSERT_EQ(world.watch().Watch(folder, kNotifyFileName, watch), kErrorSuccess);

    WriteFile(world.fs(), folder + "\\Links\\deep.url", "x");
    world.Settle(500);
    EXPECT_EQ(watch->Poll(), kWaitTimeout) << "a file in a subfolder";

    WriteFile(world.fs(), folder + "\\one.url", "1");
    ASSERT_TRUE(SignalledWithin(world, *watch, 2000));
    ASSERT_EQ(watch->Resume(), kErrorSuccess);
    WriteFile(world.fs(), folder + "\\two.url", "2");
    EXPECT_TRUE(SignalledWithin(world, *watch, 2000));
}

}  // namespace
}  // namespace cw::contract
