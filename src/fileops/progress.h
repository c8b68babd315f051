// The status line during an operation: a pass word and a percentage.
#pragma once

#include <cstdint>

#include "fileops/operation_window.h"

namespace sigillo {

// (part / whole) x scale in extended precision, rounded half to even. A whole of 0
// (an empty file) counts as complete and gives scale.
int64_t PercentOf(int64_t part, int64_t whole, int64_t scale);

bool InvertFlag(bool flag);

// The text of a pair in the window's language of the moment.
Text Say(OperationWindow& window, const TextPair& pair);

// Writes "<word> <percent> %" and lets the window process its messages, but only
// when that text differs from the status line's.
void UpdateProgress(OperationWindow& window, const TextPair& word, int64_t position, int64_t size);

// Sets "<word>..." before a pass begins.
void AnnouncePass(OperationWindow& window, const TextPair& word);

}  // namespace sigillo
