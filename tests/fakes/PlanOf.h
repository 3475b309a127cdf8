#pragma once
// The whole plan a cleaner's planner works out, for tests that look at a plan or carry it
// out themselves: PlanOf(netscape, &NetscapeCleaner::PlanNetscapeCache).

#include <utility>

#include "clean/CleaningPlan.h"

namespace cw::fakes {

template <class Cleaner, class... Params, class... Args>
CleaningPlan PlanOf(Cleaner& cleaner, void (Cleaner::*planner)(CleaningPlan&, Params...),
                    Args&&... args) {
    CleaningPlan plan;
    (cleaner.*planner)(plan, std::forward<Args>(args)...);
    return plan;
}

}  // namespace cw::fakes
