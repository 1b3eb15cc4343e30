#include "privatenetwork.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <net/if.h>
#include <sched.h>
#include <string>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

QString failed(const QString &what) {
    return what + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(errno));
}

bool writeAll(int fd, const std::string &text) {
    return write(fd, text.data(), text.size()) == ssize_t(text.size());
}

bool writeFile(const char *path, const std::string &text) {
    const int fd = open(path, O_WRONLY);
    const bool written = fd >= 0 && writeAll(fd, text);
    if (fd >= 0)
        close(fd);
    return written;
}

} // namespace

QString enterPrivateNetwork(const QStringList &hostNames) {
    const uid_t uid = geteuid();
    const gid_t gid = getegid();
    if (unshare(CLONE_NEWNET | CLONE_NEWNS | (uid == 0 ? 0 : CLONE_NEWUSER)) != 0)
        return failed(QStringLiteral("unshare of the network and mount namespaces"));
    if (uid != 0 && !(writeFile("/proc/self/setgroups", "deny") &&
                      writeFile("/proc/self/uid_map", "0 " + std::to_string(uid) + " 1") &&
                      writeFile("/proc/self/gid_map", "0 " + std::to_string(gid) + " 1")))
        return failed(QStringLiteral("mapping the user to root of its namespace"));
    // Mounts made from here on stay in this process.
    if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
        return failed(QStringLiteral("making the mounts private"));

    std::string hosts = "127.0.0.1 localhost";
    for (const QString &name : hostNames)
        hosts += ' ' + name.toStdString();
    hosts += '\n';
    char path[] = "/tmp/quillory-hosts-XXXXXX";
    const int fd = mkstemp(path);
    if (fd < 0)
        return failed(QStringLiteral("making a hosts file"));
    const bool written = writeAll(fd, hosts);
    close(fd);
    const bool bound = written && mount(path, "/etc/hosts", nullptr, MS_BIND, nullptr) == 0;
    const QString why = failed(QStringLiteral("binding a hosts file over /etc/hosts"));
    unlink(path); // the mount keeps it
    if (!bound)
        return why;

    // The new network's loopback interface starts down.
    const int s = socket(AF_INET, SOCK_DGRAM, 0);
    ifreq loopback{};
    std::strncpy(loopback.ifr_name, "lo", IFNAMSIZ - 1);
    const bool up = s >= 0 && ioctl(s, SIOCGIFFLAGS, &loopback) == 0 &&
                    (loopback.ifr_flags |= IFF_UP, ioctl(s, SIOCSIFFLAGS, &loopback) == 0);
    const QString whyDown = failed(QStringLiteral("bringing the loopback interface up"));
    if (s >= 0)
        close(s);
    return up ? QString() : whyDown;
}
