#pragma once
// An error trap runs each statement of a routine as a separate callable. A RuntimeError
// (or a standard exception, mapped to its run-time error number) raised by a statement is
// handled by the trap's kind, and the next statement runs, except after EndSilently.

#include <new>
#include <stdexcept>
#include <string>
#include <utility>

#include "errors/ErrorSink.h"
#include "errors/RuntimeError.h"

namespace cw {

enum class TrapKind {
    ReportAndContinue,           // report through the sink, go on with the next statement
    Skip,                        // go on with the next statement, report nothing
    SkipTypeMismatchThenReport,  // error 13 is skipped silently, others reported
    EndSilently,                 // the first error ends the routine without a report
};

class ErrorTrap {
  public:
    ErrorTrap(TrapKind kind, ErrorSink* sink, std::string tag)
        : kind_(kind), sink_(sink), tag_(std::move(tag)) {}

    // Runs one statement unless the routine has ended. Returns true when it completed.
    template <class Statement>
    bool operator()(Statement&& statement) {
        if (ended_) return false;
        try {
            std::forward<Statement>(statement)();
            return true;
        } catch (const RuntimeError& e) {
            Handle(e);
        } catch (const std::bad_alloc&) {
            Handle(RuntimeError(err::kOutOfMemory));
        } catch (const std::out_of_range&) {
            Handle(RuntimeError(err::kSubscriptOutOfRange));
        } catch (const std::exception&) {
            Handle(RuntimeError(err::kInvalidProcedureCall));
        }
        return false;
    }

    bool Ended() const { return ended_; }
    // Number of the last error met, 0 when every statement completed.
    int LastError() const { return lastError_; }
    const std::string& Tag() const { return tag_; }

  private:
    void Handle(const RuntimeError& e);

    TrapKind kind_;
    ErrorSink* sink_;
    std::string tag_;
    bool ended_ = false;
    int lastError_ = 0;
};

}  // namespace cw
