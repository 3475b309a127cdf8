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
    CleaningPlan plan = RowOf(item).plan(set_);
    plan.item = item;
    return plan;
}

}  // namespace cw
