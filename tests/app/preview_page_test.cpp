// The page that joins the pieces: its exact bytes for a small split, in GBK with CR LF lines.
#include <gtest/gtest.h>

#include <string>

#include "app/preview_page.h"

namespace {

TEST(PreviewPage, OneRowOfTwoPiecesIsTheHeadTheRowAndTheEnd)
{
    std::string page = app::PageHead() + app::RowStart() + app::PieceCell("C:\\out\\cover-1.jpg") +
                       app::PieceCell("C:\\out\\cover-2.jpg") + app::RowEnd() + app::PageEnd();
    const std::string expected =
        "<html>\r\n<head>\r\n<meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb2312\">\r\n"
        "<title>Zorvi\xCD\xBC\xC6\xAC\xB7\xD6\xB8\xEE\xC6\xF7\xC9\xFA\xB3\xC9\xCD\xF8\xD2\xB3</title>\r\n"
        "</head>\r\n<body>\r\n\r\n"
        "<table width=\"106\" height=\"106\" cellpadding=\"0\" cellspacing=\"1\" id=\"table1\">\r\n"
        "<tr>\r\n"
        "<td><img border=\"0\" src=\"C:\\out\\cover-1.jpg\"></td>\r\n"
        "<td><img border=\"0\" src=\"C:\\out\\cover-2.jpg\"></td>\r\n"
        "</tr>\r\n"
        "</table>\r\n\r\n</body>\r\n</html>";
    EXPECT_EQ(page, expected);
}

TEST(PreviewPage, NamesGoIntoTheSourceUnescaped)
{
    EXPECT_EQ(app::PieceCell("C:\\a&b%20\\x-1.jpg"), "<td><img border=\"0\" src=\"C:\\a&b%20\\x-1.jpg\"></td>\r\n");
}

}  // namespace
