#include "pictures/conversion/read_source.h"

#include "pictures/conversion/source_reader.h"

namespace pictures {
namespace {

using ReaderFactory = std::unique_ptr<SourceReader> (*)();

constexpr ReaderFactory kReaders[] = {
    MakeJpegReader, MakeBmpReader, MakeTiffReader, MakePngReader, MakePcxReader, MakePhotoCdReader,
};

}  // namespace

ReadOutcome ReadSource(const std::string& path, ConversionImage& image)
{
    for (ReaderFactory make : kReaders) {
        std::unique_ptr<SourceReader> reader = make();
        if (reader->open(path)) {
            return reader->read(image) ? ReadOutcome::kRead : ReadOutcome::kFailed;
        }
    }
    return ReadOutcome::kRefused;
}

}  // namespace pictures
