// Scripted draws; running out is a test failure, so an extra draw in the code is caught.
#include "support/scripted_random.h"

#include <gtest/gtest.h>

namespace kestrins::testing {

float ScriptedRandom::Next() {
    if (next_ >= draws_.size()) {
        ADD_FAILURE() << "more random draws taken than scripted (" << draws_.size() << ")";
        return 0.0f;
    }
    return draws_[next_++];
}

}  // namespace kestrins::testing
