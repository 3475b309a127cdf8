#pragma once
// What one cleaning item would remove: its targets (files, folders, registry values and
// keys, cache entries, cookie lines), each with what carries it out. "Analyze" shows whole
// plans; a wipe carries out exactly the targets the same planning finds, a batch at a time
// as it finds them, so what is shown and what is done cannot differ.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "clean/CleaningItems.h"
#include "platform/FileSystem.h"

namespace cw {

enum class TargetKind {
    File,           // a file deleted
    Folder,         // a folder removed (after its content, which has targets of its own)
    FileEdit,       // lines taken out of a file that stays (history or cookie lines)
    RegistryValue,  // a value deleted
    RegistryKey,    // a key deleted
    CacheEntry,     // an entry of the Internet library's cache index deleted
    Setting,        // a value written so that no new traces are kept; removes nothing
    AtRunTime,      // a call whose targets only the system knows (the shell's lists)
    AtRestart,      // registered for deletion when Windows restarts
    Link,           // a link that stays: never entered, changed nor removed; counted as left
};

// Why a target was not carried out, when it was left for a reason the user is told.
enum class LeftReason { None, InUse, Link, Refused };

// What carrying out a target came to: made, or left (with its reason where one is known).
// A plain true or false converts: false then gives no reason and is not counted as left.
struct TargetOutcome {
    TargetOutcome(bool done) : made(done) {}
    TargetOutcome(LeftReason reason) : why(reason) {}
    bool made = false;
    LeftReason why = LeftReason::None;
};

// Why a deletion that failed with status left the entry at path.
LeftReason WhyLeft(FileSystem& fs, const std::string& path, long status);

// What a wipe left behind, by reason.
struct LeftCounts {
    int inUse = 0;    // files another program holds open
    int links = 0;    // links, never followed nor changed
    int refused = 0;  // refused for another reason (rights, a protected attribute)

    int Total() const { return inUse + links + refused; }
    void Count(LeftReason reason);
    LeftCounts& operator+=(const LeftCounts& other);
};

struct CleaningTarget {
    TargetKind kind;
    std::string where;       // path, "key\value" or URL
    std::uint64_t size = 0;  // bytes freed, where the target has a size
    int traces = 1;          // how many traces it stands for (lines of a FileEdit)
    std::function<TargetOutcome()> carryOut;
    // A file the plan's file system deletes (carryOut is then empty), with its attributes as
    // planned. It calls that file system only, so that it may run beside its neighbours that
    // do the same (see CleaningPlan::files). A wipe may plan hundreds of thousands of these,
    // so they hold no callable of their own.
    bool filesOnly = false;
    std::uint32_t fileAttributes = 0;

    // Whether the target removes something now (not a setting, a system call or a restart).
    bool RemovesTrace() const {
        return kind != TargetKind::Setting && kind != TargetKind::AtRunTime &&
               kind != TargetKind::AtRestart && kind != TargetKind::Link;
    }
};

struct PlanTotals {
    int traces = 0;
    std::uint64_t bytes = 0;
    LeftCounts left;  // what a wipe could not remove; a plan's totals leave it empty
    PlanTotals& operator+=(const PlanTotals& other) {
        traces += other.traces;
        bytes += other.bytes;
        left += other.left;
        return *this;
    }
};

struct CleaningPlan {
    CleaningItem item{};
    std::vector<CleaningTarget> targets;
    // Cookies the keep list spares, for the analysis to show.
    int keptCookies = 0;
    // Runs after the targets: refreshes what the pages show. Changes nothing on disk.
    std::function<void()> afterwards;
    // The file system that runs each stretch of consecutive filesOnly targets (RunEach),
    // several at a time where it can.
    FileSystem* files = nullptr;

    // Set by a wipe before it plans: whenever kCarryOutBatch targets have gathered they are
    // carried out, in the order planned, and dropped, so that a wipe of a tree of any size
    // holds a bounded part of its plan. Planners plan what a listing (of a folder or of the
    // cache index) gives as it gives it, so a batch may delete entries already listed while
    // the listing goes on, as the system allows; never one not listed yet.
    bool carryOutAsPlanned = false;
    static constexpr std::size_t kCarryOutBatch = 512;
    // What the targets carried out while planning removed and left.
    PlanTotals carriedOut;
    // Files whose trace another target already stands for (a cache entry's file goes with
    // its entry): such files are planned without traces or bytes of their own.
    std::function<bool(const std::string& path)> countedElsewhere;

    void Add(TargetKind kind, std::string where, std::function<TargetOutcome()> carryOut,
             std::uint64_t size = 0, int traces = 1);
    // A file deleted through fs, which becomes the plan's file system; read-only, hidden
    // and system attributes are cleared first.
    void AddFile(FileSystem& fs, std::string path, std::uint64_t size, std::uint32_t attributes);
    // The traces and bytes the targets still planned would remove.
    PlanTotals Totals() const;

  private:
    void Push(CleaningTarget target);
};

// Carries out every target in order, each on its own: a failure skips only that target.
// Consecutive filesOnly targets go through the plan's file system together, in any order.
// Returns the traces and bytes actually removed (with those carried out while planning),
// and what was left for a known reason.
PlanTotals CarryOut(const CleaningPlan& plan);

// The wipe of an item: carries out what planner plans while it plans it (carryOutAsPlanned),
// then the rest, also when planning failed part way; returns what all of it removed.
PlanTotals WipeAsPlanned(CleaningItem item, const std::function<void(CleaningPlan&)>& planner);

// "1 trace", "12 traces"; "0 bytes", "900 bytes", "1.5 KB", "12.0 MB", "1.2 GB".
std::string DescribeTraces(int traces);
std::string DescribeSize(std::uint64_t bytes);

}  // namespace cw
