// Held the way a second copy of the program holds it: open, with an exclusive flock.
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "support/held_file.h"

namespace sigillo::test {

HeldFile::HeldFile(const std::filesystem::path& path) {
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return;
  handle_ = fd;
  held_ = flock(fd, LOCK_EX) == 0;
}

HeldFile::~HeldFile() {
  if (handle_ >= 0) close(static_cast<int>(handle_));
}

}  // namespace sigillo::test
