// The library's handles: small 16-bit numbers, the lowest free one first (0 is never a handle),
// each standing for one connection. Safe to use from several threads.
#pragma once

#include "cnclink.h"

#include <map>
#include <memory>
#include <mutex>
#include <optional>

namespace cncsim {

class HandleTable {
public:
    // nullopt when every number is taken.
    std::optional<unsigned short> add(std::shared_ptr<CncLink> link);
    // nullptr for a number that is not a handle.
    std::shared_ptr<CncLink> find(unsigned short handle) const;
    std::shared_ptr<CncLink> take(unsigned short handle);

private:
    mutable std::mutex m_mutex;
    std::map<unsigned short, std::shared_ptr<CncLink>> m_links;
};

} // namespace cncsim
