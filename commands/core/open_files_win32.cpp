#include <windows.h>

#include <memory>
#include <mutex>
#include <optional>
#include <string>

#include "commands/core/command_args.h"
#include "runtime/numbered_table.h"
#include "commands/core/open_files.h"
#include "commands/core/value_text.h"
#include "runtime/text_codec.h"
#include "runtime/trace.h"
#include "runtime/win32/owned_handles.h"

namespace rt::commands {
namespace {

// One open file. Its lock keeps one call's writes and position together when threads share it.
struct OpenedFile {
    explicit OpenedFile(UniqueHandle h) : handle(std::move(h)) {}
    std::mutex lock;
    UniqueHandle handle;
};

NumberedTable<std::shared_ptr<OpenedFile>>& Files()
{
    static NumberedTable<std::shared_ptr<OpenedFile>> files;
    return files;
}

struct OpenMode {
    DWORD access;
    DWORD disposition;
};

// Access codes 1..6: read, write, read and write (existing files); create or truncate for writing;
// open or create without truncating for writing, and for reading and writing.
std::optional<OpenMode> ModeOf(int32_t access)
{
    switch (access) {
    case 1:
        return OpenMode{GENERIC_READ, OPEN_EXISTING};
    case 2:
        return OpenMode{GENERIC_WRITE, OPEN_EXISTING};
    case 3:
        return OpenMode{GENERIC_READ | GENERIC_WRITE, OPEN_EXISTING};
    case 4:
        return OpenMode{GENERIC_WRITE, CREATE_ALWAYS};
    case 5:
        return OpenMode{GENERIC_WRITE, OPEN_ALWAYS};
    case 6:
        return OpenMode{GENERIC_READ | GENERIC_WRITE, OPEN_ALWAYS};
    default:
        return std::nullopt;
    }
}

// Sharing codes 1..4: others may read and write, may not read, may not write, exclusive.
std::optional<DWORD> SharingOf(int32_t sharing)
{
    switch (sharing) {
    case 1:
        return FILE_SHARE_READ | FILE_SHARE_WRITE;
    case 2:
        return FILE_SHARE_WRITE;
    case 3:
        return FILE_SHARE_READ;
    case 4:
        return 0;
    default:
        return std::nullopt;
    }
}

int32_t CodeOf(const ValueTriple& value, int32_t fallback)
{
    return value.omitted() ? fallback : IntegerOf(value).value_or(0);
}

bool WriteText(HANDLE file, const std::string& text)
{
    DWORD written = 0;
    return ::WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) && written == text.size();
}

// Writes each value's text form at the file's position; other types are skipped.
bool WriteValues(HANDLE file, const CommandArgs& in)
{
    for (int i = 1; i < in.count(); ++i) {
        std::optional<std::string> text = ValueText(in[i]);
        if (!text || text->empty()) continue;
        if (!WriteText(file, *text)) return false;
    }
    return true;
}

}  // namespace

void OpenFileCommand(ValueTriple* result, int argCount, ValueTriple* args)
{
    *result = MakeInt(0);
    CommandArgs in(argCount, args);
    std::string_view path = TextOf(in[0]);
    std::optional<OpenMode> mode = ModeOf(CodeOf(in[1], 3));
    std::optional<DWORD> sharing = SharingOf(CodeOf(in[2], 1));
    if (path.empty() || !mode || !sharing) return;
    UniqueHandle file(CreateFileW(WideFromGbk(path).c_str(), mode->access, *sharing, nullptr, mode->disposition,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        TraceLastError("OpenFile: CreateFileW", std::string(path).c_str());
        return;
    }
    *result = MakeInt(Files().Add(std::make_shared<OpenedFile>(std::move(file))));
}

void WriteTextToFileCommand(ValueTriple* result, int argCount, ValueTriple* args)
{
    *result = MakeLogical(false);
    CommandArgs in(argCount, args);
    std::optional<int32_t> number = IntegerOf(in[0]);
    std::shared_ptr<OpenedFile> file = number ? Files().Find(*number).value_or(nullptr) : nullptr;
    if (!file) return;

    std::lock_guard guard(file->lock);
    LARGE_INTEGER start{};
    if (!SetFilePointerEx(file->handle.get(), LARGE_INTEGER{}, &start, FILE_CURRENT)) return;
    if (WriteValues(file->handle.get(), in)) {
        *result = MakeLogical(true);
        return;
    }
    SetFilePointerEx(file->handle.get(), start, nullptr, FILE_BEGIN);
}

void CloseFileCommand(ValueTriple* result, int argCount, ValueTriple* args)
{
    std::optional<int32_t> number = IntegerOf(CommandArgs(argCount, args)[0]);
    *result = MakeLogical(number && Files().Remove(*number).has_value());
}

void CloseAllOpenFiles() { Files().Clear(); }

}  // namespace rt::commands
