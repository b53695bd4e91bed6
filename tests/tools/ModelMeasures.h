// Measurements on models read back with assimp, for the tests of the model set.
#pragma once

#include "ModelReader.h"

#include <string>
#include <vector>

namespace qor::modelgen {

// The committed model folder of the source tree.
std::string CommittedModelPath(const std::string& relative);

struct Box {
    Vec3 lo, hi;
    Vec3 Centre() const { return 0.5 * (lo + hi); }
};

Box BoundsOf(const std::vector<Vec3>& points);
std::vector<Vec3> PositionsOf(const LoadedPart& part);
std::vector<Vec3> PositionsOf(const LoadedModel& model);

// The part whose material has exactly this diffuse colour; fails the test when there is none.
const LoadedPart* PartWithColour(const LoadedModel& model, Rgb colour);
const LoadedPart* PartNamed(const LoadedModel& model, const std::string& materialName);

// The connected solids of a set of parts (triangles that share an edge belong to one solid),
// each as the positions of its triangles' corners.
std::vector<std::vector<Vec3>> SolidsOf(const std::vector<const LoadedPart*>& parts);

struct SurfaceReport {
    int unmatchedEdges = 0;      // edges without exactly one partner running the other way
    int solids = 0;              // connected closed surfaces
    double smallestVolume = 0;   // the least signed volume among them (positive: facing out)
    int normalsAgainstFaces = 0; // vertex normals that point away from their triangle's front
};

// Checks that the model's surfaces close up across all its parts, are wound consistently and
// face outwards: in left-handed coordinates a triangle wound clockwise as seen from outside has
// its plain cross product (b - a) x (c - a) pointing out, so the signed volume of a closed
// surface built from such triangles is positive.
SurfaceReport SurfaceOf(const LoadedModel& model);

} // namespace qor::modelgen
