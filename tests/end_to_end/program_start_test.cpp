// The real program's start in a folder of its own: the main window with its title, and the default
// picture written beside the program once, never over a file that is already there.
#include <fstream>

#include "tests/end_to_end/end_to_end_test.h"
#include "tools/automation/window_query.h"

namespace end_to_end {
namespace {

class ProgramStart : public EndToEndTest {};

TEST_F(ProgramStart, TheFirstStartWritesTheDefaultPictureAndALaterOneLeavesItAsItIs)
{
    const std::filesystem::path picture = programFolder() / texts::kDefaultPicture;
    ASSERT_FALSE(std::filesystem::exists(picture));
    splitter::Splitter& first = Start();
    EXPECT_EQ(automation::WindowText(first.mainWindow()), texts::kMainTitle);
    EXPECT_EQ(Stop(), 0u);
    const std::string written = ReadAll(picture);
    EXPECT_EQ(written.size(), 34451u);
    EXPECT_EQ(written, ReadAll(DefaultPictureSource()));

    std::ofstream(picture, std::ios::binary | std::ios::trunc) << "changed";
    Start();
    EXPECT_EQ(Stop(), 0u);
    EXPECT_EQ(ReadAll(picture), "changed");
}

}  // namespace
}  // namespace end_to_end
