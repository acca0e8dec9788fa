// The texts of the game as its sources hold them: the string literals of
// the scenes and the store, read when a test runs, so new scenes and new
// lines are covered as they are written.
#pragma once

#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "desktop/Look.h"

namespace zorb::desktop::test {

struct Literal {
    std::string text;
    std::string where;  // file:line
};

// The string literals of a C++ source, escapes decoded; comments and
// character literals skipped.
inline std::vector<Literal> stringLiterals(const std::string& src, const std::string& file) {
    std::vector<Literal> out;
    int line = 1;
    std::size_t i = 0;
    const std::size_t n = src.size();
    auto count = [&](std::size_t from, std::size_t to) {
        for (std::size_t k = from; k < to && k < n; ++k) line += src[k] == '\n';
    };
    while (i < n) {
        const char c = src[i];
        if (c == '\n') {
            ++line;
            ++i;
        } else if (c == '/' && i + 1 < n && src[i + 1] == '/') {
            while (i < n && src[i] != '\n') ++i;
        } else if (c == '/' && i + 1 < n && src[i + 1] == '*') {
            const std::size_t end = src.find("*/", i + 2);
            const std::size_t stop = end == std::string::npos ? n : end + 2;
            count(i, stop);
            i = stop;
        } else if (c == 'R' && i + 1 < n && src[i + 1] == '"') {
            const std::size_t open = src.find('(', i + 2);
            const std::string delim = ")" + src.substr(i + 2, open - i - 2) + "\"";
            const std::size_t end = src.find(delim, open);
            out.push_back({src.substr(open + 1, end - open - 1), file + ":" + std::to_string(line)});
            count(i, end + delim.size());
            i = end + delim.size();
        } else if (c == '\'') {
            // A character literal, or a digit separator (1'000).
            if (i > 0 && std::isalnum(static_cast<unsigned char>(src[i - 1]))) {
                ++i;
                continue;
            }
            ++i;
            while (i < n && src[i] != '\'') i += src[i] == '\\' ? 2 : 1;
            ++i;
        } else if (c == '"') {
            std::string text;
            ++i;
            while (i < n && src[i] != '"') {
                if (src[i] == '\\' && i + 1 < n) {
                    const char e = src[i + 1];
                    i += 2;
                    switch (e) {
                        case 'n': text += '\n'; break;
                        case 't': text += '\t'; break;
                        case 'r': text += '\r'; break;
                        case 'x': {
                            int v = 0;
                            while (i < n && std::isxdigit(static_cast<unsigned char>(src[i]))) {
                                v = v * 16 + std::stoi(std::string(1, src[i]), nullptr, 16);
                                ++i;
                            }
                            text += static_cast<char>(v);
                            break;
                        }
                        default: text += e; break;
                    }
                } else {
                    text += src[i++];
                }
            }
            ++i;
            out.push_back({text, file + ":" + std::to_string(line)});
        } else {
            ++i;
        }
    }
    return out;
}

inline std::vector<Literal> gameTexts() {
    std::vector<Literal> all;
    const std::filesystem::path root = ZORB_SOURCE_DIR;
    for (const char* dir : {"scenes", "state"}) {
        for (const auto& entry : std::filesystem::recursive_directory_iterator(root / dir)) {
            const auto ext = entry.path().extension();
            if (!entry.is_regular_file() || (ext != ".cpp" && ext != ".h")) continue;
            std::ifstream in(entry.path());
            std::stringstream buffer;
            buffer << in.rdbuf();
            const auto found = stringLiterals(buffer.str(), entry.path().lexically_relative(root).string());
            all.insert(all.end(), found.begin(), found.end());
        }
    }
    // The desktop's own words.
    all.push_back({kBoxTitle, "desktop/Look.h"});
    all.push_back({kOkCaption, "desktop/Look.h"});
    return all;
}

// The string literals of one scene's own sources (scenes/**/NAME.cpp and .h).
inline std::vector<Literal> sceneTexts(const std::string& scene) {
    std::vector<Literal> all;
    const std::filesystem::path root = ZORB_SOURCE_DIR;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root / "scenes")) {
        const auto ext = entry.path().extension();
        if (!entry.is_regular_file() || entry.path().stem() != scene || (ext != ".cpp" && ext != ".h")) {
            continue;
        }
        std::ifstream in(entry.path());
        std::stringstream buffer;
        buffer << in.rdbuf();
        const auto found = stringLiterals(buffer.str(), entry.path().lexically_relative(root).string());
        all.insert(all.end(), found.begin(), found.end());
    }
    return all;
}

}  // namespace zorb::desktop::test
