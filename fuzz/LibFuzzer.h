#pragma once

#include <cstddef>
#include <cstdint>

// What libFuzzer offers a target: its own mutation of a byte range, for custom mutators.
extern "C" std::size_t LLVMFuzzerMutate(std::uint8_t* data, std::size_t size, std::size_t maxSize);
