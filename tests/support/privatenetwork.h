#pragma once

#include <QStringList>

// Moves this process into a network of its own: a loopback interface and nothing else, in which
// the given host names resolve to 127.0.0.1 and every other name to nothing. Lookups read only a
// hosts file seen here: the name-service switch is set to "files" alone, and the host's daemons
// that answer lookups over Unix sockets (a name-service cache, a resolver service) are out of
// reach under an empty /run. So nothing the process connects to or looks up leaves the machine,
// and any port is free to listen on. Root needs no more; anyone else, or root without the right
// to make namespaces, becomes root of a user namespace of its own.
// Make one as a global of the test program, so that it comes before any thread starts (the
// kernel refuses otherwise). Where it cannot be made, missing() says which step stopped it and
// how to get it (a test that needs the network fails with it). The process is then in the
// machine's network if the namespaces could not be made, or else in a network of its own that
// is only partly set up (its loopback perhaps down, the host's hosts file perhaps still read):
// either way only tests that need no network may run.
class PrivateNetwork {
public:
    explicit PrivateNetwork(const QStringList &hostNames);
    const QString &missing() const { return missing_; }

private:
    QString missing_;
};
