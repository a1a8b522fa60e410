// Lets only one copy of the terminal run per user session. The guard is an
// flock on a file in the user's runtime folder: the kernel drops the lock
// when its holder ends, however it ends, so a crashed terminal never blocks
// the next start.
#pragma once

#include <QString>

inline constexpr auto SingleInstanceName = "one_inst_memfile_tolm_zakaz";

class SingleInstanceGuard {
public:
    // Tries to take the lock; isFirst() tells whether it was taken.
    explicit SingleInstanceGuard(const QString& lockPath = defaultLockPath());
    SingleInstanceGuard(const SingleInstanceGuard&) = delete;
    SingleInstanceGuard& operator=(const SingleInstanceGuard&) = delete;
    ~SingleInstanceGuard();

    // False when another copy holds the lock. A lock file that cannot be
    // made does not stop the terminal, as the guard then has nothing to say.
    bool isFirst() const { return !anotherRuns_; }

    // $XDG_RUNTIME_DIR/one_inst_memfile_tolm_zakaz, or a per-user file in
    // the temporary folder when there is no runtime folder.
    static QString defaultLockPath();

private:
    int fd_ = -1;
    bool anotherRuns_ = false;
};
