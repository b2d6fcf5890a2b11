#include "platform/files/directory_lock.h"

namespace marlix {

// NOT A LOCK YET. On Windows this takes no lock at all, so parallel commands on one cfg.ini can
// still lose each other's changes there. It is a placeholder for the Windows port, which is to
// open the folder with CreateFileW(FILE_FLAG_BACKUP_SEMANTICS) and hold LockFileEx on it.
// held() stays false so that nothing can take it for a working lock.
DirectoryLock::DirectoryLock(const std::filesystem::path&) {}

DirectoryLock::~DirectoryLock() = default;

}  // namespace marlix
