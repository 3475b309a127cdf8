// The connection test the error report and the update start with, over WinINet against the
// local test server: a site that takes the connection but never answers is given up on in
// time, so a failing routine is not held up by its report.

#include <windows.h>
#include <gtest/gtest.h>

#include "platform/win32/Win32Internet.h"
#include "report/ConnectionTest.h"
#include "support/TestWorld.h"

namespace cw::testing {
namespace {

TEST(ConnectionTestUnderWine, ASilentSiteIsGivenUpOnWithinTheBound) {
    TestServer::Reset();
    TestServer::Route("/silent", "delay=8000");
    win32::Win32Internet internet;
    ConnectionTest silent(internet, {TestServer::BaseUrl() + "/silent", "Clearwell", 1000});
    DWORD start = GetTickCount();
    EXPECT_FALSE(silent.TestConnection());
    EXPECT_LT(GetTickCount() - start, 3000u);
}

}  // namespace
}  // namespace cw::testing
