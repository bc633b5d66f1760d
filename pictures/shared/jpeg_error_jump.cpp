#include "pictures/shared/jpeg_error_jump.h"

namespace pictures {
namespace {

void JumpBack(j_common_ptr info) { std::longjmp(reinterpret_cast<JpegErrorJump*>(info->err)->jump, 1); }

void DropMessage(j_common_ptr, int) {}

void DropOutput(j_common_ptr) {}

}  // namespace

jpeg_error_mgr* InitJpegErrorJump(JpegErrorJump& error)
{
    jpeg_std_error(&error.manager);
    error.manager.error_exit = JumpBack;
    error.manager.emit_message = DropMessage;
    error.manager.output_message = DropOutput;
    return &error.manager;
}

}  // namespace pictures
