// Bending moment M and shear V at one section of one span caused by one thing: the two end
// moments of the span, or one load. Each load routine works on the statically determinate base
// system of its span: simply supported (no suffix), free left end (_L), free right end (_R).
//
// x is measured from the left end of the span (m). Signs: M positive with the bottom in
// tension, V positive turning clockwise, V = dM/dx; loads act downwards. End moments M1, M2
// act on the span, clockwise positive. On a free right end a concentrated force stands at
// x = L - a (a is counted from the free end).
//
// Pure: inputs read, outputs overwritten (never accumulated). Every output is rounded to single
// precision and throws FloatingPointFault instead of storing NaN or infinity.
// The concentrated-force routines give the shear just left (VL) and just right (VR) of the
// section; they differ only when the section lies exactly (float equality) on the force.
#pragma once

namespace spanwise {

void endMomentForces(float M1, float M2, float L, float x, float& M, float& V);

void simpleSpanForce(float a, float x, float L, float P, float& M, float& VL, float& VR);
void freeLeftSpanForce(float a, float x, float L, float P, float& M, float& VL, float& VR);
void freeRightSpanForce(float a, float x, float L, float P, float& M, float& VL, float& VR);

void simpleSpanUniform(float q, float x, float L, float& M, float& V);
void freeLeftSpanUniform(float L, float x, float q, float& M, float& V);
void freeRightSpanUniform(float L, float x, float q, float& M, float& V);

// Symmetric trapezoid: 0 at both ends, rising over a to q, falling over the last a.
void simpleSpanTrapezoid(float q, float L, float a, float x, float& M, float& V);
void freeLeftSpanTrapezoid(float q, float L, float a, float x, float& M, float& V);
void freeRightSpanTrapezoid(float q, float L, float a, float x, float& M, float& V);

// A partial or linear load: intensity wFrom at `from`, varying linearly to wTo at `to`, the
// ends measured along the base system (from the left end, or from the free right end for
// freeRightSpanStretch, where x is still from the left end).
void simpleSpanStretch(float wFrom, float wTo, float from, float to, float L, float x, float& M,
                       float& V);
void freeLeftSpanStretch(float wFrom, float wTo, float from, float to, float x, float& M, float& V);
void freeRightSpanStretch(float wFrom, float wTo, float from, float to, float L, float x, float& M,
                          float& V);

// A clockwise moment C at a (from the left end; from the free right end for freeRightSpanCouple):
// the bending moment just left (ML) and just right (MR) of x, which differ only at a, and the
// shear.
void simpleSpanCouple(float C, float a, float x, float L, float& ML, float& MR, float& V);
void freeLeftSpanCouple(float C, float a, float x, float& ML, float& MR, float& V);
void freeRightSpanCouple(float C, float a, float x, float L, float& ML, float& MR, float& V);

} // namespace spanwise
