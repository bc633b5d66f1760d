// The value model shared by the application and the runtime: type codes, the 12-byte value triple,
// texts, byte sets and array blocks.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace rt {

enum ValueType : uint32_t {
    kOmitted = 0,
    kByte = 0x80000101,
    kShort = 0x80000201,
    kInt = 0x80000301,
    kLong = 0x80000401,
    kFloat = 0x80000501,
    kDouble = 0x80000601,
    kLogical = 0x80000002,
    kDateTime = 0x80000003,
    kText = 0x80000004,
    kByteSet = 0x80000005,
    kSubPtr = 0x80000006,
};

constexpr uint32_t kArrayBit = 0x20000000;

constexpr bool IsArrayType(uint32_t type) { return (type & kArrayBit) != 0 && (type & 0x80000000) != 0; }
constexpr uint32_t ElementType(uint32_t type) { return type & ~kArrayBit; }
constexpr bool IsNumericType(uint32_t type)
{
    return type == kByte || type == kShort || type == kInt || type == kLong || type == kFloat || type == kDouble;
}
// A unit reference carries the unit's kind (library number × 65536 + unit number) as its type.
constexpr bool IsUnitKindType(uint32_t type) { return type != 0 && (type & 0x80000000) == 0 && (type & 0xffff) != 0; }

// Three 32-bit words: low, high, type. A pointer-valued type (text, byte set, array, sub pointer)
// keeps its pointer in low and high together on 64-bit builds, in low alone on 32-bit builds.
struct ValueTriple {
    uint32_t low = 0;
    uint32_t high = 0;
    uint32_t type = kOmitted;

    bool omitted() const { return type == kOmitted; }

    void* pointer() const
    {
        uint64_t word = low | (uint64_t{high} << 32);
        return reinterpret_cast<void*>(static_cast<uintptr_t>(word));
    }
    void setPointer(const void* p)
    {
        uint64_t word = reinterpret_cast<uintptr_t>(p);
        low = static_cast<uint32_t>(word);
        high = static_cast<uint32_t>(word >> 32);
    }
    int64_t longValue() const { return static_cast<int64_t>(low | (uint64_t{high} << 32)); }
    double doubleValue() const
    {
        uint64_t bits = low | (uint64_t{high} << 32);
        double d;
        std::memcpy(&d, &bits, sizeof d);
        return d;
    }
    float floatValue() const
    {
        float f;
        std::memcpy(&f, &low, sizeof f);
        return f;
    }
};
static_assert(sizeof(ValueTriple) == 12, "the value triple is three 32-bit words in every build");

inline ValueTriple MakeInt(int32_t v) { return {static_cast<uint32_t>(v), 0, kInt}; }
inline ValueTriple MakeLogical(bool v) { return {v ? 1u : 0u, 0, kLogical}; }
inline ValueTriple MakeLong(int64_t v)
{
    return {static_cast<uint32_t>(v), static_cast<uint32_t>(static_cast<uint64_t>(v) >> 32), kLong};
}
inline ValueTriple MakeFloat(float v)
{
    ValueTriple t{0, 0, kFloat};
    std::memcpy(&t.low, &v, sizeof v);
    return t;
}
inline ValueTriple MakeDouble(double v)
{
    uint64_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    return {static_cast<uint32_t>(bits), static_cast<uint32_t>(bits >> 32), kDouble};
}
inline ValueTriple MakePointerValue(const void* p, uint32_t type)
{
    ValueTriple t{0, 0, type};
    t.setPointer(p);
    return t;
}
inline ValueTriple MakeText(const char* text) { return MakePointerValue(text, kText); }
inline ValueTriple MakeUnitRef(uint32_t windowId, uint32_t unitId, uint32_t kind) { return {windowId, unitId, kind}; }

// Array block: dimension count d, d dimension sizes, then the elements packed.
struct ArrayHeader {
    int32_t dimensions;
    int32_t sizes[1];
};

// A byte set is a one-dimensional array of bytes: 1, byte count N, then N bytes. Null is empty.
struct ByteSetHeader {
    int32_t dimensions;
    int32_t count;
};

inline size_t ByteSetSize(const void* byteSet)
{
    return byteSet ? static_cast<size_t>(static_cast<const ByteSetHeader*>(byteSet)->count) : 0;
}
inline const uint8_t* ByteSetData(const void* byteSet)
{
    return byteSet ? static_cast<const uint8_t*>(byteSet) + sizeof(ByteSetHeader) : nullptr;
}
inline uint8_t* ByteSetData(void* byteSet)
{
    return byteSet ? static_cast<uint8_t*>(byteSet) + sizeof(ByteSetHeader) : nullptr;
}

// An embedded byte set with its bytes fixed at build time, laid out as any byte set.
template <size_t N>
struct EmbeddedByteSet {
    ByteSetHeader header{1, static_cast<int32_t>(N)};
    uint8_t bytes[N];
};

}  // namespace rt
