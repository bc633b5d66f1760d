// A fresh folder holding a copy of the program, as a user's download folder would: the program
// writes its default picture there and reads its settings file from there.
#pragma once

#include <filesystem>
#include <string>

namespace splitter {

class ProgramFolder {
public:
    enum class AtEnd { kRemove, kKeep };

    // Empties or creates folder and copies the program into it; throws DriverError when it cannot.
    ProgramFolder(const std::filesystem::path& program, std::filesystem::path folder, AtEnd atEnd = AtEnd::kRemove);
    ProgramFolder(const ProgramFolder&) = delete;
    ProgramFolder& operator=(const ProgramFolder&) = delete;
    // Removes the folder with everything in it, unless it is to be kept. The program must have ended.
    ~ProgramFolder();

    const std::filesystem::path& folder() const { return folder_; }
    std::filesystem::path program() const;

    // Points the program at a notice server ("NAME:PORT") through the settings file beside it.
    void SetNoticeHost(const std::string& host) const;

private:
    std::filesystem::path folder_;
    AtEnd atEnd_;
};

}  // namespace splitter
