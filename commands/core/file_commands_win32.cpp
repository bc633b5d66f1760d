#include <windows.h>

#include <string>

#include "commands/core/command_args.h"
#include "commands/core/file_commands.h"
#include "runtime/memory.h"
#include "runtime/runtime_app.h"
#include "runtime/text_codec.h"
#include "runtime/trace.h"
#include "runtime/win32/owned_handles.h"

namespace rt::commands {
namespace {

bool WriteAll(HANDLE file, const uint8_t* data, size_t size)
{
    DWORD written = 0;
    return ::WriteFile(file, data, static_cast<DWORD>(size), &written, nullptr) && written == size;
}

// Reads the whole file into a new byte set; null when it is empty, too large or unreadable.
void* ReadWholeFile(HANDLE file)
{
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file, &size) || size.QuadPart <= 0 || size.QuadPart > INT32_MAX - 16) return nullptr;
    auto total = static_cast<size_t>(size.QuadPart);
    // A large file must not end the program: the block may be refused.
    auto* block = static_cast<ByteSetHeader*>(TryAllocMem(sizeof(ByteSetHeader) + total));
    if (!block) return nullptr;
    uint8_t* bytes = ByteSetData(static_cast<void*>(block));
    size_t got = 0;
    while (got < total) {
        DWORD read = 0;
        if (!::ReadFile(file, bytes + got, static_cast<DWORD>(total - got), &read, nullptr)) {
            FreeMem(block);
            return nullptr;
        }
        if (read == 0) break;
        got += read;
    }
    if (got == 0) {
        FreeMem(block);
        return nullptr;
    }
    // A file that shrank while being read gives what it still held.
    block->dimensions = 1;
    block->count = static_cast<int32_t>(got);
    return block;
}

}  // namespace

void DeleteFileCommand(ValueTriple* result, int argCount, ValueTriple* args)
{
    std::string_view path = TextOf(CommandArgs(argCount, args)[0]);
    *result = MakeLogical(!path.empty() && DeleteFileW(WideFromGbk(path).c_str()));
}

void RunDirectoryCommand(ValueTriple* result, int, ValueTriple*) { SetTextResult(result, App().programDirectory); }

void FileExistsCommand(ValueTriple* result, int argCount, ValueTriple* args)
{
    std::string_view path = TextOf(CommandArgs(argCount, args)[0]);
    bool found = false;
    if (!path.empty()) {
        WIN32_FIND_DATAW entry;
        HANDLE search = FindFirstFileW(WideFromGbk(path).c_str(), &entry);
        found = search != INVALID_HANDLE_VALUE;
        if (found) FindClose(search);
    }
    *result = MakeLogical(found);
}

void WriteFileCommand(ValueTriple* result, int argCount, ValueTriple* args)
{
    *result = MakeLogical(false);
    CommandArgs in(argCount, args);
    std::string_view path = TextOf(in[0]);
    if (path.empty()) return;
    // No sharing while it is written.
    UniqueHandle file(CreateFileW(WideFromGbk(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        TraceLastError("WriteFile: CreateFileW", std::string(path).c_str());
        return;
    }
    for (int i = 1; i < in.count(); ++i) {
        const void* byteSet = ByteSetOf(in[i]);
        if (ByteSetSize(byteSet) == 0) continue;
        if (!WriteAll(file.get(), ByteSetData(byteSet), ByteSetSize(byteSet))) {
            TraceLastError("WriteFile: WriteFile", std::string(path).c_str());
            return;
        }
    }
    *result = MakeLogical(true);
}

void ReadFileCommand(ValueTriple* result, int argCount, ValueTriple* args)
{
    *result = MakePointerValue(nullptr, kByteSet);
    std::string_view path = TextOf(CommandArgs(argCount, args)[0]);
    if (path.empty()) return;
    UniqueHandle file(CreateFileW(WideFromGbk(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        TraceLastError("ReadFile: CreateFileW", std::string(path).c_str());
        return;
    }
    result->setPointer(ReadWholeFile(file.get()));
}

}  // namespace rt::commands
