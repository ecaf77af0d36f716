// Errors of the calculation that the user must see. They are thrown by the core, caught by the
// one window or batch command that started the calculation, and shown with describe(); the
// beam is never touched and the previous results stay as they were.
#pragma once

#include <exception>
#include <string>

namespace spanwise {

class CalculationError : public std::exception {
public:
    // Where it happened: span 1..20 and joint 1..19 (the support between span j and j+1);
    // 0 where not known or not meaningful.
    int span = 0;
    int joint = 0;
};

// A stored value would be NaN or infinite: invalid operation, division by zero or overflow.
class FloatingPointFault : public CalculationError {
public:
    enum Kind { Overflow, Invalid };
    enum Stage { Unknown, LoadTerms, Factors, Distribution, Sections, MaxMoment };

    explicit FloatingPointFault(Kind k) : kind(k) {}
    const char* what() const noexcept override { return "floating-point fault"; }

    Kind kind;
    Stage stage = Unknown;
};

// The two rotational stiffnesses k*i at a joint add up to zero, so its distribution factors
// are 0/0 or x/0 (both spans with i = 0, i = 0 beside a cantilever end span, i and -i).
class JointWithoutStiffness : public FloatingPointFault {
public:
    JointWithoutStiffness(int spanNumber, int jointNumber) : FloatingPointFault(Invalid) {
        span = spanNumber;
        joint = jointNumber;
        stage = Factors;
    }
    const char* what() const noexcept override { return "joint without rotational stiffness"; }
};

// The moment distribution neither met its tolerance nor came to rest within the sweep limit.
class NoConvergence : public CalculationError {
public:
    explicit NoConvergence(long sweepCount) : sweeps(sweepCount) {}
    const char* what() const noexcept override { return "moment distribution does not converge"; }
    long sweeps;
};

// Runs step() for span s and names that span and the stage in a fault that names none yet.
template <typename Step> void atSpan(int s, FloatingPointFault::Stage stage, Step&& step) {
    try {
        step();
    } catch (FloatingPointFault& fault) {
        if (fault.span == 0) {
            fault.span = s;
        }
        if (fault.stage == FloatingPointFault::Unknown) {
            fault.stage = stage;
        }
        throw;
    }
}

// One sentence in the user's language (UTF-8) saying what went wrong and where.
std::string describe(const CalculationError& error);

// The same for any failure of a calculation that follows the plain one (the envelope, the
// deflections): describe() for a CalculationError, a sentence of its own for anything else.
std::string describeFailure(const std::exception& error);

} // namespace spanwise
