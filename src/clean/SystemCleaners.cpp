#include "clean/SystemCleaners.h"

namespace cw {

CleanerSet::CleanerSet(const CleanerServices& services)
    : s(services),
      explorer(services.settings, services.os),
      lists(services.settings),
      history(services.settings, services.urlCache, services.folders, services.files),
      mediaPlayer(services.settings, services.files, services.folders),
      shell(services.recentDocuments, services.recycleBin, services.files, services.folders,
            services.dialogs, services.host) {}

CleaningPlan SystemCleaners::Plan(CleaningItem item) {
    CleaningPlan plan;
    plan.item = item;
    RowOf(item).plan(set_, plan);
    return plan;
}

PlanTotals SystemCleaners::Wipe(CleaningItem item) {
    return WipeAsPlanned(item, [&](CleaningPlan& plan) { RowOf(item).plan(set_, plan); });
}

}  // namespace cw
