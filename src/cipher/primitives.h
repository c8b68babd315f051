// Cipher primitives over the shared generator. Every draw count here is part of
// the encrypted file format.
#pragma once

#include <array>
#include <cstdint>

#include "cipher/generator.h"
#include "toolz/text.h"

namespace sigillo {

// CRC-32 of the code units (one table step per unit; units above 255 fold by low byte).
int32_t TextSeed(TextView text);

// count random transpositions (2 draws each); count 0 means the text's length;
// no draws when the text is shorter than 2 or count is negative.
Text ScrambleText(Generator& gen, TextView text, int32_t count);
// In-place form used on hot paths.
void ScrambleInPlace(Generator& gen, Text& text, int32_t count);

Text RandomText(Generator& gen, int32_t wanted_length, TextView letters, TextView digits,
                TextView symbols, bool use_upper, bool use_lower, bool one_per_class);

// Code unit i of the result is low(a[i]) ^ low(b[i mod |b|]); empty if either is empty.
Text MergeText(TextView a, TextView b);

// Exchanges buffer[k] with buffer[RandomBetween(0, last)] for k = 0..last.
void ShuffleBytes(Generator& gen, uint8_t* buffer, int32_t last);

using KeyBlock = std::array<uint8_t, 256>;

// The fixed alphabets of the key derivation.
inline constexpr char16_t kLetters[] = u"ABCDEFGHIJKLMNOPQRSTUVWXYZ";
inline constexpr char16_t kDigits[] = u"0123456789";
inline constexpr char16_t kSymbols[] = u"#$%/?+-*";
inline constexpr int32_t kCryptTextSeed = 463975;

struct DerivedKey {
  KeyBlock key{};
  uint8_t feedback = 0;  // the last chained key byte before the final shuffle
};

// Seeds the generator from the password and derives the key block (steps K3..K14).
// The password must not be empty.
DerivedKey DeriveKeyBlock(Generator& gen, TextView password);

// Self-inverse password cipher over the low bytes of data.
Text CryptText(Generator& gen, TextView data, TextView password);

}  // namespace sigillo
