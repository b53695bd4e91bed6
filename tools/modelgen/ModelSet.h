// The complete model folder QORX: every file by its path relative to the folder, with its bytes.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace qor::modelgen {

struct ModelFile {
    std::string path; // relative to the QORX folder, with "/" between parts
    std::string bytes;
};

// The floor, wall, axes and hinge models and the grid texture under ENV, the links of 1 to 10 cm
// under LINKS, always in this order and always with the same bytes.
std::vector<ModelFile> ModelSetFiles();

// Writes every file of the set below `folder`, creating ENV and LINKS as needed; files that are
// not part of the set are left alone. Throws std::runtime_error when a file cannot be written.
void WriteModelSet(const std::filesystem::path& folder);

} // namespace qor::modelgen
