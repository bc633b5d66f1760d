#include "pictures/conversion/jpeg_encoder.h"

#include <cstdlib>
#include <new>

#include <jerror.h>

#include "pictures/conversion/kept_jpeg_memory.h"
#include "pictures/shared/jpeg_error_jump.h"

namespace pictures {

namespace {

constexpr size_t kFirstOutputBytes = 64 * 1024;

// libjpeg's destination: a buffer that grows as the file does and is kept for the next picture.
struct GrowingDestination {
    jpeg_destination_mgr manager;  // first: libjpeg's dest pointer is also ours
    uint8_t* buffer;
    size_t capacity;
    size_t size;
};

GrowingDestination* DestinationOf(j_compress_ptr c) { return reinterpret_cast<GrowingDestination*>(c->dest); }

// Doubles the buffer, keeping what is written; libjpeg's error exit when memory runs out.
void Grow(j_compress_ptr c, GrowingDestination* d)
{
    size_t grown = d->capacity < kFirstOutputBytes ? kFirstOutputBytes : d->capacity * 2;
    auto* bigger = grown > d->capacity ? static_cast<uint8_t*>(std::realloc(d->buffer, grown)) : nullptr;
    if (!bigger) {
        ERREXIT1(c, JERR_OUT_OF_MEMORY, 0);
    }
    d->buffer = bigger;
    d->capacity = grown;
}

// libjpeg writes a byte before it looks for room: the buffer is never empty when it starts.
void StartDestination(j_compress_ptr c)
{
    GrowingDestination* d = DestinationOf(c);
    if (d->capacity == 0) {
        Grow(c, d);
    }
    d->size = 0;
    d->manager.next_output_byte = d->buffer;
    d->manager.free_in_buffer = d->capacity;
}

// Called when the buffer is full.
boolean GrowDestination(j_compress_ptr c)
{
    GrowingDestination* d = DestinationOf(c);
    size_t written = d->capacity;
    Grow(c, d);
    d->manager.next_output_byte = d->buffer + written;
    d->manager.free_in_buffer = d->capacity - written;
    return TRUE;
}

void EndDestination(j_compress_ptr c)
{
    GrowingDestination* d = DestinationOf(c);
    d->size = d->capacity - d->manager.free_in_buffer;
}

J_COLOR_SPACE ColourSpaceOf(RowFormat format)
{
    switch (format) {
    case RowFormat::kBgr:
        return JCS_EXT_BGR;
    case RowFormat::kGrey:
        return JCS_GRAYSCALE;
    case RowFormat::kRgb:
        break;
    }
    return JCS_RGB;
}

}  // namespace

// Plain C data: the compression below may longjmp out of any libjpeg call.
struct JpegEncoder::Session {
    jpeg_compress_struct compressor;
    JpegErrorJump error;
    GrowingDestination destination;
    KeptJpegMemory* memory;  // the compressor's, freed with it; null when libjpeg's own serves
    // libjpeg's standard Huffman tables as its defaults first made them. A compressor used again
    // keeps the tables of its last picture, optimised ones too: the defaults do not refill them.
    JHUFF_TBL standardDc[NUM_HUFF_TBLS];
    JHUFF_TBL standardAc[NUM_HUFF_TBLS];
};

namespace {

bool CreateCompressor(JpegEncoder::Session* s)
{
    s->compressor.err = InitJpegErrorJump(s->error);
    if (setjmp(s->error.jump)) {
        return false;
    }
    jpeg_create_compress(&s->compressor);
    // Without memory for the keeping manager, libjpeg's own serves, only slower.
    s->memory = NewKeptJpegMemory();
    if (s->memory) {
        UseKeptJpegMemory(reinterpret_cast<j_common_ptr>(&s->compressor), s->memory);
    }
    GrowingDestination& d = s->destination;
    d.manager.init_destination = StartDestination;
    d.manager.empty_output_buffer = GrowDestination;
    d.manager.term_destination = EndDestination;
    s->compressor.dest = &d.manager;
    s->compressor.in_color_space = JCS_RGB;
    s->compressor.input_components = 3;
    jpeg_set_defaults(&s->compressor);
    for (int i = 0; i < NUM_HUFF_TBLS; ++i) {
        if (s->compressor.dc_huff_tbl_ptrs[i]) {
            s->standardDc[i] = *s->compressor.dc_huff_tbl_ptrs[i];
        }
        if (s->compressor.ac_huff_tbl_ptrs[i]) {
            s->standardAc[i] = *s->compressor.ac_huff_tbl_ptrs[i];
        }
    }
    return true;
}

// Puts the standard tables back where the defaults made them.
void RestoreStandardTables(JpegEncoder::Session* s)
{
    for (int i = 0; i < NUM_HUFF_TBLS; ++i) {
        if (JHUFF_TBL* table = s->compressor.dc_huff_tbl_ptrs[i]) {
            *table = s->standardDc[i];
        }
        if (JHUFF_TBL* table = s->compressor.ac_huff_tbl_ptrs[i]) {
            *table = s->standardAc[i];
        }
    }
}

struct EncodeRequest {
    uint32_t width;
    uint32_t height;
    J_COLOR_SPACE colourSpace;
    const RowSource* rows;
    const JpegSettings* settings;
    const std::atomic<bool>* cancel;
};

// The one function that holds the setjmp of an encode: it owns nothing with a destructor.
bool Compress(JpegEncoder::Session* s, const EncodeRequest* request)
{
    jpeg_compress_struct* c = &s->compressor;
    if (setjmp(s->error.jump)) {
        return false;
    }
    SetJpegParameters(c, request->width, request->height, request->colourSpace, *request->settings);
    RestoreStandardTables(s);
    jpeg_start_compress(c, TRUE);
    JSAMPROW band[kRowsAtOnce];
    while (c->next_scanline < c->image_height) {
        if (request->cancel && request->cancel->load(std::memory_order_relaxed)) {
            return false;
        }
        uint32_t count = c->image_height - c->next_scanline;
        count = count < kRowsAtOnce ? count : kRowsAtOnce;
        // libjpeg reads the rows it is given; its row type is merely not const.
        (*request->rows)(c->next_scanline, count, const_cast<const uint8_t**>(band));
        jpeg_write_scanlines(c, band, count);
    }
    jpeg_finish_compress(c);
    return true;
}

}  // namespace

JpegEncoder::JpegEncoder() : session_(new (std::nothrow) Session{})
{
    if (session_ && !CreateCompressor(session_.get())) {
        jpeg_destroy_compress(&session_->compressor);
        session_.reset();
    }
}

JpegEncoder::~JpegEncoder()
{
    if (session_) {
        jpeg_destroy_compress(&session_->compressor);
        std::free(session_->destination.buffer);
    }
}

bool JpegEncoder::encode(uint32_t width, uint32_t height, RowFormat format, const RowSource& rows,
                         const JpegSettings& settings, const std::atomic<bool>* cancel)
{
    if (!session_) {
        return false;
    }
    session_->destination.size = 0;
    EncodeRequest request{width, height, ColourSpaceOf(format), &rows, &settings, cancel};
    if (!Compress(session_.get(), &request)) {
        // Leaves the compressor ready for the next picture, its image memory released.
        jpeg_abort_compress(&session_->compressor);
        session_->destination.size = 0;
        return false;
    }
    return true;
}

size_t JpegEncoder::memoryBytes() const
{
    return session_ && session_->memory ? KeptJpegMemoryBytes(session_->memory) : 0;
}

std::span<const uint8_t> JpegEncoder::bytes() const
{
    if (!session_) {
        return {};
    }
    return {session_->destination.buffer, session_->destination.size};
}

}  // namespace pictures
