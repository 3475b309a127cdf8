#include "clean/CleaningPlan.h"

#include <cstdio>
#include <vector>

#include "errors/ErrorTrap.h"

namespace cw {

void LeftCounts::Count(LeftReason reason) {
    if (reason == LeftReason::InUse) ++inUse;
    if (reason == LeftReason::Link) ++links;
    if (reason == LeftReason::Refused) ++refused;
}

LeftCounts& LeftCounts::operator+=(const LeftCounts& other) {
    inUse += other.inUse;
    links += other.links;
    refused += other.refused;
    return *this;
}

LeftReason WhyLeft(FileSystem& fs, const std::string& path, long status) {
    if (status == kErrorSharingViolation || status == kErrorLockViolation) return LeftReason::InUse;
    if (fs.IsLink(path)) return LeftReason::Link;
    return LeftReason::Refused;
}

void CleaningPlan::Add(TargetKind kind, std::string where, std::function<TargetOutcome()> carryOut,
                       std::uint64_t size, int traces) {
    Push({kind, std::move(where), size, traces, std::move(carryOut)});
}

void CleaningPlan::AddFile(FileSystem& fs, std::string path, std::uint64_t size,
                           std::uint32_t attributes) {
    CleaningTarget target{TargetKind::File, std::move(path), size, 1, {}};
    if (countedElsewhere && countedElsewhere(target.where)) {
        target.size = 0;
        target.traces = 0;
    }
    target.filesOnly = true;
    target.fileAttributes = attributes;
    files = &fs;
    Push(std::move(target));
}

PlanTotals CleaningPlan::Totals() const {
    PlanTotals totals;
    for (const CleaningTarget& target : targets) {
        if (!target.RemovesTrace()) continue;
        totals.traces += target.traces;
        totals.bytes += target.size;
    }
    return totals;
}

namespace {

TargetOutcome DeletePlannedFile(FileSystem& fs, const std::string& path, std::uint32_t attributes) {
    // A link refuses the change of attributes and the deletion: what it points to stays as
    // it is.
    if (attributes & (kAttrReadOnly | kAttrHidden | kAttrSystem))
        fs.SetAttributes(path, kAttrNormal);
    long status = fs.Delete(path);
    // Gone is what was planned, also when the library took it with its cache entry.
    if (status == kErrorSuccess || fs.GetAttributes(path) == kInvalidAttributes) return true;
    return WhyLeft(fs, path, status);
}

// One target under its own trap: a failure is that target's outcome only.
TargetOutcome CarryOutOne(const CleaningPlan& plan, const CleaningTarget& target) {
    TargetOutcome outcome(false);
    ErrorTrap trap(TrapKind::Skip, nullptr, "");
    trap([&] {
        if (target.carryOut) {
            outcome = target.carryOut();
        } else if (target.filesOnly && plan.files) {
            outcome = DeletePlannedFile(*plan.files, target.where, target.fileAttributes);
        }
    });
    return outcome;
}

// The end of the stretch of filesOnly targets that starts at first.
std::size_t StretchEnd(const CleaningPlan& plan, std::size_t first) {
    std::size_t last = first;
    while (last < plan.targets.size() && plan.targets[last].filesOnly)
        ++last;
    return last;
}

// The plan's targets carried out, without what runs afterwards.
PlanTotals CarryOutTargets(const CleaningPlan& plan) {
    std::vector<TargetOutcome> outcomes(plan.targets.size(), TargetOutcome(false));
    for (std::size_t i = 0; i < plan.targets.size();) {
        const std::size_t last = plan.files ? StretchEnd(plan, i) : i;
        if (last > i + 1) {
            plan.files->RunEach(last - i, [&](std::size_t k) {
                outcomes[i + k] = CarryOutOne(plan, plan.targets[i + k]);
            });
            i = last;
        } else {
            outcomes[i] = CarryOutOne(plan, plan.targets[i]);
            ++i;
        }
    }
    PlanTotals done;
    for (std::size_t i = 0; i < plan.targets.size(); ++i) {
        const CleaningTarget& target = plan.targets[i];
        if (!outcomes[i].made) {
            done.left.Count(outcomes[i].why);
        } else if (target.RemovesTrace()) {
            done.traces += target.traces;
            done.bytes += target.size;
        }
    }
    return done;
}

}  // namespace

void CleaningPlan::Push(CleaningTarget target) {
    targets.push_back(std::move(target));
    if (!carryOutAsPlanned || targets.size() < kCarryOutBatch) return;
    carriedOut += CarryOutTargets(*this);
    targets.clear();
}

PlanTotals CarryOut(const CleaningPlan& plan) {
    PlanTotals done = plan.carriedOut;
    done += CarryOutTargets(plan);
    ErrorTrap trap(TrapKind::Skip, nullptr, "");
    if (plan.afterwards) trap([&] { plan.afterwards(); });
    return done;
}

PlanTotals WipeAsPlanned(CleaningItem item, const std::function<void(CleaningPlan&)>& planner) {
    CleaningPlan plan;
    plan.item = item;
    plan.carryOutAsPlanned = true;
    ErrorTrap trap(TrapKind::Skip, nullptr, "");
    trap([&] { planner(plan); });
    return CarryOut(plan);
}

std::string DescribeTraces(int traces) {
    return std::to_string(traces) + (traces == 1 ? " trace" : " traces");
}

std::string DescribeSize(std::uint64_t bytes) {
    if (bytes < 1024) return std::to_string(bytes) + (bytes == 1 ? " byte" : " bytes");
    const char* units[] = {"KB", "MB", "GB"};
    double value = static_cast<double>(bytes) / 1024;
    int unit = 0;
    while (value >= 1024 && unit < 2) {
        value /= 1024;
        ++unit;
    }
    char text[32];
    std::snprintf(text, sizeof text, "%.1f %s", value, units[unit]);
    return text;
}

}  // namespace cw
