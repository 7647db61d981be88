// Reading a file's bytes: the whole of a file up to the size of an argument file, and a
// refusal naming the file beyond it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "file/ArgumentFile.h"
#include "file/ReadInput.h"

namespace deducto {
namespace {

struct Size {
    const char* name;
    std::size_t bytes;
    bool accepted;
};

class ReadInputSizes : public ::testing::TestWithParam<Size> {};

TEST_P(ReadInputSizes, TakeAWholeArgumentFileAndNoMore) {
    const Size& s = GetParam();
    const std::filesystem::path path =
        std::filesystem::path(::testing::TempDir()) / (std::string("size_") + s.name + ".txt");
    {
        std::ofstream out(path, std::ios::binary);
        out << std::string(s.bytes, '#');
    }
    const InputText input = ReadInput(path.string());
    std::filesystem::remove(path);
    if (s.accepted) {
        EXPECT_TRUE(input.ok()) << input.error;
        EXPECT_EQ(input.text, std::string(s.bytes, '#'));
    } else {
        EXPECT_EQ(input.error, path.string() + " is larger than 1024 KiB: not an argument file");
    }
}

INSTANTIATE_TEST_SUITE_P(Limit, ReadInputSizes,
                         ::testing::Values(Size{"Empty", 0, true}, Size{"OnePiece", 16384, true},
                                           Size{"AtTheLimit", kMaxInputBytes, true},
                                           Size{"OneByteMore", kMaxInputBytes + 1, false},
                                           Size{"TwiceTheLimit", 2 * kMaxInputBytes, false}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(ReadInput, NamesAFileThatCannotBeOpened) {
    EXPECT_EQ(ReadInput("/nonexistent/argument.deducto").error,
              "cannot open /nonexistent/argument.deducto: No such file or directory");
}

}  // namespace
}  // namespace deducto
