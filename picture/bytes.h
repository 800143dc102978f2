// Little-endian fields of picture headers, read from bytes that the caller
// has checked are there.
#pragma once

#include <cstdint>

inline uint16_t ReadU16(const unsigned char* p)
{
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

inline uint32_t ReadU32(const unsigned char* p)
{
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) | (static_cast<uint32_t>(p[2]) << 16) |
           (static_cast<uint32_t>(p[3]) << 24);
}

inline int16_t ReadI16(const unsigned char* p)
{
    return static_cast<int16_t>(ReadU16(p));
}

inline int32_t ReadI32(const unsigned char* p)
{
    return static_cast<int32_t>(ReadU32(p));
}

inline void WriteU16(unsigned char* p, uint16_t value)
{
    p[0] = static_cast<unsigned char>(value);
    p[1] = static_cast<unsigned char>(value >> 8);
}

inline void WriteU32(unsigned char* p, uint32_t value)
{
    WriteU16(p, static_cast<uint16_t>(value));
    WriteU16(p + 2, static_cast<uint16_t>(value >> 16));
}
