#include "handletable.h"

#include <limits>

namespace cncsim {

std::optional<unsigned short> HandleTable::add(std::shared_ptr<CncLink> link)
{
    std::lock_guard lock(m_mutex);
    unsigned short handle = 1;
    // The map is ordered: the first gap in the numbers is the lowest free one.
    for (const auto &entry : m_links) {
        if (entry.first != handle)
            break;
        if (handle == std::numeric_limits<unsigned short>::max())
            return std::nullopt;
        ++handle;
    }
    m_links.emplace(handle, std::move(link));
    return handle;
}

std::shared_ptr<CncLink> HandleTable::find(unsigned short handle) const
{
    std::lock_guard lock(m_mutex);
    const auto it = m_links.find(handle);
    return it == m_links.end() ? nullptr : it->second;
}

std::shared_ptr<CncLink> HandleTable::take(unsigned short handle)
{
    std::lock_guard lock(m_mutex);
    const auto it = m_links.find(handle);
    if (it == m_links.end())
        return nullptr;
    std::shared_ptr<CncLink> link = std::move(it->second);
    m_links.erase(it);
    return link;
}

} // namespace cncsim
