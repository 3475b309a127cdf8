#pragma once
// The shell's list of recently used documents.

#include <string>

namespace cw {

class RecentDocuments {
  public:
    virtual ~RecentDocuments() = default;
    // SHAddToRecentDocs with a path: adds a document to the list.
    virtual void Add(const std::string& path) = 0;
    // SHAddToRecentDocs with flags 0 and no item: empties the list.
    virtual void Clear() = 0;
};

}  // namespace cw
