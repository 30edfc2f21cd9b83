#pragma once

#include "Exception.h"

// A failed file operation. The code is a Windows error code or one of the
// text-file runtime's own (100 and up); the message is derived from it.
class EInOutError : public Exception {
  public:
    explicit EInOutError(int errorCode);

    int ErrorCode() const { return FErrorCode; }

  private:
    int FErrorCode;
};
