#include "pictures/conversion/replacement_file.h"

namespace pictures {
namespace {
constexpr unsigned kNumberAttempts = 100;
}

ReplacementFile::ReplacementFile(const std::string& destination) : destination_(destination)
{
    for (unsigned n = 0; n < kNumberAttempts; ++n) {
        std::string path = destination + "." + std::to_string(n) + ".part";
        file_ = CreateNewFile(path);
        if (file_) {
            path_ = std::move(path);
            return;
        }
        if (!IsExistingFile(path)) {
            return;  // not a name taken, but a folder that refuses new files
        }
    }
}

ReplacementFile::~ReplacementFile()
{
    file_.reset();
    if (!path_.empty() && !committed_) {
        RemoveFile(path_);
    }
}

bool ReplacementFile::close()
{
    if (!file_) {
        return false;
    }
    closed_ = std::fclose(file_.release()) == 0;
    return closed_;
}

bool ReplacementFile::commit()
{
    if (committed_ || (file_ && !close()) || !closed_) {
        return false;
    }
    committed_ = ReplaceFileWith(destination_, path_);
    return committed_;
}

}  // namespace pictures
