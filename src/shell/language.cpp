#include "shell/language.h"

#include "toolz/facts.h"

namespace sigillo {

namespace {

struct Sources {
  TextList arguments;
  std::function<int32_t()> locale_id;
};

Sources& TheSources() {
  static Sources sources;
  return sources;
}

}  // namespace

bool TextsEqual(TextView a, TextView b, bool case_sensitive) {
  if (case_sensitive) return a == b;
  return UpperText(a) == UpperText(b);
}

Text LangStr(bool flag, TextView when_true, TextView when_false) {
  return Text(flag ? when_true : when_false);
}

bool IsSwedishFor(const TextList& arguments, int32_t locale_id) {
  for (const Text& argument : arguments) {
    if (TextsEqual(argument, kSwitchSwedish, false)) return true;
    if (TextsEqual(argument, kSwitchEnglish, false)) return false;
  }
  return locale_id == kSwedishLocaleId;
}

bool IsSwedish() {
  const Sources& sources = TheSources();
  const int32_t locale_id =
      sources.locale_id ? sources.locale_id() : HostFacts().LocaleIdentifier();
  return IsSwedishFor(sources.arguments, locale_id);
}

void SetCommandLine(TextList arguments) {
  TheSources().arguments = std::move(arguments);
}

const TextList& CommandLine() {
  return TheSources().arguments;
}

void SetLocaleSource(std::function<int32_t()> locale_id) {
  TheSources().locale_id = std::move(locale_id);
}

}  // namespace sigillo
