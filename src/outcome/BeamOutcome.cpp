#include "outcome/BeamOutcome.h"

#include "analysis/CalculationError.h"
#include "design/SectionStiffness.h"

namespace spanwise {

namespace {

// Makes a product with make(), keeping the failure it throws.
template <typename T, typename Make> void attempt(Product<T>& product, Make&& make) {
    try {
        product.value.emplace(make());
    } catch (...) {
        product.value.reset();
        product.failure = std::current_exception();
    }
}

} // namespace

template <typename T> std::string Product<T>::whyNot() const {
    if (value) {
        return {};
    }
    if (!failure) {
        return "未计算";
    }
    try {
        std::rethrow_exception(failure);
    } catch (const std::exception& error) {
        return describeFailure(error);
    } catch (...) {
        return "计算失败";
    }
}

template struct Product<Envelope>;
template struct Product<BeamDeflection>;
template struct Product<std::array<BeamDeflection, 2>>;
template struct Product<BeamForces>;
template struct Product<BeamDesign>;
template struct Product<BeamDetailing>;

namespace {

// The design and, of a beam designed, its detailing.
void designOf(BeamOutcome& out) {
    out.detailing = {};
    if (const BeamForces* forces = out.forces.get()) {
        attempt(out.design,
                [&] { return designBeam(out.beam(), *forces, *out.envelope.get(), out.working); });
    } else {
        out.design.failure = out.forces.failure;
    }
    if (const BeamDesign* design = out.design.get(); design && design->designed) {
        attempt(out.detailing, [&] {
            return detailBeam(
                detailingInput(out.beam(), *design, *out.forces.get(), *out.envelope.get()));
        });
    } else {
        out.detailing.failure = out.design.failure;
    }
}

} // namespace

BeamOutcome outcomeOf(const Beam& beam, Working working) {
    BeamOutcome out;
    out.working = working;
    out.calculation = calculateBeam(calculationBeam(beam));
    const Beam& calculated = out.beam();
    attempt(out.envelope, [&] { return Envelope(calculated); });
    attempt(out.deflection, [&] { return BeamDeflection(calculated, out.calculation.results); });
    if (const Envelope* envelope = out.envelope.get()) {
        if (hasLiveLoads(calculated)) {
            attempt(out.deflectionCombinations,
                    [&] { return BeamDeflection::envelopesOf(calculated, *envelope); });
        }
        attempt(out.forces, [&] { return designForces(calculated, *envelope); });
    } else {
        out.deflectionCombinations.failure = out.envelope.failure;
        out.forces.failure = out.envelope.failure;
    }
    designOf(out);
    return out;
}

BeamOutcome withWorking(const BeamOutcome& outcome) {
    BeamOutcome out = outcome;
    out.working = Working::Written;
    out.design = {};
    designOf(out);
    return out;
}

bool deflectionCheckedWithB(const BeamOutcome& outcome) {
    const BeamDesign* design = outcome.design.get();
    return design != nullptr && design->designed && hasSections(outcome.beam());
}

namespace {

// The beam without the bars provided and the names of its axes: what its forces depend on.
Beam withoutBars(Beam beam) {
    for (Span& span : beam.spans) {
        if (span.section) {
            span.section->bottomBars.reset();
            span.section->topBars.reset();
            span.section->stirrups.reset();
        }
        span.rightSupportDesign.topBars.reset();
        span.rightSupportDesign.axis.clear();
    }
    beam.firstSupportDesign.topBars.reset();
    beam.firstSupportDesign.axis.clear();
    beam.axisStyle = AxisStyle::Numbers;
    beam.member = {};
    return beam;
}

} // namespace

std::optional<BeamOutcome> redesigned(const BeamOutcome& outcome, const Beam& edited) {
    Beam calculated = calculationBeam(edited);
    if (!sameCalculationInput(withoutBars(calculated), withoutBars(outcome.beam()))) {
        return std::nullopt;
    }
    BeamOutcome out = outcome;
    out.calculation.beam = std::move(calculated);
    out.design = {};
    designOf(out);
    return out;
}

bool outcomeIsCurrent(const BeamOutcome& outcome, const Beam& edited) {
    return sameCalculationInput(outcome.beam(), calculationBeam(edited));
}

} // namespace spanwise
