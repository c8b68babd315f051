#include "support/content_check.h"

#include "fileops/export.h"
#include "fileops/format.h"
#include "support/temp_dir.h"

namespace sigillo::test {

bool ContentSurvives(const std::filesystem::path& folder, const std::string& name,
                     const std::string& content, TextView password) {
  const auto chosen = folder / name;
  const auto temp = std::filesystem::path(TempFileName(Utf8ToTextLossy(Utf8Path(chosen))));
  for (const auto& path : {chosen, temp}) {
    if (!std::filesystem::exists(path)) continue;
    if (ReadFile(path) == content) return true;
    TempDir scratch;
    Generator gen;
    if (!DecryptToFile(HostFileSystem(), gen, password,
                       {Utf8Path(path), Utf8Path(scratch / "out"), {}}) &&
        ReadFile(scratch / "out") == content)
      return true;
  }
  return false;
}

}  // namespace sigillo::test
