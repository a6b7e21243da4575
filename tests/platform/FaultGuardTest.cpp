// The guard around window commands: a fault ends the command and its text is shown once.
#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>

#include "eval/Extended.h"
#include "platform/FaultGuard.h"
#include "platform/ScriptedPlatform.h"

namespace zul {
namespace {

TEST(FaultGuard, AFaultEndsTheCommandWithItsTextInAnErrorBox) {
    const struct {
        const char* name;
        std::optional<FaultKind> fault;  // none: the command runs to its end
        const char* shown;               // "" nothing shown
    } cases[] = {
        {"no fault", std::nullopt, ""},
        {"division by zero", FaultKind::DivisionByZero, "Floating point division by zero"},
        {"invalid operation", FaultKind::InvalidOperation, "Invalid floating point operation"},
        {"overflow", FaultKind::Overflow, "Floating point overflow"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedPlatform platform;
        bool finished = false;
        const bool ran = RunGuarded(platform, [&] {
            if (c.fault) RaiseFault(*c.fault);
            finished = true;
        });
        EXPECT_EQ(ran, !c.fault.has_value());
        EXPECT_EQ(finished, !c.fault.has_value());
        if (*c.shown == '\0') {
            EXPECT_TRUE(platform.messages().empty());
        } else {
            ASSERT_EQ(platform.messages().size(), 1u);
            EXPECT_EQ(platform.messages()[0].kind, MessageKind::Error);
            EXPECT_EQ(platform.messages()[0].text, c.shown);
            EXPECT_EQ(platform.messages()[0].buttons, MessageButtons::Ok);
        }
    }
}

TEST(FaultGuard, OtherFailuresAreNotSwallowed) {
    ScriptedPlatform platform;
    EXPECT_THROW(RunGuarded(platform, [] { throw std::logic_error("not arithmetic"); }), std::logic_error);
    EXPECT_TRUE(platform.messages().empty());
}

}  // namespace
}  // namespace zul
