// With ZORVI_TEST_SKIN set to a scheme (1 to 3), the test program's main thread has the control
// skin on from before the first test until after the last, so every control the tests create is
// skinned as it is created.
#include <gtest/gtest.h>

#include <cstdlib>

#include "commands/control_skin/control_skin.h"

namespace {

class SkinnedEnvironment : public ::testing::Environment {
public:
    explicit SkinnedEnvironment(int scheme) : scheme_(scheme) {}
    void SetUp() override { rt::commands::SwitchSkinOn(scheme_); }
    void TearDown() override { rt::commands::SwitchSkinOff(); }

private:
    int scheme_;
};

int SchemeFromEnvironment()
{
    const char* value = std::getenv("ZORVI_TEST_SKIN");
    return value ? std::atoi(value) : 0;
}

const bool registered = [] {
    int scheme = SchemeFromEnvironment();
    if (scheme >= 1 && scheme <= 3) {
        ::testing::AddGlobalTestEnvironment(new SkinnedEnvironment(scheme));
    }
    return true;
}();

}  // namespace
