#include "framework/core/stringarray.h"

#include "framework/core/exceptions.h"

#include <algorithm>
#include <array>

namespace fw {

// About 5.36e28 bridge deals exist (about 2^96): a 32-bit seed or the clock would
// reach only a sliver of them. std::mt19937_64 has far more state than that, seeded
// from 256 bits of the system's entropy; std::shuffle draws its indices without the
// bias of a modulo.
std::mt19937_64 &shuffleGenerator() {
    static std::mt19937_64 engine = [] {
        std::random_device device;
        std::array<std::uint32_t, 8> seed{};
        for (auto &word : seed)
            word = device();
        std::seed_seq sequence(seed.begin(), seed.end());
        return std::mt19937_64(sequence);
    }();
    return engine;
}

StringArray::StringArray(int upperBound) : entries_(std::size_t(std::max(upperBound + 1, 0))) {}

void StringArray::throwOutOfBounds() {
    throw OutOfBoundsException("array index out of bounds");
}

void StringArray::Shuffle() {
    std::shuffle(entries_.begin(), entries_.end(), shuffleGenerator());
}

} // namespace fw
