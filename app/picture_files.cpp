#include "app/picture_files.h"

#include "app/commands.h"
#include "app/messages.h"
#include "app/variables.h"

namespace app {

bool IsPngName(const std::string& name) { return RightText(name, 3) == "png"; }

std::string JpegCopyPath() { return TextOfVariable(Vars().pictureFolder) + texts::kJpegCopyName; }

void DeleteJpegCopy()
{
    if (Vars().pictureFolder) {
        DeleteFile(JpegCopyPath());
    }
}

std::string DecodablePicturePath(const std::string& name)
{
    if (!IsPngName(name)) {
        return name;
    }
    std::string copy = JpegCopyPath();
    if (!FileExists(copy)) {
        ConvertToJpeg(name, copy);
    }
    return copy;
}

void ReplaceCurrentPicture(int32_t picture)
{
    UnloadPicture(Vars().currentPicture);
    Vars().currentPicture = picture;
}

}  // namespace app
