#include "shred/ClsDrag.h"

#include "text/Ansi.h"

namespace cw {

void ClsDrag::Dropped(const std::string& firstItem) {
    std::string name = text::Trim(firstItem);
    if (!name.empty() && GetFileName) GetFileName(name);
}

}  // namespace cw
