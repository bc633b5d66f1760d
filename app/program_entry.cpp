// The program's first code: start the runtime, register the exit routine, show the main window and
// run the message loop until the last window is gone.
#include <cfloat>

#include "app/split_files.h"
#include "app/variables.h"
#include "data/program_windows.h"
#include "runtime/helper_table.h"
#include "runtime/misc_service.h"
#include "runtime/start_runtime.h"

namespace rt {

int ApplicationEntry()
{
    const HelperTable& helpers = Helpers();
    helpers.miscService(kStartRuntime);
    _fpreset();
    helpers.miscService(
        kSetExitRoutine, +[] {
            app::EndSplitForExit();
            app::ReleaseTexts();
        });
    helpers.loadStartWindow(data::main_window::kId);
    helpers.runMessageLoop();
    return 0;
}

}  // namespace rt
