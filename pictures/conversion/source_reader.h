// One reader per source format. The open step inspects the file and accepts or refuses it; the
// read step of an accepting reader fills the picture. A reader closes the source when it is
// destroyed, so the destination may be the source itself.
#pragma once

#include <memory>
#include <string>

#include "pictures/conversion/conversion_image.h"

namespace pictures {

class SourceReader {
public:
    virtual ~SourceReader() = default;
    // False refuses the file: the next reader is offered it.
    virtual bool open(const std::string& path) = 0;
    // Only after an accepting open; false is a failed read.
    virtual bool read(ConversionImage& image) = 0;
};

std::unique_ptr<SourceReader> MakeJpegReader();
std::unique_ptr<SourceReader> MakeBmpReader();
std::unique_ptr<SourceReader> MakeTiffReader();
std::unique_ptr<SourceReader> MakePngReader();
std::unique_ptr<SourceReader> MakePcxReader();
std::unique_ptr<SourceReader> MakePhotoCdReader();

}  // namespace pictures
