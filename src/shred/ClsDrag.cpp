#include "shred/ClsDrag.h"

#include "text/Ansi.h"

namespace cw {

void ClsDrag::Dropped(const std::string& item) {
    std::string name = text::Trim(item);
    if (!name.empty() && GetFileName) GetFileName(name);
}

}  // namespace cw
