#include "errors/ErrorTrap.h"

namespace cw {

void ErrorTrap::Handle(const RuntimeError& e) {
    lastError_ = e.number;
    switch (kind_) {
        case TrapKind::ReportAndContinue:
            if (sink_) sink_->ReportError(tag_, e);
            break;
        case TrapKind::Skip:
            break;
        case TrapKind::SkipTypeMismatchThenReport:
            if (e.number != err::kTypeMismatch && sink_) sink_->ReportError(tag_, e);
            break;
        case TrapKind::EndSilently:
            ended_ = true;
            break;
    }
}

}  // namespace cw
