// Fixed-width fields as printf writes them, control characters blanked.
#include <gtest/gtest.h>

#include <climits>

#include "platform/string_format.h"
#include "reports/fixed_width.h"

using namespace platform;
using namespace reports;

TEST(FixedWidthLine, FieldsAsPrintfWritesThem) {
    struct Case {
        std::string field;
        std::size_t width;
        const char* left;   // printf format of the left-aligned field
        const char* right;  // and of the right-aligned one
    } const cases[] = {
        {"MA", 5, "%-5s", "%5s"},
        {"", 3, "%-3s", "%3s"},
        {"TOOLONGFIELD", 5, "%-5s", "%5s"},
        {"EXACT", 5, "%-5s", "%5s"},
        {"X", 0, "%s", "%s"},
        {std::string(300, 'Q'), 12, "%-12s", "%12s"},  // longer than the writer's buffer
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field + "/" + std::to_string(c.width));
        std::string out = "start ";
        {
            FixedWidthLine line(out);
            line.LeftAligned(c.field, c.width);
            line.Text("|");
            line.RightAligned(c.field, c.width);
            line.End();
        }
        EXPECT_EQ("start " + StringPrintf(c.left, c.field.c_str()) + "|" +
                      StringPrintf(c.right, c.field.c_str()),
                  out);
    }
}

TEST(FixedWidthLine, NumbersAsPrintfWritesThem) {
    const int32_t values[] = {0, 7, -5, 28012, 999999, INT_MAX, INT_MIN};
    for (int32_t value : values) {
        for (std::size_t width : {0, 1, 5, 12}) {
            std::string out;
            FixedWidthLine line(out);
            line.RightAligned(value, width);
            line.End();
            EXPECT_EQ(StringPrintf("%*i", static_cast<int>(width), value), out)
                << value << " in " << width;
        }
    }
    struct Digits {
        unsigned value;
        std::size_t width;
        const char* expected;
    } const digits[] = {
        {0, 2, "00"}, {7, 2, "07"}, {59, 2, "59"}, {100, 4, "0100"}, {9999, 4, "9999"}};
    for (const Digits& d : digits) {
        std::string out;
        FixedWidthLine line(out);
        line.Digits(d.value, d.width);
        line.End();
        EXPECT_EQ(d.expected, out);
    }
}

TEST(FixedWidthLine, ControlCharactersBecomeBlanksInFieldsOnly) {
    std::string out;
    FixedWidthLine line(out);
    line.LeftAligned(std::string("a\r\nb\0c\x1f\x7f", 8), 10);
    line.RightAligned("\t", 3);
    line.Text("\r\n");
    line.End();
    EXPECT_EQ(std::string("a  b c \x7f     \r\n", 15), out);
}

TEST(FixedWidthLine, LinesLongerThanTheBufferArriveWhole) {
    std::string out;
    std::string expected;
    FixedWidthLine line(out);
    for (int i = 0; i < 100; ++i) {
        line.LeftAligned("field", 7);
        line.RightAligned(i, 4);
        expected += StringPrintf("%-7s%4i", "field", i);
    }
    line.End();
    EXPECT_EQ(expected, out);
}
