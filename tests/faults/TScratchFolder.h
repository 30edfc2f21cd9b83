#pragma once

#include "ByteString.h"

// A fresh folder under the system's temporary folder, open to every user so
// that an unprivileged user can reach what is given to it; removed with its
// content.
class TScratchFolder {
  public:
    TScratchFolder();
    ~TScratchFolder();
    TScratchFolder(const TScratchFolder&) = delete;
    TScratchFolder& operator=(const TScratchFolder&) = delete;

    const ByteString& Root() const { return FRoot; }
    ByteString Path(const ByteString& name) const { return FRoot + "/" + name; }

  private:
    ByteString FRoot;
};
