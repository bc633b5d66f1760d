// The frame of every end-to-end test: a folder of its own under the test program's folder with a
// copy of the program, folders for pictures and output, and the program driven through its windows.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "tests/end_to_end/split_checks.h"
#include "tests/end_to_end/test_pictures.h"
#include "tools/splitter_driver/program_folder.h"
#include "tools/splitter_driver/program_texts.h"
#include "tools/splitter_driver/splitter.h"

namespace end_to_end {

namespace texts = splitter::texts;

class EndToEndTest : public ::testing::Test {
protected:
    EndToEndTest();
    // Ends the program, closes the windows it opened and removes the test's folder.
    ~EndToEndTest() override;

    // Starts the program from its copy; with a host, it reads its notice there.
    splitter::Splitter& Start(const std::string& noticeHost = "");
    splitter::Splitter& program() { return *program_; }
    // Ends the program by closing its windows; its exit code.
    DWORD Stop();

    // A folder (created, with any parents) under the test's own.
    std::filesystem::path Folder(const std::wstring& name) const;
    const std::filesystem::path& programFolder() const { return programFolder_->folder(); }

    // The picture written in pictures/ in the format its name's extension says (JPEG for .jpg).
    std::filesystem::path WritePicture(const std::wstring& name, const RgbPicture& picture) const;

private:
    std::filesystem::path root_;
    std::unique_ptr<splitter::ProgramFolder> programFolder_;
    std::unique_ptr<splitter::Splitter> program_;
};

// The default picture as it was built into the program.
std::filesystem::path DefaultPictureSource();

// The file's last access time; pages that a view shows are read after their last write.
uint64_t LastAccess(const std::filesystem::path& path);
bool WaitForAccessAfter(const std::filesystem::path& path, uint64_t before, DWORD timeoutMs);

}  // namespace end_to_end
