#include "privatenetwork.h"

#include <cerrno>
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

// New network and mount namespaces; where this process may not make them (not root, or root
// without CAP_SYS_ADMIN), inside a user namespace of its own whose root it is.
bool enterNamespaces(bool asRoot) {
    const std::string uid = std::to_string(geteuid()), gid = std::to_string(getegid());
    if (asRoot && unshare(CLONE_NEWNET | CLONE_NEWNS) == 0)
        return true;
    return unshare(CLONE_NEWUSER | CLONE_NEWNET | CLONE_NEWNS) == 0 &&
           writeTo("/proc/self/setgroups", "deny") &&
           writeTo("/proc/self/uid_map", "0 " + uid + " 1") &&
           writeTo("/proc/self/gid_map", "0 " + gid + " 1");
}

// A new network's loopback interface starts down.
bool bringLoopbackUp() {
    ifreq loopback{};
    std::strcpy(loopback.ifr_name, "lo");
    const int s = socket(AF_INET, SOCK_DGRAM, 0);
    return s >= 0 && ioctl(s, SIOCGIFFLAGS, &loopback) == 0 &&
           (loopback.ifr_flags |= IFF_UP, ioctl(s, SIOCSIFFLAGS, &loopback) == 0) && close(s) == 0;
}

// How to get what the error says is missing.
QString remedy(int error, bool asRoot) {
    const QString container = QStringLiteral(
        " in a container, start it with --privileged (or --cap-add SYS_ADMIN --security-opt "
        "seccomp=unconfined --security-opt apparmor=unconfined).");
    if (error == ENOSPC)
        return QStringLiteral(
                   " User namespaces are disabled here (sysctl user.max_user_namespaces "
                   "is 0): allow them (sysctl -w user.max_user_namespaces=10000), or run "
                   "the tests as root with CAP_SYS_ADMIN;") +
               container;
    if (error != EPERM && error != EACCES)
        return {};
    return (asRoot ? QStringLiteral(" Root here may make neither namespaces (no CAP_SYS_ADMIN, or "
                                    "a seccomp filter) nor user namespaces:")
                   : QStringLiteral(" Run the tests as root, or allow unprivileged user namespaces "
                                    "(sysctl -w kernel.unprivileged_userns_clone=1; on Ubuntu also "
                                    "kernel.apparmor_restrict_unprivileged_userns=0);")) +
           container;
}

} // namespace

bool bindText(const char *path, const std::string &text) {
    char file[] = "/run/quillory-XXXXXX";
    const int fd = mkstemp(file);
    return fd >= 0 && close(fd) == 0 && writeTo(file, text) &&
           mount(file, path, nullptr, MS_BIND, nullptr) == 0;
}

PrivateNetwork::PrivateNetwork(const QStringList &hostNames) {
    const bool asRoot = geteuid() == 0;
    const char *step = nullptr;
    if (!enterNamespaces(asRoot))
        step = "unshare of the network and mount namespaces";
    else if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
        step = "making the mounts private"; // so that the mounts below stay in this process
    // glibc asks a name-service cache at /var/run/nscd/socket before any module; on some
    // systems /var/run is no link to /run, and on others a second mount on /run costs nothing.
    else if (mount("none", "/run", "tmpfs", MS_NOSUID | MS_NODEV, "mode=755") != 0 ||
             mount("none", "/var/run", "tmpfs", MS_NOSUID | MS_NODEV, "mode=755") != 0)
        step = "hiding the host's daemons under an empty /run";
    else if (!bindText("/etc/hosts",
                       "127.0.0.1 localhost " + hostNames.join(u' ').toStdString() + '\n'))
        step = "binding a hosts file over /etc/hosts";
    else if (!bindText("/etc/nsswitch.conf", "hosts: files\n")) // the rest: glibc's own default
        step = "binding a name-service switch of files alone over /etc/nsswitch.conf";
    else if (!bringLoopbackUp())
        step = "bringing the loopback interface up";
    const int error = errno;
    if (step)
        missing_ = QStringLiteral("no network of its own: %1: %2.")
                       .arg(QLatin1String(step), QString::fromLocal8Bit(std::strerror(error))) +
                   remedy(error, asRoot);
}
