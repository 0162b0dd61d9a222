#include "platform/rt/random.h"

#include <QDateTime>

#include <chrono>
#include <utility>

namespace rt {
namespace {

struct Source {
    quint64 state = 0;
    bool seeded = false;
    quint64 reseeds = 0;
    std::vector<float> sequence;
    std::size_t next = 0;
};

Source& source() {
    static Source s;
    return s;
}

// splitmix64: a full-period 64-bit generator whose outputs are well mixed even for close seeds.
quint64 nextState(quint64& state) {
    quint64 z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

void seedFromClock(Source& s) {
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    // The reseed counter keeps two reseeds within one clock tick apart.
    quint64 mix = quint64(ticks) ^ (quint64(QDateTime::currentMSecsSinceEpoch()) << 20);
    mix ^= (++s.reseeds) * 0xD1B54A32D192ED03ull;
    s.state = nextState(mix);
    s.seeded = true;
}

}  // namespace

void randomize() {
    Source& s = source();
    if (!s.sequence.empty()) return;
    seedFromClock(s);
}

float rnd() {
    Source& s = source();
    if (!s.sequence.empty()) {
        if (s.next >= s.sequence.size()) s.next = 0;
        return s.sequence[s.next++];
    }
    if (!s.seeded) seedFromClock(s);
    // 24 random bits: k / 2^24 is exact in single precision and always below 1.
    return float(nextState(s.state) >> 40) / 16777216.0f;
}

void setRandomSequence(std::vector<float> values) {
    Source& s = source();
    s.sequence = std::move(values);
    s.next = 0;
}

}  // namespace rt
