// One reader per source format, reading the source's bytes from memory. The open step inspects
// the bytes and accepts or refuses them; the read step of an accepting reader fills the picture.
// The bytes must outlive the reader.
#pragma once

#include <cstdint>
#include <memory>
#include <span>

#include "pictures/conversion/conversion_image.h"

namespace pictures {

class SourceReader {
public:
    virtual ~SourceReader() = default;
    // False refuses the bytes: the next reader is offered them.
    virtual bool open(std::span<const uint8_t> source) = 0;
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
