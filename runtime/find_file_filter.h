// Which directory entries a FindFile search hands out.
#pragma once

#include <cstdint>

namespace rt {

constexpr uint32_t kAttributeDirectory = 0x10;
// Read-only, hidden, system, directory and archive.
constexpr uint32_t kFindAttributeMask = 0x37;

// With any set, every entry that is not a directory matches. Otherwise an entry matches when it
// has one of the filter's attributes, or when neither the filter nor the entry has any of them.
constexpr bool FindFileEntryMatches(uint32_t entryAttributes, uint32_t filter, bool any)
{
    if (any) {
        return (entryAttributes & kAttributeDirectory) == 0;
    }
    uint32_t wanted = filter & kFindAttributeMask;
    uint32_t has = entryAttributes & kFindAttributeMask;
    return (wanted & has) != 0 || (wanted == 0 && has == 0);
}

}  // namespace rt
