#pragma once

#include <QString>
#include <QStringList>

// Moves this process into a network of its own: a loopback interface and nothing else, in which
// the given host names resolve to 127.0.0.1 (through a hosts file seen only here). Nothing the
// process connects to can leave the machine, no name server can be reached, and any port is free
// to listen on. Root needs no more; an ordinary user becomes root of a user namespace of its own.
// Call it first thing, before any thread starts (the kernel refuses otherwise), as the
// initialiser of a global. Returns what failed, or an empty text.
QString enterPrivateNetwork(const QStringList &hostNames);
