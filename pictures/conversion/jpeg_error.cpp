#include "pictures/conversion/jpeg_error.h"

namespace pictures {
namespace {

void JumpBack(j_common_ptr info) { std::longjmp(reinterpret_cast<JpegErrorJump*>(info->err)->jump, 1); }

void DiscardMessage(j_common_ptr) {}

}  // namespace

jpeg_error_mgr* InitJpegErrorJump(JpegErrorJump& error)
{
    jpeg_std_error(&error.manager);
    error.manager.error_exit = JumpBack;
    error.manager.output_message = DiscardMessage;
    return &error.manager;
}

}  // namespace pictures
