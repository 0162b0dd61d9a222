#pragma once
// The random-number source: `randomize` reseeds it from the clock, `rnd` draws a single-precision
// value in [0, 1). Tests install a fixed sequence of values instead.
#include <vector>

namespace rt {

// Reseeds the generator from the clock. Two reseeds never start the same sequence, however close
// together they come.
void randomize();

// The next value in [0, 1), a multiple of 2^-24.
float rnd();

// Makes `rnd` return these values in order, starting again from the first after the last; `randomize`
// then leaves the sequence where it is. An empty list restores the generator.
void setRandomSequence(std::vector<float> values);

}  // namespace rt
