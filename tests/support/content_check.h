// Whether a file's content survived an interrupted or failed operation.
#pragma once

#include <filesystem>
#include <string>

#include "toolz/text.h"

namespace sigillo::test {

// True when the plain content, or a complete encrypted form of it under password,
// is at folder/name or at its temporary name (the extension replaced by ".TMP").
bool ContentSurvives(const std::filesystem::path& folder, const std::string& name,
                     const std::string& content, TextView password);

}  // namespace sigillo::test
