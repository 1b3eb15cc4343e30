#pragma once

#include <QString>
#include <random>
#include <vector>

namespace fw {

// A one-dimensional string array created with a fixed upper bound (entries 0 to
// Ubound). Indexing outside it raises OutOfBoundsException.
class StringArray {
public:
    StringArray() = default;
    explicit StringArray(int upperBound);

    int Ubound() const { return int(entries_.size()) - 1; }
    QString &operator[](int i) {
        checkIndex(i);
        return entries_[std::size_t(i)];
    }
    const QString &operator[](int i) const {
        checkIndex(i);
        return entries_[std::size_t(i)];
    }

    // Permutes every entry in place, uniformly at random.
    void Shuffle();

private:
    // Inline, as a deal indexes the deck 65 times; only the throw is out of line.
    void checkIndex(int i) const {
        if (i < 0 || i > Ubound())
            throwOutOfBounds();
    }
    [[noreturn]] static void throwOutOfBounds();

    std::vector<QString> entries_;
};

// The generator every Shuffle draws from: one for the whole process, seeded once
// with 256 bits from the system.
std::mt19937_64 &shuffleGenerator();

} // namespace fw
