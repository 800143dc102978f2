// The library's own storage: movable global blocks of the requested size plus
// one byte, kept locked for their whole life and known by their data pointer.
#pragma once

// The largest block the library asks for: sizes and lengths are 32-bit and
// the block carries one byte more than its size.
constexpr int kMaxBlockSize = 0x7FFFFFFE;

// `size` + 1 locked bytes, or null after reporting error 23 ("OurAlloc").
void* OurAlloc(int size);
// Resized to `size` + 1 bytes, contents kept, maybe moved; or null after
// reporting error 23 ("OurRealloc"), the old block left valid and unchanged.
void* OurRealloc(void* data, int size);
// Releases a block; null does nothing.
void OurFree(void* data);

// Frees the block and clears the pointer that held it.
template <typename T>
void OurFreeAndClear(T*& data)
{
    OurFree(data);
    data = nullptr;
}
