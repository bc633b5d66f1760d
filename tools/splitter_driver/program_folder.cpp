#include "tools/splitter_driver/program_folder.h"

#include <fstream>

#include "tools/splitter_driver/driver_error.h"
#include "tools/splitter_driver/program_texts.h"

namespace splitter {

namespace fs = std::filesystem;

ProgramFolder::ProgramFolder(const fs::path& program, fs::path folder, AtEnd atEnd)
    : folder_(std::move(folder)), atEnd_(atEnd)
{
    std::error_code error;
    fs::remove_all(folder_, error);
    fs::create_directories(folder_, error);
    if (!fs::copy_file(program, this->program(), fs::copy_options::overwrite_existing, error)) {
        throw DriverError(L"cannot copy " + program.wstring() + L" into " + folder_.wstring());
    }
}

ProgramFolder::~ProgramFolder()
{
    if (atEnd_ == AtEnd::kRemove) {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }
}

fs::path ProgramFolder::program() const { return folder_ / L"ZorviSplitter.exe"; }

void ProgramFolder::SetNoticeHost(const std::string& host) const
{
    std::ofstream ini(folder_ / texts::kIni, std::ios::binary | std::ios::trunc);
    ini << "[notice]\r\nhost=" << host << "\r\n";
    if (!ini.flush()) {
        throw DriverError(L"cannot write the settings file in " + folder_.wstring());
    }
}

}  // namespace splitter
