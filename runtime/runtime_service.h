// RuntimeService: the one entry through which units and libraries reach the runtime.
#pragma once

#include <cstdint>

#include "runtime/values.h"

namespace rt {

enum ServiceCode : int {
    kServiceApplicationIcon = 1000,
    kServiceTemplateCollection = 1001,
    kServiceUnitKind = 1002,
    kServicePictureToBitmap = 1003,
    kServiceIdleRegister = 1012,
    kServiceIdleRemove = 1013,
    kServiceUnitDestroyed = 2000,
    kServiceToInteger = 2001,
    kServiceProgramDirectory = 2003,
    kServiceProgramFileName = 2004,
    kServiceLoadWindow = 2005,
    kServiceUnitObject = 2006,
    kServiceUnitObjectOrFail = 2007,
    kServiceRaiseEvent = 2008,
    kServiceBeginWindowLoad = 2009,
    kServiceEndWindowLoad = 2010,
    kServiceWindowFlagGet = 2011,
    kServiceWindowFlagSet = 2012,
    kServiceEventSource = 2017,
    kServiceProcessMessages = 2018,
    kServiceRegisterPicture = 2019,
    kServiceUnregisterPicture = 2020,
    kServiceIsPictureRegistered = 2021,
    kServiceReleaseValue = 2023,
    kServiceAllocate = 2024,
    kServiceFree = 2025,
    kServiceReallocate = 2026,
    kServiceErrorReport = 2027,
    kServiceExitProgram = 2028,
    kServiceRunMode = 2030,
    kServiceRaiseEventTriples = 2031,
};

int64_t RuntimeService(int code, uintptr_t arg1, uintptr_t arg2);

// Service 2005's request, passed by address as the first argument; the service answers
// kLoadWindowSucceeded or kLoadWindowFailed.
struct LoadWindowRequest {
    uint32_t windowId = 0;
    void* owner = nullptr;  // the owner's window unit object, or null
    int32_t modal = 0;      // non-zero: shown modally, the owner ignored
};
inline constexpr int64_t kLoadWindowSucceeded = 0;
inline constexpr int64_t kLoadWindowFailed = -1;

// Services whose work belongs to a higher layer (windows, units, pictures) are handed to it here
// when that layer starts; an unclaimed code answers 0.
using ServiceHandler = int64_t (*)(uintptr_t arg1, uintptr_t arg2);
void SetServiceHandler(int code, ServiceHandler handler);

// Conversion of a numeric value to a 32-bit integer (Long: low 32 bits; reals truncated); any
// other type is the runtime error "欲转换数据类型不是数值".
int32_t NumericToInteger(const ValueTriple& value);

}  // namespace rt
