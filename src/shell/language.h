// The language of the user interface: Swedish or the second language, decided
// afresh at every call by the command line's switches and the locale.
#pragma once

#include <cstdint>
#include <functional>

#include "toolz/text.h"

namespace sigillo {

inline constexpr char16_t kSwitchSwedish[] = u"/SWEDISH";
inline constexpr char16_t kSwitchEnglish[] = u"/ENGLISH";
// Swedish as spoken in Sweden; no other locale counts as Swedish.
inline constexpr int32_t kSwedishLocaleId = 1053;

// Exactly, code unit by code unit; or after UpperText of both.
bool TextsEqual(TextView a, TextView b, bool case_sensitive);

Text LangStr(bool flag, TextView when_true, TextView when_false);

// The first switch among the arguments decides; without one, the locale.
bool IsSwedishFor(const TextList& arguments, int32_t locale_id);

// The decision for this process, from the arguments and the locale source below.
bool IsSwedish();

// The arguments after the program's name. Set once at start-up; tests set their own.
void SetCommandLine(TextList arguments);
const TextList& CommandLine();

// Where the locale identifier comes from: the system's facts unless replaced.
void SetLocaleSource(std::function<int32_t()> locale_id);

}  // namespace sigillo
