// Which model of the set draws a link of a given length, and how it is stretched.
#pragma once

#include <QString>

namespace qor {

struct LinkModelChoice {
    int number = 0;     // the file LINKS\L<number>.x; 0 when nothing is drawn
    double scale = 1.0; // along the link's x axis, negative for a link drawn backwards
};

// A length whose whole part is 1 to 10 uses the file of that number, as it is. Any other
// non-zero length (the parameter dialog accepts typed lengths such as 12 or -3) uses the
// nearest file by magnitude, stretched along x to the real length, so that the drawn bar always
// ends where the solver puts the link's far joint. A length of 0 draws nothing.
LinkModelChoice ChooseLinkModel(double length);

// The path of a link model within the set, as the program names it: "LINKS\L3.x".
QString LinkModelFile(int number);

} // namespace qor
