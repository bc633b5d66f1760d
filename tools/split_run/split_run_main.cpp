// split_run.exe: the program's main job run through its windows, for scripts/run.
#include <string>
#include <vector>

#include "tools/split_run/run_job.h"

int wmain(int argc, wchar_t** argv)
{
    const std::vector<std::wstring> words(argv + 1, argv + argc);
    const std::optional<split_run::RunOptions> options = split_run::ParseRunOptions(words);
    return options ? split_run::RunJob(*options) : 2;
}
