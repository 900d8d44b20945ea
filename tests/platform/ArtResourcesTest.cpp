#include "QtPrinting.h"

#include <QPixmap>
#include <gtest/gtest.h>

namespace {

struct ArtCase {
    const char* path;
    QSize size;
    friend void PrintTo(const ArtCase& row, std::ostream* out) { *out << row.path; }
};

class BuiltInArt : public ::testing::TestWithParam<ArtCase> {
};

// The pictures are compiled into the platform library, a static one: they
// must still be found from a program that merely links it.
TEST_P(BuiltInArt, IsFoundThroughTheStaticLibrary)
{
    const QPixmap picture(GetParam().path);
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.size(), GetParam().size);
}

INSTANTIATE_TEST_SUITE_P(Pictures, BuiltInArt,
                         ::testing::Values(ArtCase{":/art/icon.png", {32, 32}},
                                           ArtCase{":/art/startup.png", {81, 81}},
                                           ArtCase{":/art/help_button.png", {33, 33}},
                                           ArtCase{":/art/placeholder.png", {41, 35}}));

} // namespace
