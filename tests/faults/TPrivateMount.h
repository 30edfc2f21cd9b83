#pragma once

#include "ByteString.h"

#include <string>

// A file system mounted for this process only, in a mount namespace of its
// own, and unmounted when the object goes. Needs the right to create a
// mount namespace (root, or a container that grants it).
class TPrivateMount {
  public:
    // Why no private mount can be made here, or empty when one can. Enters
    // the process's private mount namespace on the first call.
    static std::string Unavailable();

    // A memory file system of `sizeKiB` at the folder `at`.
    static TPrivateMount SmallFileSystem(const ByteString& at, unsigned sizeKiB);

    // The folder `folder`, seen read-only at its own place.
    static TPrivateMount ReadOnly(const ByteString& folder);

    ~TPrivateMount();
    TPrivateMount(TPrivateMount&& other) noexcept;
    TPrivateMount& operator=(TPrivateMount&&) = delete;
    TPrivateMount(const TPrivateMount&) = delete;
    TPrivateMount& operator=(const TPrivateMount&) = delete;

  private:
    explicit TPrivateMount(ByteString at) : FAt(std::move(at)) {}

    ByteString FAt;
};
