// Sanity check of the counts in text .x files.
#include "engine/XTextCheck.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace qor {

namespace {

struct Token {
    enum Kind { Name, Number, OpenBrace, CloseBrace } kind;
    std::string_view text;
};

// The format is ASCII; plain range tests spare a call into the C locale for every character.
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsNameStart(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}

bool IsNamePart(char c) {
    return IsNameStart(c) || IsDigit(c);
}

bool IsNumberPart(char c) {
    return IsDigit(c) || c == '.' || c == '-' || c == '+' || c == 'e' || c == 'E';
}

std::vector<Token> Tokenize(std::string_view s) {
    std::vector<Token> tokens;
    // A number of a model file takes about nine characters with its separators.
    tokens.reserve(s.size() / 8);
    std::size_t i = 0;
    const auto skipTo = [&](char end) {
        const std::size_t at = s.find(end, i + 1);
        i = at == std::string_view::npos ? s.size() : at + 1;
    };
    while (i < s.size()) {
        const char c = s[i];
        if (c == '/' && i + 1 < s.size() && s[i + 1] == '/') {
            skipTo('\n');
        } else if (c == '#') {
            skipTo('\n');
        } else if (c == '"') {
            skipTo('"');
        } else if (c == '<') {
            skipTo('>');
        } else if (IsNameStart(c)) {
            const std::size_t start = i;
            while (i < s.size() && IsNamePart(s[i])) {
                ++i;
            }
            tokens.push_back({Token::Name, s.substr(start, i - start)});
        } else if (IsDigit(c) || c == '-' || c == '+' || c == '.') {
            const std::size_t start = i;
            while (i < s.size() && IsNumberPart(s[i])) {
                ++i;
            }
            tokens.push_back({Token::Number, s.substr(start, i - start)});
        } else {
            if (c == '{' || c == '}') {
                tokens.push_back({c == '{' ? Token::OpenBrace : Token::CloseBrace, s.substr(i, 1)});
            }
            ++i;
        }
    }
    return tokens;
}

// Walks the numbers of one block, checking each count against the numbers still to come.
class CountReader {
public:
    CountReader(const std::vector<Token>& tokens, std::size_t at, std::size_t numbersAfter)
        : tokens_(tokens), at_(at), left_(numbersAfter) {}

    // Reads a count whose items take itemSize numbers each; false when it is not a whole
    // number or its items cannot fit in the numbers left.
    bool Count(std::uint64_t itemSize, std::uint64_t& count) {
        std::string_view text;
        if (!Next(text) || text.empty() || text.size() > 12) {
            return false;
        }
        count = 0;
        for (const char c : text) {
            if (!IsDigit(c)) {
                return false;
            }
            count = count * 10 + static_cast<std::uint64_t>(c - '0');
        }
        return count * itemSize <= left_;
    }
    bool Skip(std::uint64_t numbers) {
        std::string_view ignored;
        for (std::uint64_t i = 0; i < numbers; ++i) {
            if (!Next(ignored)) {
                return false;
            }
        }
        return true;
    }
    // Faces: a count, then per face its index count and indices.
    bool Faces() {
        std::uint64_t faces = 0;
        if (!Count(1, faces)) {
            return false;
        }
        for (std::uint64_t f = 0; f < faces; ++f) {
            std::uint64_t indices = 0;
            if (!Count(1, indices) || !Skip(indices)) {
                return false;
            }
        }
        return true;
    }

private:
    bool Next(std::string_view& text) {
        while (at_ < tokens_.size() && tokens_[at_].kind != Token::Number) {
            ++at_;
        }
        if (at_ == tokens_.size()) {
            return false;
        }
        --left_;
        text = tokens_[at_++].text;
        return true;
    }

    const std::vector<Token>& tokens_;
    std::size_t at_;
    std::uint64_t left_;
};

// Every block is closed, and nothing closes what was not opened: a cut-off file fails here.
bool BracesBalance(const std::vector<Token>& tokens) {
    long depth = 0;
    for (const Token& token : tokens) {
        depth += token.kind == Token::OpenBrace ? 1 : token.kind == Token::CloseBrace ? -1 : 0;
        if (depth < 0) {
            return false;
        }
    }
    return depth == 0;
}

bool BlockFits(std::string_view kind, CountReader& reader) {
    std::uint64_t count = 0;
    if (kind == "Mesh" || kind == "MeshNormals") {
        return reader.Count(3, count) && reader.Skip(3 * count) && reader.Faces();
    }
    if (kind == "MeshTextureCoords" || kind == "MeshFaceWraps") {
        return reader.Count(2, count);
    }
    if (kind == "MeshVertexColors") {
        return reader.Count(5, count);
    }
    if (kind == "MeshMaterialList") {
        std::uint64_t indices = 0;
        return reader.Count(0, count) && reader.Count(1, indices);
    }
    return true;
}

} // namespace

bool IsPlausibleXText(const QByteArray& file) {
    // "xof 0302txt 0032": magic, version, format, float size.
    if (file.size() < 16 || !file.startsWith("xof ") || file.mid(8, 4) != "txt ") {
        return false;
    }
    const std::vector<Token> tokens =
        Tokenize(std::string_view(file.constData(), file.size()).substr(16));
    if (!BracesBalance(tokens)) {
        return false;
    }
    std::vector<std::size_t> numbersAfter(tokens.size() + 1, 0);
    for (std::size_t i = tokens.size(); i-- > 0;) {
        numbersAfter[i] = numbersAfter[i + 1] + (tokens[i].kind == Token::Number ? 1 : 0);
    }
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        if (tokens[i].kind != Token::Name || (i > 0 && tokens[i - 1].text == "template")) {
            continue;
        }
        // "Kind {" or "Kind name {".
        std::size_t brace = i + 1;
        if (brace < tokens.size() && tokens[brace].kind == Token::Name) {
            ++brace;
        }
        if (brace >= tokens.size() || tokens[brace].kind != Token::OpenBrace) {
            continue;
        }
        CountReader reader(tokens, brace + 1, numbersAfter[brace + 1]);
        if (!BlockFits(tokens[i].text, reader)) {
            return false;
        }
    }
    return true;
}

} // namespace qor
