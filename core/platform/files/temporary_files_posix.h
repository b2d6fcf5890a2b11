// The temporary files of atomic writes on POSIX systems (temporary_files_posix.cpp).
#pragma once

#include <signal.h>

#include <string>

namespace marlix {

// ".<name>.XXXXXX" for a target named `name`, XXXXXX random; a name too long for that gets a
// short fixed one instead.
std::string TemporaryName(const std::string& target);

// Best effort: removes the regular files in the folder `dir` that are named as TemporaryName
// names them for `target`, left by earlier writes that were cut off; never follows a link.
void RemoveStaleTemporaries(int dir, const std::string& target);

// Publishes the temporary file for the handler of EndWritesCleanlyOnSignals from its creation
// until it is renamed or removed (the object goes). The signals wait while it is created, so
// that no file comes into being unseen.
class PendingTemporary {
public:
    PendingTemporary();
    ~PendingTemporary();
    PendingTemporary(const PendingTemporary&) = delete;
    PendingTemporary& operator=(const PendingTemporary&) = delete;

    // Called right after the create: the file exists, or not.
    void created(int dir, const std::string& name);

private:
    void unblock();
    sigset_t m_previous{};
    bool m_blocked = false;
};

}  // namespace marlix
