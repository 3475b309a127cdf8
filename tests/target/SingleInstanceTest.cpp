// One copy of the program at a time, except that a copy the update relay started while the
// copy that started it is ending waits for that one instead of giving way. (An ordinary second
// copy giving way: gui MainWindowGuiTest.)

#include <windows.h>
#include <gtest/gtest.h>

#include <thread>

#include "app/MainView.h"
#include "app/win32/SingleInstance.h"
#include "fakes/RecordingErrorSink.h"
#include "platform/win32/Win32Desktop.h"
#include "support/TestWorld.h"

namespace cw::win32 {
namespace {

// A copy of the program with its main window, which ends a moment after it was told to
// (as the update's hand-over ends right after it started the next program). Its window
// answers messages meanwhile, as a running program's does.
class EndingCopy {
  public:
    explicit EndingCopy(DWORD lifeMs) {
        thread_ = std::thread([this, lifeMs] { Run(lifeMs); });
        WaitForSingleObject(ready_, 10000);
    }
    ~EndingCopy() {
        thread_.join();
        CloseHandle(ready_);
    }
    bool acquired = false;

  private:
    void Run(DWORD lifeMs) {
        Win32Desktop desktop;
        fakes::RecordingErrorSink errors;
        SingleInstance instance;
        acquired = instance.Acquire(desktop, errors);
        WNDCLASSA wc = {};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = kMainWindowClass;
        RegisterClassA(&wc);
        HWND window = CreateWindowExA(0, kMainWindowClass, "Clearwell v2.10", WS_OVERLAPPED, 0, 0,
                                      100, 100, nullptr, nullptr, wc.hInstance, nullptr);
        SetEvent(ready_);
        testing::PumpMessages(lifeMs);  // its window answers meanwhile
        DestroyWindow(window);
        UnregisterClassA(kMainWindowClass, wc.hInstance);
    }  // the copy ends: its hold on the single-instance mutex goes

    HANDLE ready_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    std::thread thread_;
};

TEST(SingleInstanceTest, TheRelaysNextLegWaitsForTheEndingCopyThatStartedIt) {
    Win32Desktop desktop;
    fakes::RecordingErrorSink errors;
    {
        EndingCopy first(1500);
        ASSERT_TRUE(first.acquired);
        // The relay's next leg waits for the copy that started it, window or not, and runs.
        SingleInstance next;
        DWORD start = GetTickCount();
        EXPECT_TRUE(next.Acquire(desktop, errors, true));
        EXPECT_LT(GetTickCount() - start, 8000u);
    }
    EXPECT_TRUE(errors.reports.empty());
}

}  // namespace
}  // namespace cw::win32
