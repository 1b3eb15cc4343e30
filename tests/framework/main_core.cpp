#include "testmain.h"
#include "tst_core.h"

int main(int argc, char **argv) {
    return runTests<TextFunctionsTest, ListboxTest, StringArrayTest>(argc, argv);
}
