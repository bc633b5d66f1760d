#include "commands/control_skin/skin_record.h"

#include <mutex>
#include <new>

namespace rt::commands::skin {
namespace {

// Windows of one thread are skinned, but a window of another thread may be destroyed while the
// list changes: the links are only ever touched under this lock, and never while a window
// procedure runs.
std::mutex listLock;
SkinRecord* head = nullptr;

}  // namespace

SkinRecord* FindSkinRecord(HWND window)
{
    std::lock_guard<std::mutex> guard(listLock);
    for (SkinRecord* record = head; record; record = record->next) {
        if (record->window == window) {
            return record;
        }
    }
    return nullptr;
}

SkinRecord* AddSkinRecord(HWND window, SkinKind kind, WNDPROC savedProcedure)
{
    void* memory = HeapAlloc(GetProcessHeap(), 0, sizeof(SkinRecord));
    if (!memory) {
        return nullptr;
    }
    auto* record = new (memory) SkinRecord{};
    record->window = window;
    record->kind = kind;
    record->savedProcedure = savedProcedure;
    std::lock_guard<std::mutex> guard(listLock);
    record->next = head;
    head = record;
    return record;
}

void FreeSkinRecord(SkinRecord* record)
{
    {
        std::lock_guard<std::mutex> guard(listLock);
        for (SkinRecord** link = &head; *link; link = &(*link)->next) {
            if (*link == record) {
                *link = record->next;
                break;
            }
        }
    }
    record->~SkinRecord();
    HeapFree(GetProcessHeap(), 0, record);
}

size_t SkinRecordCount()
{
    std::lock_guard<std::mutex> guard(listLock);
    size_t count = 0;
    for (SkinRecord* record = head; record; record = record->next) {
        ++count;
    }
    return count;
}

size_t SkinRecordCountOf(HWND window)
{
    std::lock_guard<std::mutex> guard(listLock);
    size_t count = 0;
    for (SkinRecord* record = head; record; record = record->next) {
        count += record->window == window ? 1 : 0;
    }
    return count;
}

}  // namespace rt::commands::skin
