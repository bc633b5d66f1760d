// automation_fixture.exe COMMAND ...:
//   exit CODE                          ends with CODE
//   message-box FLAGS TITLE TEXT       shows MessageBoxW(no owner) and ends with the pressed button's id
//   window                             the edit and button window (ends 0 when closed)
//   holding COUNT                      the same window, holding COUNT more GDI objects, windows and 64 KB blocks
//   solid RRGGBB X Y W H               a topmost window painted one colour
//   open-dialog|save-dialog RESULT explorer|plain
#include <cwchar>
#include <string>

#include "tests/tools/fixture.h"

namespace {

int Number(const wchar_t* text, int base) { return static_cast<int>(std::wcstol(text, nullptr, base)); }

int Run(int argc, wchar_t** argv)
{
    const std::wstring command = argc > 1 ? argv[1] : L"";
    if (command == L"exit" && argc == 3) {
        return Number(argv[2], 10);
    }
    if (command == L"message-box" && argc == 5) {
        return MessageBoxW(nullptr, argv[4], argv[3], static_cast<UINT>(Number(argv[2], 10)));
    }
    if (command == L"window" && argc == 2) {
        return fixture::RunWindow();
    }
    if (command == L"holding" && argc == 3) {
        return fixture::RunWindowHolding(Number(argv[2], 10));
    }
    if (command == L"solid" && argc == 7) {
        const int rgb = Number(argv[2], 16);
        const int x = Number(argv[3], 10);
        const int y = Number(argv[4], 10);
        const RECT rect{x, y, x + Number(argv[5], 10), y + Number(argv[6], 10)};
        return fixture::RunSolid(RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF), rect);
    }
    if ((command == L"open-dialog" || command == L"save-dialog") && argc == 4) {
        return fixture::RunFileDialog(command == L"save-dialog", std::wstring(argv[3]) == L"explorer", argv[2]);
    }
    return 100;
}

}  // namespace

int wmain(int argc, wchar_t** argv) { return Run(argc, argv); }
