// Run-length pictures: a well-formed picture reads pixel for pixel into padded rows, a row at a time;
// anything else is refused without writing outside the rows.
#include <gtest/gtest.h>

#include <vector>

#include "fw/run_length_picture.h"

namespace fw {
namespace {

constexpr size_t kStride = 8;  // a 2-pixel row padded to 4 bytes, plus room to catch stray writes
constexpr uint8_t kFill = 0xEE;

TEST(RunLengthPicture, ReadsExactCoverOnly) {
    const struct {
        const char* name;
        std::vector<uint8_t> data;
        bool wellFormed;
        std::vector<uint8_t> rows;  // two rows of kStride bytes, when well-formed
    } cases[] = {
        {"one run across both rows",
         {2, 0, 2, 0, 4, 1, 2, 3},
         true,
         {1, 2, 3, 1, 2, 3, kFill, kFill, 1, 2, 3, 1, 2, 3, kFill, kFill}},
        {"runs crossing the row end",
         {2, 0, 2, 0, 3, 1, 2, 3, 1, 9, 8, 7},
         true,
         {1, 2, 3, 1, 2, 3, kFill, kFill, 1, 2, 3, 9, 8, 7, kFill, kFill}},
        {"runs short of the last pixel", {2, 0, 2, 0, 3, 1, 2, 3}, false, {}},
        {"a run past the last pixel", {2, 0, 2, 0, 5, 1, 2, 3}, false, {}},
        {"a run of zero", {2, 0, 2, 0, 0, 1, 2, 3, 4, 1, 2, 3}, false, {}},
        {"a cut-off run", {2, 0, 2, 0, 4, 1, 2}, false, {}},
        {"bytes after the last run", {2, 0, 2, 0, 4, 1, 2, 3, 1}, false, {}},
        {"no height", {2, 0, 0, 0}, false, {}},
        {"a cut-off header", {2, 0, 2}, false, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<uint8_t> rows(2 * kStride, kFill);
        RunLengthRows reader(c.data);
        const bool read =
            reader.Read(1, rows.data(), kStride) && reader.Read(1, rows.data() + kStride, kStride);
        EXPECT_EQ(c.wellFormed, read && reader.AtEnd());
        EXPECT_FALSE(reader.Read(1, rows.data(), kStride)) << "nothing after the last row";
        EXPECT_EQ(c.wellFormed, static_cast<bool>(RunLengthPicture(c.data)));
        if (c.wellFormed) {
            EXPECT_EQ(c.rows, rows);
        }
    }
}

TEST(RunLengthPicture, MissingResourceGivesNoPicture) {
    EXPECT_FALSE(RunLengthPicture::FromResource(0xFFF0));
}

}  // namespace
}  // namespace fw
