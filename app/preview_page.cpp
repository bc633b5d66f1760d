#include "app/preview_page.h"

namespace app {

std::string PageHead()
{
    return "<html>\r\n"
           "<head>\r\n"
           "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb2312\">\r\n"
           "<title>Zorvi图片分割器生成网页</title>\r\n"
           "</head>\r\n"
           "<body>\r\n"
           "\r\n"
           "<table width=\"106\" height=\"106\" cellpadding=\"0\" cellspacing=\"1\" id=\"table1\">\r\n";
}

std::string RowStart() { return "<tr>\r\n"; }

std::string PieceCell(const std::string& pieceName)
{
    return "<td><img border=\"0\" src=\"" + pieceName + "\"></td>\r\n";
}

std::string RowEnd() { return "</tr>\r\n"; }

std::string PageEnd()
{
    return "</table>\r\n"
           "\r\n"
           "</body>\r\n"
           "</html>";
}

}  // namespace app
