// The window program's command line, read before any window or display exists.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "WindowUsage.h"

namespace deducto::testing {
namespace {

struct WindowArguments {
    const char* name;
    std::vector<const char*> argv;  // after the program's name
    bool help;
    bool version;
    const char* error;
    std::vector<std::string> files;
};
void PrintTo(const WindowArguments& c, std::ostream* os) { *os << c.name; }

class WindowCommandLines : public ::testing::TestWithParam<WindowArguments> {};

TEST_P(WindowCommandLines, AreReadBeforeAnyWindow) {
    const WindowArguments& c = GetParam();
    std::vector<const char*> argv{"deducto"};
    argv.insert(argv.end(), c.argv.begin(), c.argv.end());
    const WindowCommandLine parsed =
        ParseWindowCommandLine(static_cast<int>(argv.size()), argv.data());
    EXPECT_EQ(parsed.help, c.help);
    EXPECT_EQ(parsed.version, c.version);
    EXPECT_EQ(parsed.error, c.error);
    EXPECT_EQ(parsed.files, c.files);
}

INSTANTIATE_TEST_SUITE_P(
    Window, WindowCommandLines,
    ::testing::Values(
        WindowArguments{"Nothing", {}, false, false, "", {}},
        WindowArguments{"ShortHelp", {"-h"}, true, false, "", {}},
        WindowArguments{"Version", {"--version"}, false, true, "", {}},
        WindowArguments{
            "Unknown", {"--hepl", "a"}, false, false, "unknown option \"--hepl\"", {"a"}},
        WindowArguments{"SeveralFiles",
                        {"a.deducto", "b.deducto"},
                        false,
                        false,
                        "",
                        {"a.deducto", "b.deducto"}},
        WindowArguments{"DashDashEndsOptions", {"--", "-h"}, false, false, "", {"-h"}},
        WindowArguments{"LoneDashIsAFile", {"-"}, false, false, "", {"-"}}),
    [](const auto& row) { return std::string(row.param.name); });

// Before Qt has read its own options, one-dash options are left to it; long ones are not.
TEST(WindowCommandLines, LeaveOneDashOptionsToQtUntilItHasTakenThem) {
    const char* argv[] = {"deducto", "-platform", "--version", "-x"};
    const WindowCommandLine before = ParseWindowCommandLine(4, argv, QtOptions::StillThere);
    EXPECT_TRUE(before.version);
    EXPECT_EQ(before.error, "");
    EXPECT_EQ(ParseWindowCommandLine(4, argv).error, "unknown option \"-platform\"");
    const char* unknown[] = {"deducto", "--bogus"};
    EXPECT_EQ(ParseWindowCommandLine(2, unknown, QtOptions::StillThere).error,
              "unknown option \"--bogus\"");
}

}  // namespace
}  // namespace deducto::testing
