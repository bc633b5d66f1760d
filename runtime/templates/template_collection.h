// The run-time template collection: one WindowTemplate per window of the block, holding the working
// unit records that property writes change, a backup taken at load that destroying the window puts
// back, and the live objects of a loaded window. The collection keeps the live objects as opaque
// pointers and owns none of them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "runtime/program_header.h"
#include "runtime/templates/template_block.h"

namespace rt {

struct LiveUnitSlots {
    void* object = nullptr;  // the unit's live control object
    void* cursor = nullptr;  // the cursor made from the unit's mouse-pointer data
};

class WindowTemplate {
public:
    WindowTemplate(uint32_t windowId, std::vector<UnitRecord> units);

    uint32_t windowId() const { return windowId_; }

    // The working unit list; unit 0 is the window's own unit. Records and slots found here stay
    // where they are until restoreBackup.
    size_t unitCount() const { return units_.size(); }
    UnitRecord* unitAt(size_t position);
    UnitRecord* findUnit(uint32_t unitId);
    std::optional<size_t> findUnitPosition(uint32_t unitId) const;
    bool isMenuItem(size_t position) const;

    // The unit whose bindings the unit at position uses: its event-source chain is followed while
    // it names another unit of the same kind.
    size_t bindingSourcePosition(size_t position) const;

    void* windowObject() const { return windowObject_; }
    void setWindowObject(void* object) { windowObject_ = object; }
    LiveUnitSlots* liveSlots(size_t position);

    // At load: the working list is copied into the backup.
    void saveBackup();
    // At destroy: the backup (when one was taken) becomes the working list again, forgetting what
    // was written while the window was loaded, and every live slot is cleared. Whoever made the
    // cursors destroys them first.
    void restoreBackup();
    bool hasBackup() const { return backup_.has_value(); }

private:
    uint32_t windowId_;
    std::vector<UnitRecord> units_;
    std::optional<std::vector<UnitRecord>> backup_;
    std::vector<LiveUnitSlots> liveSlots_;
    void* windowObject_ = nullptr;
};

class TemplateCollection {
public:
    TemplateCollection() = default;
    explicit TemplateCollection(TemplateBlock block);

    size_t windowCount() const { return windows_.size(); }
    WindowTemplate* windowAt(size_t position);
    // The start window is looked up most, and it is the first: the search begins there.
    WindowTemplate* findWindow(uint32_t windowId);

private:
    std::vector<WindowTemplate> windows_;
};

// Reads the block and resolves its bindings against the code base: the collection, or nullopt when
// the block is corrupt or binds past the end of the code base.
std::optional<TemplateCollection> LoadTemplateCollection(const uint8_t* data, size_t size, const CodeBase& codeBase);

}  // namespace rt
