#include "app/variables.h"

#include <initializer_list>

#include "runtime/helper_table.h"

namespace app {

Variables& Vars()
{
    static Variables variables;
    return variables;
}

void ReleaseTexts()
{
    Variables& v = Vars();
    for (void** slot : {reinterpret_cast<void**>(&v.pictureFolder), reinterpret_cast<void**>(&v.previewState),
                        reinterpret_cast<void**>(&v.outputFolder), &v.pictureBytes,
                        reinterpret_cast<void**>(&v.previewSource), reinterpret_cast<void**>(&v.noticeHost)}) {
        rt::Helpers().freeMem(*slot);
        *slot = nullptr;
    }
}

}  // namespace app
