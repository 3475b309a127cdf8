#pragma once
// Trace cleaners and browser steps that only record their calls, in one shared log, so that
// a test sees the order of the whole run. A step can be made to fail or to do something.

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "clean/BrowserCleaningSteps.h"
#include "clean/TraceCleaners.h"
#include "errors/RuntimeError.h"

namespace cw::fakes {

struct CallLog {
    std::vector<std::string> calls;
    // Runs when the named step is called (after it was logged); may throw.
    std::map<std::string, std::function<void()>> actions;

    void Call(const std::string& name) {
        calls.push_back(name);
        auto it = actions.find(name);
        if (it == actions.end() || !it->second) return;
        auto action = it->second;  // the action may replace or remove itself
        action();
    }
    void Fail(const std::string& name, int number = err::kPermissionDenied) {
        actions[name] = [number] { throw RuntimeError(number); };
    }
};

class RecordingTraceCleaners : public TraceCleaners {
  public:
    explicit RecordingTraceCleaners(CallLog& log) : log_(log) {}
    void ClearRecentDocuments() override { log_.Call("ClearRecentDocuments"); }
    void ClearIEHistory() override { log_.Call("ClearIEHistory"); }
    void ClearRunMRU() override { log_.Call("ClearRunMRU"); }
    void DeleteTypedUrls() override { log_.Call("DeleteTypedUrls"); }
    void ClearTempFolder() override { log_.Call("ClearTempFolder"); }
    void ClearFindFilesMRU() override { log_.Call("ClearFindFilesMRU"); }
    void ClearFindComputersMRU() override { log_.Call("ClearFindComputersMRU"); }
    void ClearPrinterPortsMRU() override { log_.Call("ClearPrinterPortsMRU"); }
    void DisableAutoComplete() override { log_.Call("DisableAutoComplete"); }
    void EmptyRecycleBinSilently(WindowHandle owner) override {
        recycleBinOwner = owner;
        log_.Call("EmptyRecycleBinSilently");
    }
    void ClearWinZipFileMenu() override { log_.Call("ClearWinZipFileMenu"); }
    void ClearWinZipExtractMenu() override { log_.Call("ClearWinZipExtractMenu"); }
    void ClearVBRecentFiles() override { log_.Call("ClearVBRecentFiles"); }
    void ClearWordPadRecentList() override { log_.Call("ClearWordPadRecentList"); }
    void ClearPaintRecentList() override { log_.Call("ClearPaintRecentList"); }
    void ClearMediaPlayerLists() override { log_.Call("ClearMediaPlayerLists"); }

    WindowHandle recycleBinOwner = 0;

  private:
    CallLog& log_;
};

class RecordingBrowserSteps : public BrowserCleaningSteps {
  public:
    explicit RecordingBrowserSteps(CallLog& log) : log_(log) {}
    void ClearNetscapeHistory() override { log_.Call("ClearNetscapeHistory"); }
    void ClearNetscapeCache() override { log_.Call("ClearNetscapeCache"); }
    void ClearNetscapeCookies() override { log_.Call("ClearNetscapeCookies"); }
    void ClearIECookies() override { log_.Call("ClearIECookies"); }
    void ClearIECache() override { log_.Call("ClearIECache"); }
    void ScheduleIndexDatDeletion() override { log_.Call("ScheduleIndexDatDeletion"); }

  private:
    CallLog& log_;
};

}  // namespace cw::fakes
