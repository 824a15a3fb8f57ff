// A random source that returns draws the test lists, and fails the test when it runs out.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <utility>
#include <vector>

#include "game/random_source.h"

namespace kestrins::testing {

class ScriptedRandom final : public RandomSource {
public:
    ScriptedRandom() = default;
    ScriptedRandom(std::initializer_list<float> draws) : draws_(draws) {}
    explicit ScriptedRandom(std::vector<float> draws) : draws_(std::move(draws)) {}

    void Push(float draw, std::size_t times = 1) { draws_.insert(draws_.end(), times, draw); }
    float Next() override;
    // How many scripted draws have been taken so far.
    std::size_t Taken() const { return next_; }
    std::size_t Left() const { return draws_.size() - next_; }

private:
    std::vector<float> draws_;
    std::size_t next_ = 0;
};

}  // namespace kestrins::testing
