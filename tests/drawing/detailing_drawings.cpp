// Writes the drawing and the JSON of each hand-worked beam of the detailing's tests into a
// folder, for the DXF reader's check (check_dxf.py): spanwise-calc writes those of the examples.
#include "cli/DetailingJson.h"
#include "detailing/DetailingExamples.h"
#include "drawing/DetailingSheet.h"
#include "drawing/DxfWriter.h"

#include <fstream>
#include <iostream>

using namespace spanwise;
using namespace spanwise::detailing_examples;

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::cerr << "usage: detailing_drawings FOLDER\n";
        return 2;
    }
    const std::string folder = argv[1];
    const std::pair<const char*, DetailingInput> beams[] = {
        {"two_span_l", twoSpanL()},
        {"span_and_cantilever", spanAndCantilever()},
        {"deep_t", deepT()},
        {"short_middle_span", shortMiddleSpan()},
        {"hangers_that_do_not_fit", hangersThatDoNotFit()},
    };
    for (const auto& [name, input] : beams) {
        const BeamDetailing d = detailBeam(input);
        Beam beam;
        beam.spans.resize(input.spans.size());
        beam.member = input.member;
        std::ofstream(folder + "/" + name + ".dxf", std::ios::binary)
            << dxfBytes(detailingSheet(beam, d));
        std::ofstream(folder + "/" + name + ".json", std::ios::binary)
            << "{" << detailingJsonMember(d).substr(1) << "}";
    }
    return 0;
}
