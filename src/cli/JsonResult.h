// The whole result of a calculation as JSON, for scripts that read the batch tool's output.
#pragma once

#include "analysis/Envelope.h"
#include "outcome/BeamOutcome.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace spanwise {

// Writes one JSON object: the file, the counts and supports, the axes of the nodes 0..N ("axes":
// ["①","②",…], null for a free end), the number of distribution sweeps,
// and per span its end moments, key sections (x, M, V), largest moment and its position, and
// its row of the result table (numbers and display texts). Floats are written as the shortest
// text that reads back to the same float. With withEnvelope, the member "envelope" follows
// (envelopeJson; the envelope's failure is thrown); then the deflections (deflectionJsonMembers).
// moreMembers (",\"name\":value…") end the object.
void writeJsonResult(std::ostream& out, const std::string& fileName, const BeamOutcome& outcome,
                     bool withEnvelope, const std::string& moreMembers = {});

// {"factors":{"dead":1.3,"live":1.5,"designLife":1,"deadFavourable":null},
//  "spans":[{"span":1,"maxMoment":{"value":..,"x":..,"liveSpans":[1,3],"shear":..},
//            "minMoment":{..},"leftShear":{"max":{"value":..,"liveSpans":[..],"moment":..},
//            "min":{..}},"rightShear":{..}},..],
//  "supports":[{"node":0,"axis":"①","maxReaction":{"value":..,"liveSpans":[..]},"minReaction":{..}},..]}
// Supports are the nodes 0..N that hold the beam; a fixed end adds "maxMoment" and "minMoment"
// of the same form. With the favourable-dead-load option every arrangement also names
// "favourableDeadSpans". "shear" is the shear just left of the section.
std::string envelopeJson(const Beam& beam, const Envelope& envelope);

// A JSON string literal, quotes included.
std::string jsonString(const std::string& text);

// The shortest JSON number that reads back to v (null when v is not finite).
std::string jsonNumber(float v);
std::string jsonReal(double v);
std::string jsonBoolean(bool v);
// A JSON array of strings.
std::string jsonStrings(const std::vector<std::string>& list);

} // namespace spanwise
