#include "cli/mapped_input.h"

#if defined(__unix__) || defined(__APPLE__)
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace corvane {

#if defined(__unix__) || defined(__APPLE__)

namespace {

class MappedInput final : public InputText {
 public:
  MappedInput(void* data, std::size_t size) : data_(data), size_(size) {}
  ~MappedInput() override { ::munmap(data_, size_); }
  MappedInput(const MappedInput&) = delete;
  MappedInput& operator=(const MappedInput&) = delete;

  std::string_view text() const override { return {static_cast<const char*>(data_), size_}; }

 private:
  void* data_;
  std::size_t size_;
};

}  // namespace

std::unique_ptr<InputText> map_input(const std::string& path) {
  // Only a regular file is opened here: a pipe opened and closed again would
  // lose its writer.
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) return read_input(path);
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return read_input(path);  // reports the input as the run does
  if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) || status.st_size <= 0) {
    ::close(fd);
    return read_input(path);
  }
  const auto size = static_cast<std::size_t>(status.st_size);
  int flags = MAP_PRIVATE;
#ifdef MAP_POPULATE
  flags |= MAP_POPULATE;  // the whole file is read once, front to back
#endif
  void* data = ::mmap(nullptr, size, PROT_READ, flags, fd, 0);
  ::close(fd);
  if (data == MAP_FAILED) return read_input(path);
  return std::make_unique<MappedInput>(data, size);
}

#else

std::unique_ptr<InputText> map_input(const std::string& path) { return read_input(path); }

#endif

}  // namespace corvane
