// The committed model folder is exactly what the generator writes.
#include "ModelSet.h"
#include "ModelMeasures.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <stdexcept>

namespace {

using namespace qor::modelgen;
namespace fs = std::filesystem;

std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::set<std::string> FilesBelow(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file())
            names.insert(fs::relative(entry.path(), folder).generic_string());
    return names;
}

class TempFolder {
public:
    TempFolder() : path_(fs::temp_directory_path() / ("qor-modelgen-" + UniqueName())) {
        fs::create_directories(path_);
    }
    ~TempFolder() { fs::remove_all(path_); }
    const fs::path& Path() const { return path_; }

private:
    static std::string UniqueName() {
        const auto* info = testing::UnitTest::GetInstance()->current_test_info();
        return std::string(info->test_suite_name()) + "-" + info->name();
    }
    fs::path path_;
};

TEST(ModelSet, GeneratorRewritesTheCommittedFilesByteForByte) {
    TempFolder folder;
    WriteModelSet(folder.Path());
    const fs::path committed = CommittedModelPath("");
    const std::set<std::string> written = FilesBelow(folder.Path());
    EXPECT_EQ(FilesBelow(committed), written);
    for (const std::string& name : written)
        EXPECT_TRUE(ReadBytes(folder.Path() / name) == ReadBytes(committed / name))
            << name << " differs from the committed file: run qor-modelgen on QORX";
}

TEST(ModelSet, HoldsEveryFileTheSceneLoads) {
    std::set<std::string> paths;
    for (const ModelFile& file : ModelSetFiles())
        paths.insert(file.path);
    for (const char* name : {"ENV/floors.x", "ENV/walls.x", "ENV/xyzb.x", "ENV/xyz.x",
                             "ENV/hingepurple.x", "ENV/hingeyello.x"})
        EXPECT_EQ(paths.count(name), 1U) << name;
    for (int n = 1; n <= 10; ++n)
        EXPECT_EQ(paths.count("LINKS/L" + std::to_string(n) + ".x"), 1U) << n;
}

TEST(ModelSet, TextFilesAreDirectXTextFormat) {
    for (const ModelFile& file : ModelSetFiles()) {
        if (file.path.ends_with(".x")) {
            EXPECT_TRUE(file.bytes.starts_with("xof 0303txt 0032\n")) << file.path;
            EXPECT_EQ(file.bytes.find('\r'), std::string::npos) << file.path;
        }
    }
}

TEST(ModelSet, FailsLoudlyWhenTheFolderCannotBeMade) {
    TempFolder folder;
    const fs::path blocker = folder.Path() / "QORX";
    std::ofstream(blocker) << "a file where the folder should be";
    EXPECT_THROW(WriteModelSet(blocker), std::runtime_error);
}

} // namespace
