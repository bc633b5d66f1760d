#include "tests/end_to_end/end_to_end_test.h"

#include "tools/automation/wait.h"
#include "tools/splitter_driver/driver_error.h"

namespace end_to_end {
namespace {

namespace fs = std::filesystem;

fs::path TestProgramFolder()
{
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    return fs::path(std::wstring(path, length)).parent_path();
}

std::wstring CurrentTestName()
{
    const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::wstring name = splitter::Wide(std::string(info->test_suite_name()) + "." + info->name());
    for (wchar_t& c : name) {
        if (c == L'/') {
            c = L'-';
        }
    }
    return name;
}

}  // namespace

EndToEndTest::EndToEndTest() : root_(TestProgramFolder() / L"end_to_end" / CurrentTestName())
{
    std::error_code ignored;
    fs::remove_all(root_, ignored);
    programFolder_ =
        std::make_unique<splitter::ProgramFolder>(TestProgramFolder() / L"ZorviSplitter.exe", root_ / L"program");
}

EndToEndTest::~EndToEndTest()
{
    program_.reset();
    programFolder_.reset();
    std::error_code ignored;
    fs::remove_all(root_, ignored);
}

splitter::Splitter& EndToEndTest::Start(const std::string& noticeHost)
{
    if (!noticeHost.empty()) {
        programFolder_->SetNoticeHost(noticeHost);
    }
    program_ = std::make_unique<splitter::Splitter>(*programFolder_);
    return *program_;
}

DWORD EndToEndTest::Stop() { return program_->Close(); }

fs::path EndToEndTest::Folder(const std::wstring& name) const
{
    fs::path folder = root_ / name;
    fs::create_directories(folder);
    return folder;
}

fs::path EndToEndTest::WritePicture(const std::wstring& name, const RgbPicture& picture) const
{
    const fs::path path = Folder(L"pictures") / name;
    const std::wstring extension = path.extension().wstring();
    if (extension == L".bmp") {
        WriteBmp(path, picture);
    } else if (extension == L".png" || extension == L".PNG") {
        WritePng(path, picture);
    } else if (extension == L".gif") {
        WriteGif(path, picture);
    } else {
        WriteJpeg(path, picture, 92);
    }
    return path;
}

fs::path DefaultPictureSource() { return fs::path(ZORVI_SOURCE_DIR) / "data" / "default_picture.jpg"; }

uint64_t LastAccess(const fs::path& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) {
        return 0;
    }
    return uint64_t{data.ftLastAccessTime.dwHighDateTime} << 32 | data.ftLastAccessTime.dwLowDateTime;
}

bool WaitForAccessAfter(const fs::path& path, uint64_t before, DWORD timeoutMs)
{
    return automation::WaitFor(timeoutMs, [&] { return LastAccess(path) > before; });
}

}  // namespace end_to_end
