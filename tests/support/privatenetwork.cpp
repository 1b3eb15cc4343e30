#include "privatenetwork.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <net/if.h>
#include <sched.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

bool writeTo(const char *path, const std::string &text) {
    std::ofstream file(path);
    return bool(file << text << std::flush);
}

[[noreturn]] void fail(const char *what, int error = errno) {
    std::fprintf(stderr, "FAIL: no network of its own: %s: %s\n", what, std::strerror(error));
    std::exit(1);
}

} // namespace

PrivateNetwork::PrivateNetwork(const QStringList &hostNames) {
    const std::string uid = std::to_string(geteuid()), gid = std::to_string(getegid());
    if (unshare(CLONE_NEWNET | CLONE_NEWNS | (uid == "0" ? 0 : CLONE_NEWUSER)) != 0)
        fail("unshare of the network and mount namespaces");
    if (uid != "0" && !(writeTo("/proc/self/setgroups", "deny") &&
                        writeTo("/proc/self/uid_map", "0 " + uid + " 1") &&
                        writeTo("/proc/self/gid_map", "0 " + gid + " 1")))
        fail("mapping the user to root of its namespace");
    // Mounts made from here on stay in this process.
    if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
        fail("making the mounts private");
    char hosts[] = "/tmp/quillory-hosts-XXXXXX";
    const int fd = mkstemp(hosts);
    const bool bound =
        fd >= 0 && close(fd) == 0 &&
        writeTo(hosts, "127.0.0.1 localhost " + hostNames.join(u' ').toStdString() + '\n') &&
        mount(hosts, "/etc/hosts", nullptr, MS_BIND, nullptr) == 0;
    const int error = errno;
    unlink(hosts); // the mount keeps it
    if (!bound)
        fail("binding a hosts file over /etc/hosts", error);
    // The new network's loopback interface starts down.
    ifreq loopback{};
    std::strcpy(loopback.ifr_name, "lo");
    const int s = socket(AF_INET, SOCK_DGRAM, 0);
    if (s < 0 || ioctl(s, SIOCGIFFLAGS, &loopback) != 0 ||
        (loopback.ifr_flags |= IFF_UP, ioctl(s, SIOCSIFFLAGS, &loopback) != 0) || close(s) != 0)
        fail("bringing the loopback interface up");
}
