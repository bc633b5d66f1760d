#include <gtest/gtest.h>

#include "runtime/dll_search.h"
#include "runtime/find_file_filter.h"

TEST(FindFileFilter, AnyFlagTakesEveryEntryButDirectories)
{
    EXPECT_TRUE(rt::FindFileEntryMatches(0x20, 0, true));
    EXPECT_TRUE(rt::FindFileEntryMatches(0x80, 0x10, true));
    EXPECT_FALSE(rt::FindFileEntryMatches(0x10, 0x10, true));
}

TEST(FindFileFilter, EntryMatchesOnASharedAttributeOrWhenBothHaveNone)
{
    struct Case {
        uint32_t attributes, filter;
        bool matches;
    };
    const Case cases[] = {
        {0x21, 0x01, true},   // read-only archive, asked for read-only
        {0x20, 0x01, false},  // archive only, asked for read-only
        {0x10, 0x10, true},   // directory asked for directories
        {0x80, 0x00, true},   // normal file (no masked attribute) with an empty filter
        {0x20, 0x00, false},  // archive with an empty filter
        {0x80, 0x40, true},   // bits outside the mask do not count: both are empty
        {0x02, 0x06, true},   // hidden, asked for hidden or system
    };
    for (const Case& c : cases) {
        EXPECT_EQ(rt::FindFileEntryMatches(c.attributes, c.filter, false), c.matches)
            << std::hex << c.attributes << " " << c.filter;
    }
}

TEST(DllSearch, OrdinalNamesAndExportNames)
{
    rt::DllExportName ordinal = rt::ParseDllExportName("#70000");
    EXPECT_TRUE(ordinal.byOrdinal);
    EXPECT_EQ(ordinal.ordinal, 70000 & 0xffff);
    rt::DllExportName named = rt::ParseDllExportName("GetTickCount");
    EXPECT_FALSE(named.byOrdinal);
    EXPECT_EQ(named.name, "GetTickCount");
}

TEST(DllSearch, NamedLibraryIsTriedInTheConfiguredFolderThenBesideTheProgramThenBySystemSearch)
{
    EXPECT_EQ(rt::DllLoadCandidates("a.dll", "D:\\libs", "C:\\prog", "C:\\prog\\"),
              (std::vector<std::string>{"D:\\libs\\a.dll", "C:\\prog\\a.dll", "C:\\prog\\a.dll", "a.dll"}));
    EXPECT_EQ(rt::DllLoadCandidates("a.dll", "", "C:\\prog", "C:\\start\\"),
              (std::vector<std::string>{"C:\\prog\\a.dll", "C:\\start\\a.dll", "a.dll"}));
    EXPECT_EQ(rt::DllLoadCandidates("C:\\x\\a.dll", "D:\\libs", "C:\\prog", "C:\\prog\\"),
              std::vector<std::string>{"C:\\x\\a.dll"});
    EXPECT_EQ(rt::UnnamedLibraryCandidates().front(), "Kernel32.dll");
    EXPECT_EQ(rt::UnnamedLibraryCandidates().back(), "Shell32.dll");
}

TEST(DllSearch, MessagesNameTheLibraryWhenThereIsOne)
{
    EXPECT_EQ(rt::DllCommandNotFoundMessage("a.dll", "F"), "无法找到指定DLL库文件“a.dll”中的输出命令“F”");
    EXPECT_EQ(rt::DllCommandNotFoundMessage("", "F"), "无法找到指定DLL库文件中的输出命令“F”");
}
