// The grammar of text .x files, read token by token as assimp's parser reads them.
#include "engine/XTextCheck.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <string_view>
#include <vector>

namespace qor {

namespace {

// Deepest nesting of frames; assimp reads them recursively.
constexpr int kMaxFrameDepth = 32;
// Longest name or texture file name.
constexpr std::size_t kMaxNameLength = 255;
// Counts and indices have at most this many digits, so that no sum of them overflows.
constexpr std::size_t kMaxCountDigits = 9;
// assimp keeps coordinates as floats; larger magnitudes would become infinite.
constexpr double kMaxMagnitude = 1e30;

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsName(std::string_view t) {
    const auto letter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
    if (t.empty() || t.size() > kMaxNameLength || !(letter(t[0]) || t[0] == '_')) {
        return false;
    }
    for (const char c : t) {
        if (!(letter(c) || IsDigit(c) || c == '_' || c == '-' || c == '.')) {
            return false;
        }
    }
    return true;
}

// Line ends, tabs and printable characters only: no other control character, which assimp
// would take as white space or as part of a token in ways the check does not follow.
bool HoldsOnlyText(std::string_view s) {
    for (const char c : s) {
        const auto u = static_cast<unsigned char>(c);
        if ((u < 0x20 && c != '\t' && c != '\n' && c != '\r') || u == 0x7F) {
            return false;
        }
    }
    return true;
}

class XGrammar {
public:
    explicit XGrammar(std::string_view body) : at_(body.data()), end_(body.data() + body.size()) {}

    bool File() {
        for (;;) {
            const std::string_view kind = Token();
            if (kind.empty()) {
                return true;
            }
            const bool read = kind == "template" ? Template()
                              : kind == "Frame"  ? Frame(1)
                              : kind == "Mesh"   ? Mesh()
                                                 : kind == "Material" && Material();
            if (!read) {
                return false;
            }
        }
    }

private:
    // Blanks, line ends and comments ("//" or "#" to the end of the line) before a token.
    void SkipSpace() {
        for (;;) {
            while (at_ < end_ && IsSpace(*at_)) {
                ++at_;
            }
            const bool comment =
                at_ < end_ && (*at_ == '#' || (*at_ == '/' && at_ + 1 < end_ && at_[1] == '/'));
            if (!comment) {
                return;
            }
            while (at_ < end_ && *at_ != '\n' && *at_ != '\r') {
                ++at_;
            }
            if (at_ < end_) {
                ++at_;
            }
        }
    }

    // The next token: one of ";,{}" or a run of other characters up to white space or one of
    // them; empty at the end of the file.
    std::string_view Token() {
        SkipSpace();
        const char* start = at_;
        while (at_ < end_ && !IsSpace(*at_)) {
            if (*at_ == ';' || *at_ == ',' || *at_ == '{' || *at_ == '}') {
                if (at_ == start) {
                    ++at_;
                }
                break;
            }
            ++at_;
        }
        return {start, static_cast<std::size_t>(at_ - start)};
    }

    bool Separator() {
        const std::string_view t = Token();
        return t == ";" || t == ",";
    }

    // A separator that may or may not be there, right after white space.
    void OptionalSeparator() {
        SkipSpace();
        if (at_ < end_ && (*at_ == ';' || *at_ == ',')) {
            ++at_;
        }
    }

    // The digits of a count or an index, then a separator.
    bool Count(std::uint32_t& value) {
        SkipSpace();
        const char* start = at_;
        value = 0;
        while (at_ < end_ && IsDigit(*at_)) {
            value = value * 10 + static_cast<std::uint32_t>(*at_ - '0');
            ++at_;
            if (static_cast<std::size_t>(at_ - start) > kMaxCountDigits) {
                return false;
            }
        }
        return at_ != start && Separator();
    }

    bool Index(std::uint32_t size) {
        std::uint32_t index = 0;
        return Count(index) && index < size;
    }

    // Digits, each run no longer than fast_atoreal reads whole.
    bool Digits(std::size_t most) {
        const char* start = at_;
        while (at_ < end_ && IsDigit(*at_)) {
            ++at_;
        }
        const auto count = static_cast<std::size_t>(at_ - start);
        return count >= 1 && count <= most;
    }

    // "-12.5e3": an optional minus, digits, optionally a point and digits, optionally an
    // exponent with digits; then a separator.
    bool Real() {
        SkipSpace();
        const char* start = at_;
        if (at_ < end_ && *at_ == '-') {
            ++at_;
        }
        if (!Digits(15)) {
            return false;
        }
        // assimp reads a comma between the integer digits and another digit as a decimal comma:
        // "270,0.0" would be one number to it, and every number after it out of step.
        if (end_ - at_ >= 2 && *at_ == ',' && IsDigit(at_[1])) {
            return false;
        }
        if (at_ < end_ && *at_ == '.') {
            ++at_;
            if (!Digits(15)) {
                return false;
            }
        }
        if (at_ < end_ && (*at_ == 'e' || *at_ == 'E')) {
            ++at_;
            if (at_ < end_ && (*at_ == '-' || *at_ == '+')) {
                ++at_;
            }
            if (!Digits(3)) {
                return false;
            }
        }
        double value = 0;
        const std::from_chars_result read = std::from_chars(start, at_, value);
        return read.ec == std::errc() && std::fabs(value) <= kMaxMagnitude && Separator();
    }

    bool Reals(int count) {
        for (int i = 0; i < count; ++i) {
            if (!Real()) {
                return false;
            }
        }
        OptionalSeparator();
        return true;
    }

    // "{" or "name {".
    bool Head() {
        const std::string_view t = Token();
        return t == "{" || (IsName(t) && Token() == "{");
    }

    bool Close() { return Token() == "}"; }

    // "template name { <guid> ... }": assimp skips everything up to the closing brace.
    bool Template() {
        const std::string_view name = Token();
        const std::string_view guid = IsName(name) && Token() == "{" ? Token() : std::string_view();
        if (guid.size() < 2 || guid.front() != '<' || guid.back() != '>') {
            return false;
        }
        for (std::string_view t = Token(); t != "}"; t = Token()) {
            if (t.empty()) {
                return false;
            }
        }
        return true;
    }

    bool Frame(int depth) {
        if (depth > kMaxFrameDepth || !Head()) {
            return false;
        }
        for (;;) {
            const std::string_view kind = Token();
            if (kind == "}") {
                return true;
            }
            const bool read = kind == "Frame"                  ? Frame(depth + 1)
                              : kind == "FrameTransformMatrix" ? Matrix()
                                                               : kind == "Mesh" && Mesh();
            if (!read) {
                return false;
            }
        }
    }

    bool Matrix() {
        if (!Head()) {
            return false;
        }
        for (int i = 0; i < 16; ++i) {
            if (!Real()) {
                return false;
            }
        }
        return Token() == ";" && Close();
    }

    // A face list: a count, then per face its corner count and that many indices below size.
    // With sizes given, the faces must have those corner counts.
    bool Faces(std::uint32_t size, std::vector<std::uint32_t>& corners, bool givenSizes) {
        std::uint32_t faces = 0;
        if (!Count(faces) || (givenSizes && faces != corners.size())) {
            return false;
        }
        for (std::uint32_t f = 0; f < faces; ++f) {
            std::uint32_t count = 0;
            if (!Count(count) || count < 3 || (givenSizes && count != corners[f])) {
                return false;
            }
            for (std::uint32_t i = 0; i < count; ++i) {
                if (!Index(size)) {
                    return false;
                }
            }
            OptionalSeparator();
            if (!givenSizes) {
                corners.push_back(count);
            }
        }
        return true;
    }

    bool Mesh() {
        std::uint32_t vertices = 0;
        if (!Head() || !Count(vertices)) {
            return false;
        }
        for (std::uint32_t v = 0; v < vertices; ++v) {
            if (!Reals(3)) {
                return false;
            }
        }
        std::vector<std::uint32_t> corners;
        if (!Faces(vertices, corners, false)) {
            return false;
        }
        bool normals = false;
        bool coordinates = false;
        bool materials = false;
        for (;;) {
            const std::string_view kind = Token();
            if (kind == "}") {
                return true;
            }
            bool read = false;
            if (kind == "MeshNormals" && !normals) {
                read = normals = Normals(corners);
            } else if (kind == "MeshTextureCoords" && !coordinates) {
                read = coordinates = TextureCoordinates(vertices);
            } else if (kind == "MeshMaterialList" && !materials) {
                read = materials = MaterialList(static_cast<std::uint32_t>(corners.size()));
            }
            if (!read) {
                return false;
            }
        }
    }

    bool Normals(std::vector<std::uint32_t>& corners) {
        std::uint32_t normals = 0;
        if (!Head() || !Count(normals)) {
            return false;
        }
        for (std::uint32_t n = 0; n < normals; ++n) {
            if (!Reals(3)) {
                return false;
            }
        }
        return Faces(normals, corners, true) && Close();
    }

    bool TextureCoordinates(std::uint32_t vertices) {
        std::uint32_t count = 0;
        if (!Head() || !Count(count) || count != vertices) {
            return false;
        }
        for (std::uint32_t i = 0; i < count; ++i) {
            if (!Reals(2)) {
                return false;
            }
        }
        return Close();
    }

    // A material count, one index per face (or one for all faces), then the materials: each
    // one written out or a reference "{ name }" to a material of the file.
    bool MaterialList(std::uint32_t faces) {
        std::uint32_t materials = 0;
        std::uint32_t indices = 0;
        if (!Head() || !Count(materials) || materials == 0 || !Count(indices) ||
            !(indices == faces || (indices == 1 && faces > 0))) {
            return false;
        }
        for (std::uint32_t i = 0; i < indices; ++i) {
            if (!Index(materials)) {
                return false;
            }
        }
        if (at_ < end_ && *at_ == ';') {
            ++at_;
        }
        std::uint32_t found = 0;
        for (;;) {
            const std::string_view t = Token();
            if (t == "}") {
                return found == materials;
            }
            if (t == ";") {
                continue;
            }
            const bool read = t == "{" ? IsName(Token()) && Close() : t == "Material" && Material();
            if (!read) {
                return false;
            }
            ++found;
        }
    }

    bool Material() {
        // Colour, power, specular and emissive colours; only the colours may have a second
        // separator after them.
        if (!Head() || !Reals(4) || !Real() || !Reals(3) || !Reals(3)) {
            return false;
        }
        for (;;) {
            const std::string_view kind = Token();
            if (kind == "}") {
                return true;
            }
            if ((kind != "TextureFilename" && kind != "TextureFileName") || !TextureName()) {
                return false;
            }
        }
    }

    // { "name"; } with the semicolon right after the closing quote.
    bool TextureName() {
        if (!Head()) {
            return false;
        }
        SkipSpace();
        if (at_ == end_ || *at_ != '"') {
            return false;
        }
        const char* start = ++at_;
        while (at_ < end_ && *at_ != '"' && *at_ != '\n' && *at_ != '\r') {
            ++at_;
        }
        if (end_ - at_ < 2 || *at_ != '"' || at_[1] != ';' ||
            static_cast<std::size_t>(at_ - start) > kMaxNameLength) {
            return false;
        }
        at_ += 2;
        return Close();
    }

    const char* at_;
    const char* end_;
};

// "xof 0302txt 0032": magic, version 3.2 or 3.3, text format, 32- or 64-bit floats, then
// nothing but blanks up to the end of the line, which assimp skips unread.
bool HeaderFits(std::string_view file, std::size_t& bodyStart) {
    if (file.size() < 16 || file.substr(0, 6) != "xof 03" ||
        (file.substr(6, 2) != "02" && file.substr(6, 2) != "03") || file.substr(8, 6) != "txt 00" ||
        (file.substr(14, 2) != "32" && file.substr(14, 2) != "64")) {
        return false;
    }
    std::size_t at = 16;
    while (at < file.size() && (file[at] == ' ' || file[at] == '\t')) {
        ++at;
    }
    if (at < file.size() && file[at] != '\n' && file[at] != '\r') {
        return false;
    }
    bodyStart = at < file.size() ? at + 1 : at;
    return true;
}

} // namespace

bool IsPlausibleXText(const QByteArray& file) {
    const std::string_view text(file.constData(), static_cast<std::size_t>(file.size()));
    std::size_t bodyStart = 0;
    if (!HeaderFits(text, bodyStart) || !HoldsOnlyText(text)) {
        return false;
    }
    return XGrammar(text.substr(bodyStart)).File();
}

} // namespace qor
