// Unit LMDProcs, block compression: the byte-oriented LZ scheme the containers use for
// compressed item data. One block holds at most kLMDLZRWMaxBlock input bytes.
#pragma once

#include <cstdint>

inline constexpr uint32_t kLMDLZRWMaxBlock = 32781;

// Compresses `length` (at most kLMDLZRWMaxBlock) bytes into `dest`, which must hold
// length + 1 bytes; returns the block's length.
uint32_t LMDLZRWCompress(const uint8_t* source, uint8_t* dest, uint32_t length);
// Restores a block into `dest` (room for `capacity` bytes, which may all be written to);
// returns the restored length. A damaged block raises EReadError instead of reading or
// writing out of bounds.
uint32_t LMDLZRWDecompress(const uint8_t* source, uint8_t* dest, uint32_t sourceLength, uint32_t capacity);
