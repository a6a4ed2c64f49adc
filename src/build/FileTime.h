#pragma once
// File times in the form the compile list stores them: a Windows FILETIME, the
// count of 100-nanosecond ticks since 1601-01-01 UTC, split into two 32-bit
// halves. Lists made on other systems hold the same numbers.
#include <QString>

#include <cstdint>

// Ticks between 1601-01-01 and 1970-01-01.
constexpr uint64_t kFileTimeUnixEpoch = 116444736000000000ULL;

// The last-write time of a file (native path) as a FILETIME count, with the
// sub-second part the file system keeps. False when it cannot be read.
bool LastWriteFileTime(const QString& nativePath, uint64_t& fileTime);
// Seconds and nanoseconds since 1970 as ticks since 1601; false for a time
// before 1601, which cannot be expressed.
bool FileTimeFromUnix(int64_t seconds, int64_t nanoseconds, uint64_t& fileTime);

inline uint32_t FileTimeHigh(uint64_t t) { return uint32_t(t >> 32); }
inline uint32_t FileTimeLow(uint64_t t) { return uint32_t(t & 0xFFFFFFFFu); }
inline uint64_t MakeFileTime(uint32_t high, uint32_t low) { return (uint64_t(high) << 32) | low; }
