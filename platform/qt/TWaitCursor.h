#pragma once

#include <QApplication>
#include <QCursor>

// Shows the wait cursor over the whole application while it lives; the cursor
// that was set before comes back afterwards.
class TWaitCursor {
  public:
    TWaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~TWaitCursor() { QApplication::restoreOverrideCursor(); }

    TWaitCursor(const TWaitCursor&) = delete;
    TWaitCursor& operator=(const TWaitCursor&) = delete;
};
