#include "Console_IO_Utility.h"
#include "stream_redirect.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cmath>
#include <functional>
#include <string>

namespace {

std::string written(const std::function<void()>& write)
{
    CapturedStdout captured;
    write();
    return captured.text();
}

std::string spaces(int count)
{
    return std::string(static_cast<std::size_t>(count), ' ');
}

// --- placement arithmetic ---------------------------------------------------

struct PaddingCase {
    int width;
    std::size_t length;
    const char* justification;
    int before;
    int after;
};

class FieldPaddingTest : public testing::TestWithParam<PaddingCase> {};

TEST_P(FieldPaddingTest, SpacesBeforeAndAfter)
{
    const PaddingCase& c = GetParam();
    const FieldPadding padding = computeFieldPadding(c.width, c.length, c.justification);
    EXPECT_EQ(padding.before, c.before);
    EXPECT_EQ(padding.after, c.after);
}

INSTANTIATE_TEST_SUITE_P(Table, FieldPaddingTest,
                         testing::Values(
                             // centring: each half truncated on its own, not half the difference
                             PaddingCase{10, 4, "CENTER", 3, 3}, PaddingCase{10, 3, "CENTER", 4, 3},
                             PaddingCase{9, 4, "CENTER", 2, 3}, PaddingCase{9, 3, "CENTER", 3, 3},
                             PaddingCase{6, 5, "CENTER", 1, 0}, PaddingCase{7, 6, "CENTER", 0, 1},
                             PaddingCase{3, 0, "CENTER", 1, 2}, PaddingCase{4, 5, "CENTER", 0, 0},
                             PaddingCase{3, 6, "CENTER", 0, 0},
                             // only the exact words select a side; anything else centres
                             PaddingCase{10, 3, "LEFT", 0, 7}, PaddingCase{10, 3, "RIGHT", 7, 0},
                             PaddingCase{10, 3, "left", 4, 3}, PaddingCase{10, 3, "LEFT ", 4, 3},
                             PaddingCase{10, 3, "Right", 4, 3}, PaddingCase{10, 3, "", 4, 3},
                             // a field no wider than the text adds nothing, in every mode
                             PaddingCase{5, 5, "LEFT", 0, 0}, PaddingCase{5, 5, "RIGHT", 0, 0},
                             PaddingCase{5, 5, "", 0, 0}, PaddingCase{2, 5, "LEFT", 0, 0},
                             PaddingCase{2, 5, "RIGHT", 0, 0},
                             // zero and negative widths, down to the extreme, add nothing
                             PaddingCase{0, 0, "LEFT", 0, 0}, PaddingCase{0, 3, "", 0, 0},
                             PaddingCase{-7, 0, "", 0, 0}, PaddingCase{-7, 2, "RIGHT", 0, 0},
                             PaddingCase{INT_MIN, 0, "", 0, 0},
                             PaddingCase{INT_MIN, 1, "LEFT", 0, 0},
                             PaddingCase{INT_MIN, 1, "RIGHT", 0, 0},
                             // the widest field and lengths beyond any int stay in range
                             PaddingCase{INT_MAX, 0, "LEFT", 0, INT_MAX},
                             PaddingCase{INT_MAX, 1, "", INT_MAX / 2, INT_MAX / 2},
                             PaddingCase{INT_MAX, static_cast<std::size_t>(INT_MAX) + 5, "", 0, 0},
                             PaddingCase{1, SIZE_MAX, "RIGHT", 0, 0}));

// --- writers ----------------------------------------------------------------

struct StringCase {
    const char* text;
    int width;
    const char* justification;
    std::string expected;
};

class PrintStringJustifiedTest : public testing::TestWithParam<StringCase> {};

TEST_P(PrintStringJustifiedTest, WritesTextInItsField)
{
    const StringCase& c = GetParam();
    EXPECT_EQ(written([&] { printStringJustified(c.text, c.width, c.justification); }), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, PrintStringJustifiedTest,
    testing::Values(StringCase{"abc", 10, "CENTER", "    abc   "},
                    StringCase{"abcd", 9, "centre", "  abcd   "},
                    StringCase{"abc", 6, "LEFT", "abc   "}, StringCase{"abc", 6, "RIGHT", "   abc"},
                    StringCase{"", 3, "LEFT", "   "}, StringCase{"", 3, "RIGHT", "   "},
                    StringCase{"", 3, "", "   "}, StringCase{"abcdef", 3, "LEFT", "abcdef"},
                    StringCase{"abcdef", 3, "RIGHT", "abcdef"},
                    StringCase{"abcdef", 3, "", "abcdef"}, StringCase{"abc", -4, "RIGHT", "abc"},
                    // never a format: percent signs pass unchanged
                    StringCase{"100%d %s%n", 0, "LEFT", "100%d %s%n"},
                    // bytes are counted, so a two-byte letter takes two positions
                    StringCase{"\xc3\xa9", 4, "RIGHT", "  \xc3\xa9"}));

TEST(PrintString, WritesTextAsIsAndNothingForEmpty)
{
    EXPECT_EQ(written([] { printString("50% off"); }), "50% off");
    EXPECT_EQ(written([] { printString(""); }), "");
}

TEST(PrintCharacters, WritesCountTimesAndNothingForZeroOrLess)
{
    EXPECT_EQ(written([] { printCharacters(3, '*'); }), "***");
    EXPECT_EQ(written([] { printCharacters(0, '*'); }), "");
    EXPECT_EQ(written([] { printCharacters(-5, '*'); }), "");
    EXPECT_EQ(written([] { printCharacter('\xff'); }), "\xff");
    EXPECT_EQ(written([] { printCharacters(2, '\0'); }), std::string(2, '\0'));
    EXPECT_EQ(written([] { printEndline(); }), "\n");
    EXPECT_EQ(written([] { printEndlines(2); }), "\n\n");
    EXPECT_EQ(written([] { printEndlines(0); }), "");
    EXPECT_EQ(written([] { printEndlines(-1); }), "");
}

// Runs across block boundaries must come out exact, however long.
TEST(PrintCharacters, LongRunsAreWholeAndExact)
{
    for (const int count : {4095, 4096, 4097, 12289}) {
        EXPECT_EQ(written([&] { printCharacters(count, 'x'); }), std::string(count, 'x'));
    }
    const int hundredMillion = 100000000;
    const std::string run = written([&] { printCharacters(hundredMillion, 'y'); });
    ASSERT_EQ(run.size(), static_cast<std::size_t>(hundredMillion));
    EXPECT_EQ(run.find_first_not_of('y'), std::string::npos);
}

TEST(PrintStringJustified, WideFieldIsPaddedInFull)
{
    const int width = 10000003;
    const std::string field = written([&] { printStringJustified("mid", width, "CENTER"); });
    EXPECT_EQ(field, spaces(5000000) + "mid" + spaces(5000000));
}

struct IntegerCase {
    long value;
    int width;
    const char* justification;
    std::string expected;
};

class PrintIntegerTest : public testing::TestWithParam<IntegerCase> {};

TEST_P(PrintIntegerTest, IntAndLongWriters)
{
    const IntegerCase& c = GetParam();
    EXPECT_EQ(written([&] { printLongIntegerJustified(c.value, c.width, c.justification); }),
              c.expected);
    if (c.value >= INT_MIN && c.value <= INT_MAX) {
        const int value = static_cast<int>(c.value);
        EXPECT_EQ(written([&] { printIntegerJustified(value, c.width, c.justification); }),
                  c.expected);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, PrintIntegerTest,
                         testing::Values(IntegerCase{42, 5, "RIGHT", "   42"},
                                         IntegerCase{42, 5, "LEFT", "42   "},
                                         IntegerCase{-42, 6, "", "  -42 "},
                                         IntegerCase{0, 0, "LEFT", "0"},
                                         IntegerCase{INT_MIN, 0, "LEFT", "-2147483648"},
                                         IntegerCase{INT_MAX, 12, "RIGHT", "  2147483647"},
                                         IntegerCase{LONG_MIN, 0, "LEFT", "-9223372036854775808"},
                                         IntegerCase{LONG_MAX, 0, "LEFT", "9223372036854775807"},
                                         IntegerCase{4294967296L, 0, "LEFT", "4294967296"}));

TEST(PrintInteger, ShortFormsWriteNoSpaces)
{
    EXPECT_EQ(written([] { printInteger(INT_MIN); }), "-2147483648");
    EXPECT_EQ(written([] { printInteger(0); }), "0");
    EXPECT_EQ(written([] { printLongInteger(-5000000000L); }), "-5000000000");
}

struct DoubleCase {
    double value;
    int decimals;
    int width;
    const char* justification;
    std::string expected;
};

class PrintDoubleTest : public testing::TestWithParam<DoubleCase> {};

TEST_P(PrintDoubleTest, FixedPointInItsField)
{
    const DoubleCase& c = GetParam();
    EXPECT_EQ(written([&] { printDoubleJustified(c.value, c.decimals, c.width, c.justification); }),
              c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, PrintDoubleTest,
    testing::Values(DoubleCase{3.14159, 2, 0, "LEFT", "3.14"}, DoubleCase{2, 2, 0, "LEFT", "2.00"},
                    DoubleCase{0.999, 2, 0, "LEFT", "1.00"},
                    DoubleCase{-0.001, 2, 0, "LEFT", "-0.00"}, DoubleCase{2.71, 0, 0, "LEFT", "3"},
                    DoubleCase{3.5, 2, 8, "mid", "  3.50  "},
                    DoubleCase{3.5, 2, 8, "RIGHT", "    3.50"},
                    DoubleCase{0.125, 2, 0, "LEFT", "0.12"},  // a tie goes to even
                    // a negative count of decimals is taken as none
                    DoubleCase{2.71, -1, 0, "LEFT", "3"}, DoubleCase{2.71, INT_MIN, 0, "LEFT", "3"},
                    DoubleCase{1e27, 2, 0, "LEFT", "1000000000000000013287555072.00"},
                    DoubleCase{INFINITY, 2, 5, "RIGHT", "  inf"},
                    DoubleCase{-INFINITY, 2, 0, "LEFT", "-inf"}));

std::string fixedPoint(double value, int decimals)
{
    char text[2048];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

// The widest texts a double can make must come out whole.
TEST(PrintDouble, ExtremeValuesComeOutWhole)
{
    const std::string lowestTwo = written([] { printDouble(-DBL_MAX, 2); });
    EXPECT_EQ(lowestTwo.size(), 313U);
    EXPECT_EQ(lowestTwo, fixedPoint(-DBL_MAX, 2));

    const std::string lowestHundred = written([] { printDouble(-DBL_MAX, 100); });
    EXPECT_EQ(lowestHundred.size(), 411U);
    EXPECT_EQ(lowestHundred, fixedPoint(-DBL_MAX, 100));

    EXPECT_EQ(written([] { printDouble(DBL_TRUE_MIN, 100); }), fixedPoint(DBL_TRUE_MIN, 100));
    EXPECT_EQ(written([] { printDoubleJustified(-DBL_MAX, 100, 415, "RIGHT"); }),
              spaces(4) + lowestHundred);
    // more than 100 decimals are written as 100
    EXPECT_EQ(written([] { printDouble(-DBL_MAX, INT_MAX); }), lowestHundred);
    EXPECT_EQ(written([] { printDouble(NAN, 2); }), fixedPoint(NAN, 2));
}

// --- numeric prompts --------------------------------------------------------

enum class Reader { Double, Integer };

struct PromptCase {
    const char* name;
    Reader reader;
    std::string input;
    bool read;
    double value;
    std::string unread;
};

void PrintTo(const PromptCase& c, std::ostream* out)
{
    *out << c.name;
}

class NumericPromptTest : public testing::TestWithParam<PromptCase> {};

TEST_P(NumericPromptTest, ReturnsTheNumberAndLeavesTheRest)
{
    const PromptCase& c = GetParam();
    PreparedStdin input(c.input);
    double value = -1;
    bool read = false;
    std::string prompt;
    {
        CapturedStdout output;
        if (c.reader == Reader::Double) {
            read = promptForDouble("> ", value);
        } else {
            int integer = -1;
            read = promptForInteger("> ", integer);
            value = integer;
        }
        prompt = output.text();
    }
    EXPECT_EQ(read, c.read);
    EXPECT_EQ(value, c.value);
    EXPECT_EQ(input.unread(), c.unread);
    EXPECT_EQ(prompt, "> ");
}

INSTANTIATE_TEST_SUITE_P(
    Table, NumericPromptTest,
    testing::Values(
        PromptCase{"DoubleLine", Reader::Double, "250\n", true, 250, "\n"},
        PromptCase{"IntegerLine", Reader::Integer, "250\n", true, 250, "\n"},
        PromptCase{"EmptyLinesAndBlanksSkipped", Reader::Double, "\n\n \t 7.25 \n", true, 7.25,
                   " \n"},
        PromptCase{"IntegerSkipsEveryBlank", Reader::Integer, "\r\n\v\f 9\n", true, 9, "\n"},
        PromptCase{"Exponent", Reader::Double, "2.5e2\n", true, 250, "\n"},
        PromptCase{"NegativeDouble", Reader::Double, "-3\n", true, -3, "\n"},
        PromptCase{"PlusSign", Reader::Integer, "+7x", true, 7, "x"},
        PromptCase{"FractionLeftForNextRead", Reader::Integer, "12.5\n", true, 12, ".5\n"},
        PromptCase{"TwoNumbersOnALine", Reader::Double, "100 20\n", true, 100, " 20\n"},
        PromptCase{"ThousandsSeparator", Reader::Double, "1,500\n", true, 1, ",500\n"},
        PromptCase{"CurrencySignIsNoNumber", Reader::Double, "$5\n", false, 0, "$5\n"},
        PromptCase{"LetterIsNoInteger", Reader::Integer, "x1\n", false, 0, "x1\n"},
        PromptCase{"LoneSignIsConsumed", Reader::Integer, "-x\n", false, 0, "x\n"},
        PromptCase{"DoubleAtEndOfInput", Reader::Double, "", false, 0, ""},
        PromptCase{"IntegerAtEndOfInput", Reader::Integer, "  \n", false, 0, ""},
        PromptCase{"NoNewlineAtEnd", Reader::Integer, "42", true, 42, ""},
        PromptCase{"OverflowIsInfinite", Reader::Double, "1e999\n", true, INFINITY, "\n"},
        PromptCase{"IntMax", Reader::Integer, "2147483647\n", true, INT_MAX, "\n"},
        PromptCase{"IntMin", Reader::Integer, "-2147483648\n", true, INT_MIN, "\n"},
        PromptCase{"BeyondIntMaxSaturates", Reader::Integer, "4294967297\n", false, INT_MAX, "\n"},
        PromptCase{"IntMaxThenAnotherDigit", Reader::Integer, "21474836470\n", false, INT_MAX,
                   "\n"},
        PromptCase{"BeyondIntMinSaturates", Reader::Integer, "-2147483649 1", false, INT_MIN, " 1"},
        PromptCase{"ManyDigitsAllConsumed", Reader::Integer,
                   "000000000000000000000012 99999999999999999999999999x", true, 12,
                   " 99999999999999999999999999x"}),
    [](const testing::TestParamInfo<PromptCase>& info) { return info.param.name; });

TEST(NumericPrompt, PlainFormsReturnValueOrZero)
{
    PreparedStdin input("100 20\n5 $");
    double values[5];
    std::string prompts;
    {
        CapturedStdout output;
        values[0] = promptForDouble("a");
        values[1] = promptForDouble("b");
        values[2] = promptForInteger("c");
        values[3] = promptForInteger("d");
        values[4] = promptForDouble("e");  // stuck at the same '$'
        prompts = output.text();
    }
    EXPECT_EQ(values[0], 100.0);
    EXPECT_EQ(values[1], 20.0);
    EXPECT_EQ(values[2], 5.0);
    EXPECT_EQ(values[3], 0.0);
    EXPECT_EQ(values[4], 0.0);
    EXPECT_EQ(input.unread(), "$");
    EXPECT_EQ(prompts, "abcde");
}

TEST(NumericPrompt, PromptIsWrittenUnchangedAndFlushedBeforeTheRead)
{
    PreparedStdin input("1\n2\n");
    std::string afterFirst;
    std::string afterSecond;
    {
        CapturedStdout output;
        promptForDouble("Rate (%d%%): ");
        afterFirst = output.unflushed();
        promptForInteger("");
        afterSecond = output.unflushed();
    }
    EXPECT_EQ(afterFirst, "Rate (%d%%): ");
    EXPECT_EQ(afterSecond, "Rate (%d%%): ");
}

}  // namespace
