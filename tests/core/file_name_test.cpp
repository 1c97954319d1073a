#include "file_name.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace quillamp {
namespace {

using namespace std::string_literals;

TEST(FileNameFromPath, KeepsTextAfterLastBackslash)
{
    for (const auto& [path, name] : std::initializer_list<std::pair<std::string, std::string>>{
             {R"(C:\Music\tune.mid)", "tune.mid"},
             {"tune.mid", "tune.mid"},
             {R"(C:\Music\)", ""},
             {R"(\\server\share\a.wav)", "a.wav"},
             {"C:/Music/tune.mid", "C:/Music/tune.mid"},
             {R"(C:\My Music/old\b/c.wav)", "b/c.wav"},
             {"a\0b\\c\0d"s, "c\0d"s}}) {
        EXPECT_EQ(FileNameFromPath(path), name) << path;
    }
}

TEST(FileNameFromPath, DeepPathsYieldOnlyTheLastPiece)
{
    for (const int pieces : {24, 25, 26, 30}) {
        std::string path = "p1";
        for (int i = 2; i <= pieces; ++i) {
            path += "\\p" + std::to_string(i);
        }
        EXPECT_EQ(FileNameFromPath(path), "p" + std::to_string(pieces)) << path;
    }
}

} // namespace
} // namespace quillamp
