#pragma once

#include <sys/types.h>
#include <vector>

// While it lives, file access is checked as for the unprivileged user
// "nobody": root ignores permission bits, so a test run as root needs this
// to meet a file it may not read or a folder it may not write. The real and
// saved user stay root, which is what lets the destructor switch back.
class TUnprivileged {
  public:
    static constexpr uid_t User = 65534;
    static constexpr gid_t Group = 65534;

    TUnprivileged();
    ~TUnprivileged();
    TUnprivileged(const TUnprivileged&) = delete;
    TUnprivileged& operator=(const TUnprivileged&) = delete;

    // Makes `path` belong to that user, so that it may write or chmod it.
    static void GiveAway(const char* path);

  private:
    bool FSwitched = false;
    std::vector<gid_t> FGroups;
};
