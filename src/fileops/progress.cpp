#include "fileops/progress.h"

#include <cmath>

namespace sigillo {

int64_t PercentOf(int64_t part, int64_t whole, int64_t scale) {
  if (whole == 0) return scale;
  const long double value = static_cast<long double>(part) / static_cast<long double>(whole) *
                            static_cast<long double>(scale);
  return static_cast<int64_t>(std::nearbyintl(value));  // the default mode rounds half to even
}

bool InvertFlag(bool flag) {
  return !flag;
}

Text Say(OperationWindow& window, const TextPair& pair) {
  return Text(window.IsSwedish() ? pair.swedish : pair.second);
}

void UpdateProgress(OperationWindow& window, const TextPair& word, int64_t position, int64_t size) {
  const auto percent = static_cast<int32_t>(static_cast<uint32_t>(PercentOf(position, size, 100)));
  const Text text = Say(window, word) + u" " + IntToText(percent) + u" %";
  if (text == window.StatusText()) return;
  window.SetStatusText(text);
  window.PumpMessages();
}

void AnnouncePass(OperationWindow& window, const TextPair& word) {
  window.SetStatusText(Say(window, word) + u"...");
}

}  // namespace sigillo
