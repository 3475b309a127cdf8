#include "clean/CleaningPlan.h"

#include <cstdio>

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

PlanTotals CleaningPlan::Totals() const {
    PlanTotals totals;
    for (const CleaningTarget& target : targets) {
        if (!target.RemovesTrace()) continue;
        totals.traces += target.traces;
        totals.bytes += target.size;
    }
    return totals;
}

PlanTotals CarryOut(const CleaningPlan& plan) {
    ErrorTrap trap(TrapKind::Skip, nullptr, "");
    PlanTotals done;
    for (const CleaningTarget& target : plan.targets) {
        TargetOutcome outcome(false);
        trap([&] {
            if (target.carryOut) outcome = target.carryOut();
        });
        if (!outcome.made) {
            done.left.Count(outcome.why);
        } else if (target.RemovesTrace()) {
            done.traces += target.traces;
            done.bytes += target.size;
        }
    }
    if (plan.afterwards) trap([&] { plan.afterwards(); });
    return done;
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
