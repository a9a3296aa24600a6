#pragma once

#include <cstdint>
#include <random>

namespace tagforge {

// The program's one source of random numbers. The colour effects, the "***" colour and the random
// solid colour draw from it; tests substitute a scripted source.
class RandomSource {
  public:
    virtual ~RandomSource() = default;
    // A non-negative number from 0 to at least 2^31 - 1.
    virtual std::uint32_t Next() = 0;
    virtual void Seed(std::uint32_t seed) = 0;
};

// The generator the program runs with: seeded with 1 until someone re-seeds it.
class DefaultRandomSource final : public RandomSource {
  public:
    static constexpr std::uint32_t kStartSeed = 1;

    DefaultRandomSource() : engine_(kStartSeed) {}
    std::uint32_t Next() override;
    void Seed(std::uint32_t seed) override;

  private:
    std::mt19937 engine_;
};

}  // namespace tagforge
