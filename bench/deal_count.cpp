// Deals N hands into hand table 1 (N from the command line, default 1). Run it
// under callgrind with two values of N: the difference of the instruction counts,
// divided by the difference of N, is the cost of one MakeHand.
#include "engine/module1.h"
#include "tests/support/wiredhandtables.h"

#include <cstdlib>

namespace {
HandTables *tables;
HandTables &window() {
    return *tables;
}
} // namespace

int main(int argc, char **argv) {
    WiredHandTables shared;
    tables = &shared;
    Module1::setWindowAccessor(window);
    Module1::initialise();
    const long n = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 1;
    for (long i = 0; i < n; ++i)
        Module1::MakeHand();
    return shared.Results().ListCount() == 4 ? 0 : 1;
}
