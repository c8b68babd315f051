// The file manager's context-menu entry that starts the program on a file.
#pragma once

#include "toolz/text.h"

namespace sigillo {

// Captions of the entry; "&" marks the mnemonic.
inline constexpr char16_t kVerbCaptionSwedish[] = u"&Sigillo...";
inline constexpr char16_t kVerbCaptionSecond[] = u"QZ-&Vaultix...";

// Offers the program for every file, started with the clicked file as its only
// argument, under the caption of the given language. Entries whose content would
// not change are left alone. The offer is optional: every failure is swallowed.
void RegisterVerb(TextView program_path, bool swedish);

}  // namespace sigillo
