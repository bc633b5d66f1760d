// Runtime errors: final failures of the runtime itself, reported in a box titled "错误" before the
// process ends with exit code -1.
#pragma once

#include <string>

namespace rt {

// The box text: "运行时出错!\r\n\r\n", then the code (when not 0) and the message (when not empty).
std::string FormatRuntimeErrorText(int code, const char* message);

// The message of a RaiseErrorCode code 1..11, or null for any other code.
const char* ErrorCodeMessage(int code);

// Called before the box with (events-suspended count, code, message); a non-zero result
// suppresses the box. Null removes the handler.
using RuntimeErrorHandler = int (*)(int suspendedCount, int code, const char* message);
void SetRuntimeErrorHandler(RuntimeErrorHandler handler);

[[noreturn]] void ReportRuntimeError(const char* message, int code);
[[noreturn]] void RaiseErrorCode(int code);

// Messages of the runtime's own final errors.
namespace messages {
inline constexpr const char* kTemplateBlockUnreadable = "载入窗口模板数据段出错!";
inline constexpr const char* kStartWindowFailed = "载入启动窗口失败";
inline constexpr const char* kNotNumeric = "欲转换数据类型不是数值";
inline constexpr const char* kWindowNotLoadedForUnit = "未载入欲访问窗口组件所在的窗口";
inline constexpr const char* kWindowNotLoaded = "指定窗口尚未载入";
inline constexpr const char* kUnitMissing = "指定窗口或窗口组件不存在或尚未载入";
inline constexpr const char* kEventWindowMissing = "未找到引发事件的窗口";
inline constexpr const char* kEventUnitMissing = "未找到引发事件的窗口组件";
inline constexpr const char* kEventUnitInvalid = "引发事件的窗口组件无效";
}  // namespace messages

}  // namespace rt
