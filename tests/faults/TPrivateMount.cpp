#include "TPrivateMount.h"

#include <cerrno>
#include <cstring>
#include <sched.h>
#include <stdexcept>
#include <sys/mount.h>
#include <utility>

namespace {

std::string Failure(const char* what) {
    return std::string(what) + ": " + std::strerror(errno);
}

std::string EnterPrivateNamespace() {
    if (::unshare(CLONE_NEWNS) != 0)
        return Failure("no mount namespace of our own (unshare)");
    // Without this the mounts below would show in the parent namespace too.
    if (::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
        return Failure("cannot make the mounts private");
    return {};
}

void Mount(const char* source, const ByteString& at, const char* type, unsigned long flags,
           const char* data) {
    if (::mount(source, at.c_str(), type, flags, data) != 0)
        throw std::runtime_error(Failure("mount") + " at " + at);
}

} // namespace

std::string TPrivateMount::Unavailable() {
    static const std::string reason = EnterPrivateNamespace();
    return reason;
}

TPrivateMount TPrivateMount::SmallFileSystem(const ByteString& at, unsigned sizeKiB) {
    const std::string options = "size=" + std::to_string(sizeKiB) + "k,mode=0755";
    Mount("tmpfs", at, "tmpfs", MS_NOSUID | MS_NODEV, options.c_str());
    return TPrivateMount(at);
}

TPrivateMount TPrivateMount::ReadOnly(const ByteString& folder) {
    Mount(folder.c_str(), folder, nullptr, MS_BIND, nullptr);
    TPrivateMount mount(folder);
    Mount(nullptr, folder, nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr);
    return mount;
}

TPrivateMount::~TPrivateMount() {
    if (!FAt.empty())
        ::umount2(FAt.c_str(), MNT_DETACH);
}

TPrivateMount::TPrivateMount(TPrivateMount&& other) noexcept : FAt(std::exchange(other.FAt, {})) {}
