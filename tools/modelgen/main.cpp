// qor-modelgen FOLDER: writes the model set (floor, wall, axes, hinges, links and the grid
// texture) into FOLDER/ENV and FOLDER/LINKS. Run on the repository's QORX folder it reproduces
// the committed files byte for byte.
#include "ModelSet.h"

#include <exception>
#include <iostream>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: qor-modelgen FOLDER\n";
        return 2;
    }
    try {
        qor::modelgen::WriteModelSet(argv[1]);
    } catch (const std::exception& e) {
        std::cerr << "qor-modelgen: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
