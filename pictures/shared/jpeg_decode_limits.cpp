#include "pictures/shared/jpeg_decode_limits.h"

#include <jerror.h>

namespace pictures {
namespace {

// libjpeg calls this at least once per row of blocks while it reads a scan.
void StopAfterTooManyScans(j_common_ptr common)
{
    auto info = reinterpret_cast<j_decompress_ptr>(common);
    if (info->input_scan_number > kJpegMaxScans) {
        ERREXIT1(common, JERR_BAD_SCAN_SCRIPT, info->input_scan_number);
    }
}

}  // namespace

void ApplyJpegDecodeLimits(jpeg_decompress_struct& info, JpegDecodeLimits& limits)
{
    limits.progress = {};
    limits.progress.progress_monitor = StopAfterTooManyScans;
    info.progress = &limits.progress;
    // Without backing store (libjpeg's jmemnobs), a multi-scan buffer beyond this is an error.
    info.mem->max_memory_to_use = kJpegMaxLibraryMemory;
}

}  // namespace pictures
