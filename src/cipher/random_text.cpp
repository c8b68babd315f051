#include "cipher/primitives.h"

namespace sigillo {
namespace {

char16_t Pick(Generator& gen, const Text& alphabet) {
  return alphabet[static_cast<size_t>(gen.RandomInt(static_cast<int32_t>(alphabet.size())))];
}

char16_t UpperOf(char16_t c) {
  return UpperText(TextView(&c, 1))[0];
}
char16_t LowerOf(char16_t c) {
  return LowerText(TextView(&c, 1))[0];
}

int32_t Length(const Text& t) {
  return static_cast<int32_t>(t.size());
}

}  // namespace

Text RandomText(Generator& gen, int32_t wanted_length, TextView letters_in, TextView digits_in,
                TextView symbols_in, bool use_upper, bool use_lower, bool one_per_class) {
  Text letters(letters_in), digits(digits_in), symbols(symbols_in);
  Text w;
  if (wanted_length > 0) w.reserve(static_cast<size_t>(wanted_length));

  ScrambleInPlace(gen, letters, 0);
  ScrambleInPlace(gen, digits, 0);
  ScrambleInPlace(gen, symbols, 0);

  const bool has_letters = !letters.empty();
  if (one_per_class) {
    if (Length(w) < wanted_length && has_letters && use_upper) w += UpperOf(Pick(gen, letters));
    if (Length(w) < wanted_length && has_letters && use_lower) w += LowerOf(Pick(gen, letters));
    if (Length(w) < wanted_length && !digits.empty()) w += Pick(gen, digits);
    if (Length(w) < wanted_length && !symbols.empty()) w += Pick(gen, symbols);
  }

  if (Length(w) < wanted_length) {
    // With no usable class the loop below could never finish; nothing relies on
    // such a call, so it is refused.
    const bool usable =
        (has_letters && (use_upper || use_lower)) || !digits.empty() || !symbols.empty();
    if (!usable) return {};
    while (Length(w) < wanted_length) {
      const int32_t kind = gen.RandomBetween(1, 4);
      if ((kind == 1 || kind == 2) && has_letters) {
        ScrambleInPlace(gen, letters, 0);
        if (kind == 1 ? use_upper : use_lower) {
          ScrambleInPlace(gen, letters, 0);
          const char16_t c = Pick(gen, letters);
          w += kind == 1 ? UpperOf(c) : LowerOf(c);
          ScrambleInPlace(gen, w, 0);
        }
      } else if (kind == 3 && !digits.empty()) {
        ScrambleInPlace(gen, digits, 0);
        w += Pick(gen, digits);
        ScrambleInPlace(gen, w, 0);
      } else if (kind == 4 && !symbols.empty()) {
        ScrambleInPlace(gen, symbols, 0);
        w += Pick(gen, symbols);
        ScrambleInPlace(gen, w, 0);
      }
      // Lengths are taken before each draw.
      ScrambleInPlace(gen, letters, Length(letters) * gen.RandomBetween(1, 4));
      ScrambleInPlace(gen, digits, Length(digits) * gen.RandomBetween(1, 4));
      ScrambleInPlace(gen, symbols, Length(symbols) * gen.RandomBetween(1, 4));
    }
  }
  ScrambleInPlace(gen, w, Length(w) * gen.RandomBetween(1, 8));
  ScrambleInPlace(gen, w, 0);
  return w;
}

}  // namespace sigillo
