// The JPEG is written into a new file next to the destination, which replaces the destination
// only once it is complete. A failed write so leaves the destination as it was, which matters
// most when the destination is the source picture itself.
#pragma once

#include <cstdio>
#include <string>

#include "pictures/conversion/conversion_files.h"

namespace pictures {

class ReplacementFile {
public:
    // Creates "<destination>.<n>.part" for the smallest n whose file does not exist yet.
    explicit ReplacementFile(const std::string& destination);
    // Removes the new file unless it replaced the destination.
    ~ReplacementFile();
    ReplacementFile(const ReplacementFile&) = delete;
    ReplacementFile& operator=(const ReplacementFile&) = delete;

    // Null when no new file could be created, or once it is closed.
    std::FILE* file() const { return file_.get(); }
    // Closes the new file, complete; false when its last bytes could not be written. commit()
    // then only moves it.
    bool close();
    // Closes the new file (unless closed) and moves it over the destination; false when either
    // step fails.
    bool commit();

private:
    std::string destination_;
    std::string path_;
    CFile file_;
    bool closed_ = false;
    bool committed_ = false;
};

}  // namespace pictures
