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
bool enterNamespaces() {
    const std::string uid = std::to_string(geteuid()), gid = std::to_string(getegid());
    if (geteuid() == 0 && unshare(CLONE_NEWNET | CLONE_NEWNS) == 0)
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
    if (s < 0)
        return false;
    const bool up = ioctl(s, SIOCGIFFLAGS, &loopback) == 0 &&
                    (loopback.ifr_flags |= IFF_UP, ioctl(s, SIOCSIFFLAGS, &loopback) == 0);
    const int error = errno; // what the caller reports, not what close may leave
    close(s);
    errno = error;
    return up;
}

// Shows text in place of the file at path, in this mount namespace only. The text's file stays in
// the private /run: a mount whose source was unlinked cannot be bound over again, as a private
// network made inside this one does.
bool bindText(const char *path, const std::string &text) {
    char file[] = "/run/quillory-XXXXXX";
    const int fd = mkstemp(file);
    return fd >= 0 && close(fd) == 0 && writeTo(file, text) &&
           mount(file, path, nullptr, MS_BIND, nullptr) == 0;
}

// What stood in the way, where the error tells, and how to get past it.
QString remedy(int error) {
    return QLatin1String(error == ENOSPC ? " User namespaces are disabled here." : "") +
           QStringLiteral(" A private network needs root with CAP_SYS_ADMIN, or unprivileged user "
                          "namespaces (sysctl kernel.unprivileged_userns_clone=1 and "
                          "user.max_user_namespaces above 0; on Ubuntu also "
                          "kernel.apparmor_restrict_unprivileged_userns=0), or in a container, "
                          "its --privileged option.");
}

} // namespace

PrivateNetwork::PrivateNetwork(const QStringList &hostNames) {
    const char *step = nullptr;
    if (!enterNamespaces())
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
                   remedy(error);
}
