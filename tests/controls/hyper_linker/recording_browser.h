// link_recorder.exe registered as the browser for ".htm" pages for the life of a test, and what it
// was started with. The registration goes into the user's classes; Wine's classes root does not
// show those, so there it goes into the machine's classes of the test's own prefix. Whatever ".htm"
// named before is put back afterwards.
#pragma once

#include <windows.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "controls/hyper_linker/link_opener.h"

namespace link_test {

// The recorder next to the test program.
std::wstring RecorderPath();

// What the recorder was started with.
struct Start {
    std::wstring program;                 // its argument 0
    std::vector<std::wstring> arguments;  // the rest, as CommandLineToArgvW splits them
};

class RecordingBrowser {
public:
    // command is the open command stored for the browser's page class, for example
    // "\"<recorder>\" -nohome \"%1\"".
    explicit RecordingBrowser(const std::wstring& command);
    ~RecordingBrowser();
    RecordingBrowser(const RecordingBrowser&) = delete;
    RecordingBrowser& operator=(const RecordingBrowser&) = delete;

    bool registered() const { return registered_; }
    // The start the last call caused; nothing when none was recorded within the wait.
    std::optional<Start> TakeStart(DWORD waitMs = 10000);

private:
    bool Register(const std::wstring& command);
    void Unregister();

    HKEY root_ = HKEY_CURRENT_USER;
    bool pageKeyExisted_ = false;
    std::optional<std::wstring> previousPageClass_;
    bool registered_ = false;
    std::filesystem::path record_;
};

// The starters of a link whose shell refuses every target (no association), so that the registered
// browser is started by the real fallback; counts the fallback's starts.
struct RefusingShell {
    static inline int starts = 0;
    static rt::units::LinkStarters Starters();
};

}  // namespace link_test
