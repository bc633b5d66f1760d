// The split's pieces made from the picture's pixels instead of through the scratch boards: from the
// picture decoded when the split started, encoder threads of the split's own (one per processor,
// up to four) each take the next piece, encode it straight from the pixels and write it next to
// its file, and the worker puts each one under its name, whole, in piece order.
//
// The files are the boards' files byte for byte: a piece holds the picture's pixels where the cell
// lies on the picture and the cell board's background colour elsewhere, encoded with
// ConvertToJpeg's settings. The encoders touch no unit and call no command; they and the worker hold
// the decoded picture, read only, until the last of them lets it go.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/split_plan.h"
#include "pictures/decoding/picture_list.h"

namespace app {

// A piece file to make: its name and where it is cut.
struct PieceFile {
    std::string name;
    CutRect cut;
};

struct PieceEncoding;

class PixelPieces {
public:
    // Starts the encoders on the decoded picture. Null when the boards would not keep its pixels
    // as they are (a picture without colour rows, such as an icon or a GIF, or a display of fewer
    // than 24 bits per pixel), or no encoder can start: the boards then cut the picture.
    // background is the cell board's 0x00BBGGRR colour.
    static std::unique_ptr<PixelPieces> Start(pictures::PictureRef picture, std::vector<PieceFile> pieces,
                                              uint32_t background);

    explicit PixelPieces(std::shared_ptr<PieceEncoding> encoding);
    // Stops the encoders; pieces not yet under their names are removed.
    ~PixelPieces();
    PixelPieces(const PixelPieces&) = delete;
    PixelPieces& operator=(const PixelPieces&) = delete;

    // Waits for the piece (its index in the list) and puts it under its name; false when it could
    // not be made or written.
    bool write(size_t index);

private:
    std::shared_ptr<PieceEncoding> encoding_;
};

}  // namespace app
