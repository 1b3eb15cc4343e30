#pragma once

#include <QTest>
#include <initializer_list>
#include <memory>

// Runs several test objects in one test program and returns the combined status.
// The objects are made one after another, each just before it runs.
template <typename... Tests> int runTests(int argc, char **argv) {
    int status = 0;
    ((status |= QTest::qExec(std::make_unique<Tests>().get(), argc, argv)), ...);
    return status;
}
