#include "app/pixel_pieces.h"

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <new>
#include <thread>

#include "app/split_files.h"
#include "pictures/conversion/jpeg_encoder.h"
#include "pictures/conversion/replacement_file.h"
#include "runtime/win32/owned_handles.h"

namespace app {

namespace {

// The split's ConvertToJpeg call: colour, quality 100, optimised Huffman tables, no smoothing.
const pictures::JpegSettings kPieceSettings{false, 100, true, 0};
constexpr unsigned kMostEncoders = 4;
// Encoders see a stop between bands of rows; this bounds the wait for one that is writing a file.
constexpr auto kStopWait = std::chrono::seconds(3);

// A piece as an encoder leaves it: written, closed and waiting next to its file for its turn.
struct EncodedPiece {
    bool done = false;
    std::unique_ptr<pictures::ReplacementFile> file;  // null when the piece failed
};

}  // namespace

// What the worker and its encoders share. The picture, the pieces and the background never change
// once the encoders run; the rest is guarded by lock.
struct PieceEncoding {
    pictures::PictureRef picture;  // B,G,R rows bottom-up
    std::vector<PieceFile> pieces;
    uint8_t background[3] = {};  // B, G, R
    std::atomic<bool> stopped{false};

    std::mutex lock;
    std::condition_variable changed;
    size_t next = 0;
    unsigned running = 0;
    std::vector<EncodedPiece> encoded;
};

namespace {

// The boards keep a decoded picture's pixels as they are only on a display of 24 or 32 bits.
bool DisplayKeepsColours()
{
    rt::ScreenDc screen;
    if (!screen.get()) {
        return false;
    }
    int bits = GetDeviceCaps(screen.get(), BITSPIXEL) * GetDeviceCaps(screen.get(), PLANES);
    bool palette = (GetDeviceCaps(screen.get(), RASTERCAPS) & RC_PALETTE) != 0;
    return bits >= 24 && !palette;
}

bool HasColourRows(const pictures::Picture& p)
{
    bool colourKind = p.kind == pictures::PictureKind::kJpeg || p.kind == pictures::PictureKind::kBmp;
    return colourKind && p.data && p.width > 0 && p.height > 0 &&
           p.dataSize >= uint64_t{static_cast<uint32_t>(p.width)} * static_cast<uint32_t>(p.height) * 3;
}

// The rows of one piece as the cell board holds them. Rows that lie wholly on the picture are the
// picture's own; the others are made in the band, background first.
class PieceRows {
public:
    PieceRows(const PieceEncoding& encoding, const CutRect& cut, std::vector<uint8_t>& band)
        : picture_(*encoding.picture), background_(encoding.background), cut_(cut), width_(cut.width - 2), band_(band)
    {
        band_.resize(size_t{width_} * 3 * pictures::kRowsAtOnce);
    }

    uint32_t width() const { return width_; }

    void fill(uint32_t first, uint32_t count, const uint8_t** rows)
    {
        for (uint32_t i = 0; i < count; ++i) {
            rows[i] = row(first + i, band_.data() + size_t{i} * width_ * 3);
        }
    }

private:
    const uint8_t* pictureRow(int64_t y) const
    {
        return picture_.data + static_cast<size_t>(picture_.height - 1 - y) * picture_.width * 3;
    }

    const uint8_t* row(uint32_t y, uint8_t* made) const
    {
        int64_t onPicture = int64_t{cut_.y} + y;
        bool rowOnPicture = onPicture < picture_.height;
        if (rowOnPicture && int64_t{cut_.x} + width_ <= picture_.width) {
            return pictureRow(onPicture) + size_t{static_cast<uint32_t>(cut_.x)} * 3;
        }
        for (uint32_t x = 0; x < width_; ++x) {
            std::memcpy(made + size_t{x} * 3, background_, 3);
        }
        if (rowOnPicture && cut_.x < picture_.width) {
            size_t pixels = static_cast<size_t>(picture_.width - cut_.x);
            std::memcpy(made, pictureRow(onPicture) + size_t{static_cast<uint32_t>(cut_.x)} * 3, pixels * 3);
        }
        return made;
    }

    const pictures::Picture& picture_;
    const uint8_t* background_;
    CutRect cut_;
    uint32_t width_;
    std::vector<uint8_t>& band_;
};

// Encodes the piece and writes it next to its file; null when either fails or the split stops.
std::unique_ptr<pictures::ReplacementFile> EncodePiece(const PieceEncoding& encoding, const PieceFile& piece,
                                                       pictures::JpegEncoder& encoder, std::vector<uint8_t>& band)
{
    PieceRows rows(encoding, piece.cut, band);
    pictures::RowSource source = [&](uint32_t first, uint32_t count, const uint8_t** out) {
        rows.fill(first, count, out);
    };
    auto height = static_cast<uint32_t>(piece.cut.height - 2);
    if (!encoder.encode(rows.width(), height, pictures::RowFormat::kBgr, source, kPieceSettings, &encoding.stopped)) {
        return nullptr;
    }
    auto file = std::make_unique<pictures::ReplacementFile>(piece.name);
    std::span<const uint8_t> bytes = encoder.bytes();
    if (!file->file() || std::fwrite(bytes.data(), 1, bytes.size(), file->file()) != bytes.size() || !file->close()) {
        return nullptr;
    }
    return file;
}

// An encoder thread: takes the next piece until none is left or the split stops.
void EncodePieces(std::shared_ptr<PieceEncoding> encoding)
{
    pictures::JpegEncoder encoder;
    std::vector<uint8_t> band;
    for (;;) {
        size_t index;
        {
            std::lock_guard lock(encoding->lock);
            if (encoding->stopped || encoding->next >= encoding->pieces.size()) {
                break;
            }
            index = encoding->next++;
        }
        EncodedPiece piece{true, nullptr};
        try {
            piece.file = EncodePiece(*encoding, encoding->pieces[index], encoder, band);
        } catch (const std::bad_alloc&) {
            piece.file.reset();
        }
        std::lock_guard lock(encoding->lock);
        if (!encoding->stopped) {
            encoding->encoded[index] = std::move(piece);
        }
        encoding->changed.notify_all();
    }
    std::lock_guard lock(encoding->lock);
    --encoding->running;
    encoding->changed.notify_all();
}

// Stops the encoders, waits a while for them to leave, and removes the pieces they made that are
// not under their names yet.
void Stop(PieceEncoding& encoding)
{
    std::unique_lock lock(encoding.lock);
    encoding.stopped = true;
    encoding.changed.notify_all();
    encoding.changed.wait_for(lock, kStopWait, [&] { return encoding.running == 0; });
    encoding.encoded.clear();
}

unsigned EncoderCount(size_t pieces)
{
    unsigned processors = std::max(1u, std::thread::hardware_concurrency());
    return static_cast<unsigned>(std::min<size_t>({processors, kMostEncoders, pieces}));
}

// Starts the encoders from inside a step of the split's files, so that a program ending now either
// finds them and stops them, or never lets them start.
bool StartEncoders(const std::shared_ptr<PieceEncoding>& encoding)
{
    bool started = false;
    WriteSplitFiles([&] {
        unsigned count = EncoderCount(encoding->pieces.size());
        for (unsigned i = 0; i < count; ++i) {
            {
                std::lock_guard lock(encoding->lock);
                ++encoding->running;
            }
            try {
                std::thread(EncodePieces, encoding).detach();
            } catch (const std::system_error&) {
                std::lock_guard lock(encoding->lock);
                --encoding->running;
                break;
            }
        }
        std::lock_guard lock(encoding->lock);
        started = encoding->running > 0;
        if (started) {
            SetSplitStopper([encoding] { Stop(*encoding); });
        }
    });
    return started;
}

}  // namespace

std::unique_ptr<PixelPieces> PixelPieces::Start(pictures::PictureRef picture, std::vector<PieceFile> pieces,
                                                uint32_t background)
{
    if (!picture || !HasColourRows(*picture) || pieces.empty() || !DisplayKeepsColours()) {
        return nullptr;
    }
    try {
        auto encoding = std::make_shared<PieceEncoding>();
        encoding->picture = std::move(picture);
        encoding->background[0] = static_cast<uint8_t>(background >> 16);
        encoding->background[1] = static_cast<uint8_t>(background >> 8);
        encoding->background[2] = static_cast<uint8_t>(background);
        encoding->encoded.resize(pieces.size());
        encoding->pieces = std::move(pieces);
        if (!StartEncoders(encoding)) {
            return nullptr;
        }
        return std::make_unique<PixelPieces>(std::move(encoding));
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

PixelPieces::PixelPieces(std::shared_ptr<PieceEncoding> encoding) : encoding_(std::move(encoding)) {}

PixelPieces::~PixelPieces()
{
    WriteSplitFiles([] { SetSplitStopper({}); });
    Stop(*encoding_);
}

bool PixelPieces::write(size_t index)
{
    {
        std::unique_lock lock(encoding_->lock);
        encoding_->changed.wait(lock, [&] { return encoding_->stopped || encoding_->encoded[index].done; });
        if (encoding_->stopped) {
            return false;
        }
    }
    // The piece stays the encoding's until the step takes it: a program ending meanwhile removes it.
    bool written = false;
    WriteSplitFiles([&] {
        std::unique_ptr<pictures::ReplacementFile> file;
        {
            std::lock_guard lock(encoding_->lock);
            if (!encoding_->stopped) {
                file = std::move(encoding_->encoded[index].file);
            }
        }
        written = file && file->commit();
    });
    return written;
}

}  // namespace app
