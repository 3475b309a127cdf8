#pragma once
// Between the cleaning run and the cleaners: the plan of an item, and the wipe that carries
// it out. SystemCleaners does the work; tests record the calls.

#include "clean/CleaningItems.h"
#include "clean/CleaningPlan.h"

namespace cw {

class ItemCleaners {
  public:
    virtual ~ItemCleaners() = default;
    // What the item would remove now; changes nothing.
    virtual CleaningPlan Plan(CleaningItem item) = 0;
    // Carries out exactly the plan's targets; returns what was removed.
    virtual PlanTotals Wipe(const CleaningPlan& plan) = 0;
};

}  // namespace cw
