// Run with LANG=en_US.UTF-8, where the system code page is 1252: the Chinese texts of the
// template still reach the controls intact, because they are converted from GBK explicitly.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "data/program_windows.h"
#include "runtime/start_runtime.h"
#include "runtime/window/window_lifetime.h"
#include "tests/controls/core_library/program_windows.h"
#include "tests/runtime/window/window_test_support.h"

const rt::ProgramHeader rt::kProgramHeader{};

namespace {

namespace units = data::main_window;

std::wstring ControlText(uint32_t unit)
{
    wchar_t text[128] = {};
    GetWindowTextW(window_test::UnitHandle(units::kId, unit), text, 128);
    return text;
}

TEST(ForeignCodePage, ChineseCaptionsShowOnAWesternSystem)
{
    ASSERT_EQ(GetACP(), 1252u) << "this test must run with LANG=en_US.UTF-8";
    program_windows::Start();
    ASSERT_TRUE(rt::LoadWindow(units::kId, nullptr, false, false));
    EXPECT_EQ(ControlText(units::kOpenButton), L"打开图片");
    EXPECT_EQ(ControlText(units::kInfoGroup), L"图片信息");
    EXPECT_EQ(ControlText(units::kByCountRadio), L"按数量分割");
    rt::DestroyAllWindows();
}

}  // namespace
