#pragma once

#include <QStringList>

// Moves this process into a network of its own: a loopback interface and nothing else, in which
// the given host names resolve to 127.0.0.1 (through a hosts file seen only here). Nothing the
// process connects to can leave the machine, no name server can be reached, and any port is free
// to listen on. Root needs no more; an ordinary user becomes root of a user namespace of its own.
// Make one as a global of the test program, so that it comes before any thread starts (the
// kernel refuses otherwise). Where it cannot be made, the program says why and exits with 1.
struct PrivateNetwork {
    explicit PrivateNetwork(const QStringList &hostNames);
};
