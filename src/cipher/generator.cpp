#include "cipher/generator.h"

namespace sigillo {

Jump JumpOf(uint64_t k) {
  // Square-and-multiply over affine maps: composing s -> m1*s + a1 after s -> m2*s + a2.
  Jump result;
  Jump step{Generator::kMultiplier, Generator::kIncrement};
  while (k != 0) {
    if (k & 1u) result = {step.mul * result.mul, step.mul * result.add + step.add};
    step = {step.mul * step.mul, step.mul * step.add + step.add};
    k >>= 1;
  }
  return result;
}

void Generator::Skip(uint64_t k) {
  state_ = JumpOf(k).Apply(state_);
  draws_ += k;
}

}  // namespace sigillo
