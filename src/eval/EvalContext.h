// What the evaluator reads from the settings at the moment it computes.
#pragma once

#include <string>
#include <vector>

namespace zul {

// A named value of the settings window's user-constants grid. The value text is put in
// place of the name exactly as typed, so it may itself be an expression.
struct UserConstant {
    std::string name;
    std::string value;
};

enum class AngleUnit { Radians, Degrees, Grads };

// Shown while an evaluation runs (the busy cursor of the windows). Optional.
class BusyIndicator {
public:
    virtual ~BusyIndicator() = default;
    virtual void Begin() = 0;
    virtual void End() = 0;
};

struct EvalContext {
    std::vector<UserConstant> userConstants;  // grid order; rows with an empty name are skipped
    AngleUnit angleUnit = AngleUnit::Radians;
    BusyIndicator* busy = nullptr;
};

}  // namespace zul
