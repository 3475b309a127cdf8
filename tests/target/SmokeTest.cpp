#include <gtest/gtest.h>
#include <windows.h>

TEST(SmokeTest, RunsUnderWindows) {
    EXPECT_NE(GetTickCount(), 0u);
}
