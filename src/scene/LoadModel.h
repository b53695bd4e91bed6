// Loading one model file of the set into a frame of the scene.
#pragma once

#include <QString>

namespace qor {

class IDirect3DRM;
class IDirect3DRMFrame;

// Makes a mesh builder, loads the file into it and adds it to the frame; true when the model is
// shown. A file that cannot be read and a model the frame will not take are each reported by a
// warning box; a mesh builder that cannot be made is not. xScale stretches the model along its x
// axis before it is added (1 leaves it as the file has it).
bool LoadModel(IDirect3DRM* engine, IDirect3DRMFrame* frame, const QString& fileName,
               double xScale = 1.0);

} // namespace qor
