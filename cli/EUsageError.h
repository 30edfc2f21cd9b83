#pragma once

#include "Exception.h"

// A command line that cannot be run as it stands; the message says why.
class EUsageError : public Exception {
  public:
    using Exception::Exception;
};
