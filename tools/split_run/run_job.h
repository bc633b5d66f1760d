// The scripted run's jobs: the program started for a user, or one split driven from the open
// dialog to the preview window, with what it wrote printed and screenshots taken on the way.
#pragma once

#include "tools/split_run/run_options.h"

namespace split_run {

// The exit status: 0 when every step happened, 1 when one did not or the program reported a failure.
int RunJob(const RunOptions& options);

}  // namespace split_run
