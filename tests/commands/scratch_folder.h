// A folder of its own for one test, emptied and removed when the test ends. Paths are GBK texts.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace test {

class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // The GBK path of a name inside the folder.
    std::string Path(const std::string& name) const { return folder_ + "\\" + name; }
    const std::string& folder() const { return folder_; }

private:
    std::string folder_;
};

void WriteBytes(const std::string& gbkPath, const std::string& bytes);
// The file's bytes; empty when it cannot be read.
std::string ReadBytes(const std::string& gbkPath);
bool Exists(const std::string& gbkPath);

}  // namespace test
