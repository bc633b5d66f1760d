#include "pictures/conversion/read_source.h"

#include "pictures/conversion/source_reader.h"
#include "pictures/conversion/temp_file_buffer.h"
#include "pictures/shared/picture_limits.h"
#include "runtime/byte_stream.h"

namespace pictures {
namespace {

using ReaderFactory = std::unique_ptr<SourceReader> (*)();

constexpr ReaderFactory kReaders[] = {
    MakeJpegReader, MakeBmpReader, MakeTiffReader, MakePngReader, MakePcxReader, MakePhotoCdReader,
};

// The file's bytes live in a temporary-file buffer, as the conversion's other large buffers do.
// An empty file gives no buffer and no bytes.
bool ReadWholeFile(const std::string& path, std::unique_ptr<TempFileBuffer>& bytes)
{
    std::unique_ptr<rt::ByteStream> file = rt::OpenFileStream(path, rt::FileSharing::kAll);
    if (!file || file->size() > kMaxInMemoryFileBytes) {
        return false;
    }
    if (file->size() == 0) {
        return true;
    }
    bytes = TempFileBuffer::Create(file->size());
    return bytes && file->read(bytes->data(), bytes->size()) == bytes->size();
}

}  // namespace

ReadOutcome ReadSource(std::span<const uint8_t> source, ConversionImage& image)
{
    for (ReaderFactory make : kReaders) {
        std::unique_ptr<SourceReader> reader = make();
        if (reader->open(source)) {
            return reader->read(image) ? ReadOutcome::kRead : ReadOutcome::kFailed;
        }
    }
    return ReadOutcome::kRefused;
}

ReadOutcome ReadSourceFile(const std::string& path, ConversionImage& image)
{
    std::unique_ptr<TempFileBuffer> bytes;
    if (!ReadWholeFile(path, bytes)) {
        return ReadOutcome::kRefused;
    }
    std::span<const uint8_t> source;
    if (bytes) {
        source = {bytes->data(), bytes->size()};
    }
    return ReadSource(source, image);
}

}  // namespace pictures
