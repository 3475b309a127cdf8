#pragma once
// Between the cleaning run and the cleaners: the plan of an item, and the wipe that carries
// out the same targets. SystemCleaners does the work; tests record the calls.

#include "clean/CleaningItems.h"
#include "clean/CleaningPlan.h"

namespace cw {

class ItemCleaners {
  public:
    virtual ~ItemCleaners() = default;
    // What the item would remove now; changes nothing.
    virtual CleaningPlan Plan(CleaningItem item) = 0;
    // Plans the item and carries out its targets as they are planned, in the same order;
    // returns what was removed.
    virtual PlanTotals Wipe(CleaningItem item) = 0;
};

}  // namespace cw
