#include "support/content_check.h"

#include "fileops/export.h"
#include "fileops/format.h"
#include "support/temp_dir.h"

namespace sigillo::test {

bool ContentSurvives(const std::filesystem::path& folder, const std::string& name,
                     const std::string& content, TextView password) {
  const auto chosen = folder / name;
  const auto temp =
      std::filesystem::path(TextToUtf8(TempFileName(Utf8ToTextLossy(chosen.string()))));
  for (const auto& path : {chosen, temp}) {
    if (!std::filesystem::exists(path)) continue;
    if (ReadFile(path) == content) return true;
    TempDir scratch;
    Generator gen;
    if (!DecryptToFile(HostFileSystem(), gen, password,
                       {path.string(), (scratch / "out").string(), {}}) &&
        ReadFile(scratch / "out") == content)
      return true;
  }
  return false;
}

}  // namespace sigillo::test
