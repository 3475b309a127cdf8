#pragma once
// Item cleaners that only record their wipes, by box name, in one shared log, so that a
// test sees the order of the whole run. A wipe can be made to fail or to do something, and
// to report what it removed.

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "clean/ItemCleaners.h"
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

class RecordingItemCleaners : public ItemCleaners {
  public:
    explicit RecordingItemCleaners(CallLog& log) : log_(log) {}
    CleaningPlan Plan(CleaningItem item) override {
        CleaningPlan plan;
        plan.item = item;
        return plan;
    }
    PlanTotals Wipe(CleaningItem item) override {
        static PrivacyControls boxes;
        log_.Call(BoxOf(boxes, RowOf(item)).Name());
        return removedEach;
    }
    // What each wipe reports as removed.
    PlanTotals removedEach;

  private:
    CallLog& log_;
};

}  // namespace cw::fakes
