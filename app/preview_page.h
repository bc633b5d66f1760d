// The fragments of index.html, the page whose table joins the pieces again: written in one pass
// as the split goes, in GBK, with CR LF line breaks. Windows-free.
#pragma once

#include <string>

namespace app {

std::string PageHead();
std::string RowStart();
// The cell showing one piece; its picture source is the piece file's name as written.
std::string PieceCell(const std::string& pieceName);
std::string RowEnd();
std::string PageEnd();

}  // namespace app
