#include "TUnprivileged.h"

#include <cstdlib>
#include <grp.h>
#include <stdexcept>
#include <sys/prctl.h>
#include <unistd.h>

TUnprivileged::TUnprivileged() {
    if (::geteuid() != 0)
        return; // permission bits apply already
    FGroups.resize(static_cast<std::size_t>(::getgroups(0, nullptr)));
    if (::getgroups(static_cast<int>(FGroups.size()), FGroups.data()) < 0 ||
        ::setgroups(0, nullptr) != 0 || ::setresgid(-1, Group, -1) != 0 ||
        ::setresuid(-1, User, -1) != 0)
        throw std::runtime_error("cannot switch to an unprivileged user");
    FSwitched = true;
}

TUnprivileged::~TUnprivileged() {
    if (!FSwitched)
        return;
    // Without root back, the rest of the run would be meaningless.
    if (::setresuid(-1, 0, -1) != 0 || ::setresgid(-1, 0, -1) != 0 ||
        ::setgroups(FGroups.size(), FGroups.data()) != 0)
        std::abort();
    // Switching users made the process undumpable, and /proc/self root's.
    ::prctl(PR_SET_DUMPABLE, 1);
}

void TUnprivileged::GiveAway(const char* path) {
    if (::geteuid() == 0 && ::chown(path, User, Group) != 0)
        throw std::runtime_error(std::string("cannot give away ") + path);
}
