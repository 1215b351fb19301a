// The host program's version for the CREATED-BY line, read from program
// files with and without version resources.
#include <windows.h>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "tests/common/scratch_dir.h"
#include "tests/win32/wine_path.h"
#include "windows/host_program.h"

using namespace windows;

namespace {

enum Program { kVersion2, kVersion3, kNoVersion };

void Place(Program program, const char* name) {
    const char* sources[] = {FAKE_HOST_2, FAKE_HOST_3, FAKE_HOST_NONE};
    ASSERT_TRUE(CopyFileA(WinePath(sources[program]).c_str(), name, FALSE)) << name;
}

}  // namespace

TEST(HostVersion, TextOfTheVersionNumbers) {
    EXPECT_EQ("2.5", FormatHostVersion(2, 5, 1234));
    EXPECT_EQ("3.1.2", FormatHostVersion(3, 1, 2));
    EXPECT_EQ("1.0.0", FormatHostVersion(1, 0, 0));
    EXPECT_EQ("65535.65535.65535", FormatHostVersion(65535, 65535, 65535));
}

TEST(HostVersion, FromTheFirstProgramNamedAfterTheHost) {
    struct Case {
        std::vector<std::pair<Program, const char*>> files;
        const char* expected;  // null: no version
    } const cases[] = {
        {{}, nullptr},
        {{{kVersion2, "Vexo.exe"}}, "2.5"},     // major 2: two parts
        {{{kVersion3, "Vexo.exe"}}, "3.1.2"},   // otherwise three
        {{{kNoVersion, "Vexo.exe"}}, nullptr},  // no version resource
        {{{kVersion3, "vexo.exe"}}, nullptr},   // the name is compared exactly
        {{{kVersion3, "Other.exe"}, {kVersion2, "MyVexo2.exe"}}, "2.5"},
        {{{kVersion3, "Vexo.txt"}}, nullptr},  // programs only
    };
    for (const Case& c : cases) {
        ScratchDir dir;
        std::string names;
        for (const auto& file : c.files) {
            Place(file.first, file.second);
            names += std::string(file.second) + " ";
        }
        const std::optional<std::string> version = HostProgramVersion();
        if (c.expected) {
            EXPECT_EQ(c.expected, version.value_or("<none>")) << names;
        } else {
            EXPECT_FALSE(version.has_value()) << names << "gave " << *version;
        }
    }
}
