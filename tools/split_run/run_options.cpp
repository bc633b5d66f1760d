#include "tools/split_run/run_options.h"

#include <algorithm>
#include <cwctype>
#include <iterator>

#include "tools/automation/cli_output.h"

namespace split_run {
namespace {

using automation::cli::PrintError;

class Words {
public:
    explicit Words(const std::vector<std::wstring>& words) : words_(words) {}
    bool done() const { return next_ >= words_.size(); }
    std::wstring take() { return done() ? std::wstring() : words_[next_++]; }
    // A value after an option; nothing when it is missing.
    std::optional<std::wstring> value()
    {
        if (done() || words_[next_].rfind(L"--", 0) == 0) {
            return std::nullopt;
        }
        return take();
    }

private:
    const std::vector<std::wstring>& words_;
    size_t next_ = 0;
};

bool IsWholeNumber(const std::wstring& word)
{
    return !word.empty() && word.size() < 9 &&
           std::all_of(word.begin(), word.end(), [](wchar_t c) { return std::iswdigit(c) != 0; });
}

std::optional<Numbers> TakeNumbers(Words& words, const std::wstring& option)
{
    std::optional<std::wstring> first = words.value();
    std::optional<std::wstring> second = first ? words.value() : std::nullopt;
    if (!second || !IsWholeNumber(*first) || !IsWholeNumber(*second)) {
        PrintError(option + L" takes two whole numbers");
        return std::nullopt;
    }
    return Numbers{*first, *second};
}

bool TakeOption(Words& words, const std::wstring& option, RunOptions& options)
{
    std::wstring* paths[] = {&options.program,  &options.folder,      &options.noticeFolder,
                             &options.saveName, &options.screenshots, &options.picture};
    const wchar_t* names[] = {L"--program", L"--folder", L"--notice", L"--out", L"--screenshots", L"--picture"};
    for (size_t i = 0; i < std::size(names); ++i) {
        if (option == names[i]) {
            std::optional<std::wstring> path = words.value();
            if (!path) {
                PrintError(option + L" takes a path");
                return false;
            }
            *paths[i] = *path;
            return true;
        }
    }
    std::optional<Numbers>* numbers = option == L"--count"    ? &options.count
                                      : option == L"--size"   ? &options.size
                                      : option == L"--resize" ? &options.resize
                                                              : nullptr;
    if (numbers) {
        *numbers = TakeNumbers(words, option);
        return numbers->has_value();
    }
    if (option == L"--start" || option == L"--default") {
        options.job = option == L"--start" ? Job::kStart : Job::kSplitDefault;
        return true;
    }
    PrintError(L"unknown option " + option);
    return false;
}

bool Complete(const RunOptions& options)
{
    if (options.program.empty() || options.folder.empty() || options.noticeFolder.empty()) {
        PrintError(L"--program, --folder and --notice are needed");
        return false;
    }
    if (options.job == Job::kStart) {
        return true;
    }
    if (options.saveName.empty() || options.screenshots.empty()) {
        PrintError(L"a split needs --out and --screenshots");
        return false;
    }
    if (options.job == Job::kSplitPicture && options.count.has_value() == options.size.has_value()) {
        PrintError(L"--picture takes either --count or --size");
        return false;
    }
    return true;
}

}  // namespace

std::optional<RunOptions> ParseRunOptions(const std::vector<std::wstring>& words)
{
    RunOptions options;
    Words rest(words);
    while (!rest.done()) {
        if (!TakeOption(rest, rest.take(), options)) {
            return std::nullopt;
        }
    }
    if (!options.picture.empty()) {
        options.job = Job::kSplitPicture;
    }
    return Complete(options) ? std::optional<RunOptions>(options) : std::nullopt;
}

}  // namespace split_run
