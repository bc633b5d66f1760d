#include "controls/board/bmp_file.h"

#include <cstring>
#include <limits>
#include <utility>
#include <vector>

#include "runtime/memory.h"
#include "runtime/values.h"
#include "runtime/win32/owned_handles.h"

namespace rt::units {
namespace {

constexpr uint32_t kFileHeaderSize = 14;
constexpr uint32_t kInfoHeaderSize = 40;
constexpr uint32_t kPixelOffset = kFileHeaderSize + kInfoHeaderSize;
// A palette display converts through the first 255 entries of the system palette.
constexpr int kPaletteEntries = 255;

void PutU16(uint8_t* at, uint16_t value)
{
    at[0] = static_cast<uint8_t>(value);
    at[1] = static_cast<uint8_t>(value >> 8);
}

void PutU32(uint8_t* at, uint32_t value)
{
    PutU16(at, static_cast<uint16_t>(value));
    PutU16(at + 2, static_cast<uint16_t>(value >> 16));
}

// The system palette's first entries realised into the context while the scope lives, on a
// palette display; nothing otherwise.
class SystemPaletteSelection {
public:
    explicit SystemPaletteSelection(HDC dc) : dc_(dc)
    {
        if (!(GetDeviceCaps(dc, RASTERCAPS) & RC_PALETTE)) {
            return;
        }
        std::vector<uint8_t> block(sizeof(LOGPALETTE) + kPaletteEntries * sizeof(PALETTEENTRY));
        auto* palette = reinterpret_cast<LOGPALETTE*>(block.data());
        palette->palVersion = 0x300;
        palette->palNumEntries = kPaletteEntries;
        GetSystemPaletteEntries(dc, 0, kPaletteEntries, palette->palPalEntry);
        palette_ = CreatePalette(palette);
        if (palette_) {
            previous_ = SelectPalette(dc, palette_, FALSE);
            RealizePalette(dc);
        }
    }
    ~SystemPaletteSelection()
    {
        if (palette_) {
            SelectPalette(dc_, previous_, FALSE);
            DeleteObject(palette_);
        }
    }
    SystemPaletteSelection(const SystemPaletteSelection&) = delete;
    SystemPaletteSelection& operator=(const SystemPaletteSelection&) = delete;

private:
    HDC dc_;
    HPALETTE palette_ = nullptr;
    HPALETTE previous_ = nullptr;
};

}  // namespace

OwnedByteSet OwnedByteSet::Allocate(size_t size)
{
    OwnedByteSet bytes;
    if (size > static_cast<size_t>(std::numeric_limits<int32_t>::max())) {
        return bytes;
    }
    auto* header = static_cast<ByteSetHeader*>(TryAllocMem(sizeof(ByteSetHeader) + size));
    if (header) {
        header->dimensions = 1;
        header->count = static_cast<int32_t>(size);
    }
    bytes.block_ = header;
    return bytes;
}

OwnedByteSet::OwnedByteSet(OwnedByteSet&& other) noexcept : block_(std::exchange(other.block_, nullptr)) {}

OwnedByteSet& OwnedByteSet::operator=(OwnedByteSet&& other) noexcept
{
    std::swap(block_, other.block_);
    return *this;
}

OwnedByteSet::~OwnedByteSet() { FreeMem(block_); }

size_t OwnedByteSet::size() const { return ByteSetSize(block_); }

uint8_t* OwnedByteSet::data() { return ByteSetData(block_); }

void* OwnedByteSet::release() { return std::exchange(block_, nullptr); }

OwnedByteSet BmpFileOfBitmap(HBITMAP bitmap, SIZE size)
{
    if (!bitmap || size.cx <= 0 || size.cy <= 0) {
        return {};
    }
    uint64_t rowBytes = (uint64_t{static_cast<uint32_t>(size.cx)} * 24 + 31) / 32 * 4;
    uint64_t pixelBytes = rowBytes * static_cast<uint32_t>(size.cy);
    if (pixelBytes > std::numeric_limits<int32_t>::max() - kPixelOffset) {
        return {};
    }
    OwnedByteSet file = OwnedByteSet::Allocate(kPixelOffset + pixelBytes);
    if (file.empty()) {
        return {};
    }
    // The rows' padding stays 0, as GetDIBits need not write it.
    std::memset(file.data(), 0, file.size());
    BITMAPINFO info{};
    info.bmiHeader.biSize = kInfoHeaderSize;
    info.bmiHeader.biWidth = size.cx;
    info.bmiHeader.biHeight = size.cy;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    info.bmiHeader.biSizeImage = static_cast<DWORD>(pixelBytes);
    ScreenDc screen;
    if (!screen.get()) {
        return {};
    }
    SystemPaletteSelection palette(screen.get());
    if (GetDIBits(screen.get(), bitmap, 0, static_cast<UINT>(size.cy), file.data() + kPixelOffset, &info,
                  DIB_RGB_COLORS) != size.cy) {
        return {};
    }
    uint8_t* header = file.data();
    header[0] = 'B';
    header[1] = 'M';
    PutU32(header + 2, static_cast<uint32_t>(file.size()));
    PutU32(header + 10, kPixelOffset);
    uint8_t* infoHeader = header + kFileHeaderSize;
    PutU32(infoHeader, kInfoHeaderSize);
    PutU32(infoHeader + 4, static_cast<uint32_t>(size.cx));
    PutU32(infoHeader + 8, static_cast<uint32_t>(size.cy));
    PutU16(infoHeader + 12, 1);
    PutU16(infoHeader + 14, 24);
    PutU32(infoHeader + 20, info.bmiHeader.biSizeImage);
    return file;
}

}  // namespace rt::units
