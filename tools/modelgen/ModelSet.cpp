#include "ModelSet.h"

#include "GridTexture.h"
#include "Models.h"
#include "XFile.h"

#include <fstream>
#include <stdexcept>

namespace qor::modelgen {

namespace {

// The texture sits beside floors.x and walls.x, which name it relative to themselves.
const std::string gridTextureName = "cmgrid.bmp";

} // namespace

std::vector<ModelFile> ModelSetFiles() {
    std::vector<ModelFile> files = {
        {"ENV/floors.x", XFileText(FloorModel(gridTextureName))},
        {"ENV/walls.x", XFileText(WallModel(gridTextureName))},
        {"ENV/" + gridTextureName, GridTextureBmp()},
        {"ENV/xyzb.x", XFileText(AxesModel(AxesStyle::World))},
        {"ENV/xyz.x", XFileText(AxesModel(AxesStyle::Mechanism))},
        {"ENV/hingepurple.x", XFileText(HingeModel("HingePurple", {0.68, 0.3, 0.9}))},
        {"ENV/hingeyello.x", XFileText(HingeModel("HingeYellow", {0.98, 0.82, 0.1}))},
    };
    for (int length = 1; length <= 10; ++length)
        files.push_back({"LINKS/L" + std::to_string(length) + ".x", XFileText(LinkModel(length))});
    return files;
}

void WriteModelSet(const std::filesystem::path& folder) {
    for (const ModelFile& file : ModelSetFiles()) {
        const std::filesystem::path path = folder / file.path;
        std::filesystem::create_directories(path.parent_path());
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(file.bytes.data(), static_cast<std::streamsize>(file.bytes.size()));
        out.close();
        if (!out)
            throw std::runtime_error("cannot write " + path.string());
    }
}

} // namespace qor::modelgen
