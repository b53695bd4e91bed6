// The program's own icons, drawn in code as vector paths: every pixmap is painted afresh at the
// size and device pixel ratio asked for, so the icons stay sharp at any scale. Disabled icons are
// the same drawing in grey, faded.
#pragma once

#include <QIcon>

namespace qor {

QIcon NewProjectIcon();  // a sheet with a green "+"
QIcon SetupIcon();       // a gear
QIcon AboutIcon();       // a blue disc with "i"
QIcon HelpIcon();        // a blue disc with "?"
QIcon ExitIcon();        // a door with a red arrow leaving it
QIcon ZoomInIcon();      // a magnifier with "+"
QIcon ZoomOutIcon();     // a magnifier with "-"
QIcon RunIcon();         // a green disc with a play triangle
QIcon RotateSceneIcon(); // a circular arrow

// The program's icon: a five-bar linkage on a dark tile, readable from 16 to 256 pixels.
QIcon ProgramIcon();

} // namespace qor
