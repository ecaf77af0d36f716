#include "model/Beam.h"

namespace spanwise {

namespace {

EndSupport outerEnd(SupportKind support) {
    switch (support) {
    case Cantilever:
        return EndSupport::Free;
    case Fixed:
        return EndSupport::Fixed;
    default:
        return EndSupport::Simple;
    }
}

} // namespace

SpanEnds spanEnds(const Beam& beam, int s) {
    const int n = beam.spanCount();
    if (n == 1) {
        return {EndSupport::Simple, EndSupport::Simple};
    }
    return {s == 1 ? outerEnd(beam.leftSupport) : EndSupport::Continuous,
            s == n ? outerEnd(beam.rightSupport) : EndSupport::Continuous};
}

} // namespace spanwise
