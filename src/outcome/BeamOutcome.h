// A beam and everything computed from it, made by one function of the core: the beam as
// calculated (every span with a section takes the EI and i the section gives), its calculation,
// the envelope of the basic combination over every live-load arrangement, the deflections, the
// design forces and the design — each product either made or holding the failure that stopped
// it. The windows, the report, the exports and the batch tool take this value and show what it
// holds; none of them chains the steps itself, and each decides only what it shows.
#pragma once

#include "analysis/Calculation.h"
#include "analysis/Deflection.h"
#include "analysis/Envelope.h"
#include "design/BeamDesign.h"
#include "design/DesignForces.h"
#include "detailing/BeamDetailing.h"

#include <array>
#include <exception>
#include <optional>
#include <stdexcept>
#include <string>

namespace spanwise {

// One product of the chain: its value, or the failure (as thrown) that stopped it, or neither
// where it was not asked for (its input did not call for it).
template <typename T> struct Product {
    std::optional<T> value;
    std::exception_ptr failure;

    bool made() const { return value.has_value(); }
    const T* get() const { return value ? &*value : nullptr; }
    // The value; throws the failure that stopped it (or std::logic_error where it was not made
    // for this beam), as the step itself would have thrown.
    const T& orThrow() const {
        if (failure) {
            std::rethrow_exception(failure);
        }
        if (!value) {
            throw std::logic_error("a product that was not made");
        }
        return *value;
    }
    // Why there is no value, in the user's words; empty when there is one.
    std::string whyNot() const;
    // True when the failure that stopped it is an E.
    template <typename E> bool failedWith() const {
        if (!failure) {
            return false;
        }
        try {
            std::rethrow_exception(failure);
        } catch (const E&) {
            return true;
        } catch (...) {
            return false;
        }
    }
};

struct BeamOutcome {
    Calculation calculation; // the beam as calculated, its results, where it came from
    Product<Envelope> envelope;
    Product<BeamDeflection> deflection; // the loads as entered
    // Where the beam has live loads: the characteristic G + Q and the quasi-permanent
    // G + psi_q Q, each over every live-load arrangement.
    Product<std::array<BeamDeflection, 2>> deflectionCombinations;
    Product<BeamForces> forces;
    Product<BeamDesign> design; // not designed (design->whyNot) unless every span has a section
    // of a beam designed: its 平法 texts, cut-offs and schedule (detailed false where the design
    // left a set without bars); not made where the beam was not designed
    Product<BeamDetailing> detailing;
    Working working = Working::Omitted; // whether the design carries its hand calculation

    const Beam& beam() const { return calculation.beam; }
};

// Calculates the beam as the project holds it and everything that follows from it. The
// calculation's own failure (a CalculationError, or std::invalid_argument for counts out of
// range) is thrown: without it there is nothing to show. Expects the beam to have passed the
// data check.
BeamOutcome outcomeOf(const Beam& beam, Working working = Working::Omitted);

// The same outcome with the design's hand calculation written (the 计算书's): only the design is
// made again, from the same forces.
BeamOutcome withWorking(const BeamOutcome& outcome);

// The outcome of the edited beam where the edit touched no force — the bars and stirrups provided
// and their grades, the names of the axes, the member's data: the same calculation, envelope and
// design forces, the design made again. Nothing where the edit touched anything else (the outcome
// is then stale).
std::optional<BeamOutcome> redesigned(const BeamOutcome& outcome, const Beam& edited);

// True when the outcome's deflection check is the design's, with the long-term stiffness B
// (every span has a section and the beam was designed): the elastic deflection with EI is then
// shown as such, without a verdict of its own.
bool deflectionCheckedWithB(const BeamOutcome& outcome);

// True when the edited beam would be calculated exactly as the outcome's was: the outcome is
// still the edited beam's.
bool outcomeIsCurrent(const BeamOutcome& outcome, const Beam& edited);

} // namespace spanwise
