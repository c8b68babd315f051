// The system report: a text of facts about the machine, the user and the moment,
// mixed into the generator to give it a new state before a plain file is destroyed.
#pragma once

#include "cipher/generator.h"
#include "toolz/datetime.h"
#include "toolz/facts.h"
#include "toolz/text.h"

namespace sigillo {

// The three alphabets the report is recoded onto, in the order they are used.
inline constexpr char16_t kHexAlphabet[] = u"0123456789ABCDEF";
inline constexpr char16_t kLetterAlphabet[] = u"GHJKLMNPQRSTVWXZ";
inline constexpr char16_t kSymbolAlphabet[] = u"!@#$/=?+\\*|<>-_:";

// Each code unit in hexadecimal (at least two digits), every digit then written with the
// alphabet's character of its value. The alphabet has 16 characters.
Text AlphabetHex(TextView text, TextView alphabet);

// The report text: the fixed-drive lines, then the fact lines, each fact line starting with
// CR LF. Counts are grouped with thousands_separator; the uptime words are Swedish when
// swedish is true.
Text BuildReportText(const SystemFacts& facts, const Moment& moment, bool swedish,
                     TextView thousands_separator);

// Scrambles and recodes the text with draws from gen, then sets the generator's state to
// TextSeed of the result. Returns the final text (callers other than tests discard it).
Text MixReport(Generator& gen, Text text);

// Reads the moment once, builds the report from facts and reseeds gen with it.
// False when the report could not be completed (the caller's operation then fails).
[[nodiscard]] bool SystemReport(Generator& gen, const SystemFacts& facts, bool swedish);

}  // namespace sigillo
