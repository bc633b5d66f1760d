// The command line of split_run.exe, the scripted run of the program's main job:
//   split_run --program EXE --folder DIR --notice DIR --start
//   split_run --program EXE --folder DIR --notice DIR --out NAME --screenshots DIR
//             (--default | --picture PATH (--count ROWS COLUMNS | --size WIDTH HEIGHT) [--resize WIDTH HEIGHT])
// Paths are Windows paths. The program is copied into DIR and reads its notice from a local server
// serving the notice folder.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace split_run {

enum class Job { kStart, kSplitDefault, kSplitPicture };

struct Numbers {
    std::wstring first;
    std::wstring second;
};

struct RunOptions {
    Job job = Job::kStart;
    std::wstring program;
    std::wstring folder;
    std::wstring noticeFolder;
    std::wstring saveName;
    std::wstring screenshots;
    std::wstring picture;
    std::optional<Numbers> count;   // rows, columns
    std::optional<Numbers> size;    // piece width, height
    std::optional<Numbers> resize;  // target width, height
};

// Nothing, after printing what is wrong, for a command line that does not fit.
std::optional<RunOptions> ParseRunOptions(const std::vector<std::wstring>& words);

}  // namespace split_run
