#include "Console_IO_Utility.h"
#include "stream_redirect.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

std::string repeated(int count, char character)
{
    return std::string(static_cast<std::size_t>(count), character);
}

// --- single characters --------------------------------------------------------

enum class CharReader { ClearKeepingSpaces, ClearSkippingSpaces, FilteredKeepingSpaces, GetChar };

int readWith(CharReader reader)
{
    switch (reader) {
    case CharReader::ClearKeepingSpaces:
        return clearLeadingCharacters(true);
    case CharReader::ClearSkippingSpaces:
        return clearLeadingCharacters(false);
    case CharReader::FilteredKeepingSpaces:
        return getCharFiltered(true);
    case CharReader::GetChar:
        return static_cast<unsigned char>(getChar());
    }
    return -2;
}

struct CharCase {
    const char* name;
    CharReader reader;
    std::string input;
    int code;
    std::string unread;
};

class CharReaderTest : public testing::TestWithParam<CharCase> {};

TEST_P(CharReaderTest, ReturnsTheCodeAndLeavesTheRest)
{
    const CharCase& c = GetParam();
    PreparedStdin input(c.input);
    EXPECT_EQ(readWith(c.reader), c.code);
    EXPECT_EQ(input.unread(), c.unread);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CharReaderTest,
    testing::Values(
        CharCase{"LeadingSpacesSkipped", CharReader::GetChar, "   x\n", 'x', "\n"},
        CharCase{"EmptyLinesSkipped", CharReader::GetChar, "\n\nyes\n", 'y', "es\n"},
        CharCase{"ControlCharactersSkipped", CharReader::ClearSkippingSpaces,
                 std::string("\r\x01\x1f\0!", 5), '!', ""},
        CharCase{"TabSkippedEvenKeepingSpaces", CharReader::FilteredKeepingSpaces, "\t x", ' ',
                 "x"},
        CharCase{"SpaceKept", CharReader::ClearKeepingSpaces, " a", ' ', "a"},
        CharCase{"DelIsSignificant", CharReader::GetChar, "\x7f ", 127, " "},
        CharCase{"HighByteIsSignificant", CharReader::ClearSkippingSpaces, " \x80z", 128, "z"},
        CharCase{"Byte255IsNoEndOfInput", CharReader::GetChar, "\xff", 255, ""},
        CharCase{"Skip128SpacesReturnThe129th", CharReader::GetChar, repeated(128, ' ') + "z", 'z',
                 ""},
        CharCase{"Skip129SpacesReturnASpace", CharReader::GetChar, repeated(129, ' ') + "z", ' ',
                 "z"},
        CharCase{"Skip129NewlinesReturnANewline", CharReader::GetChar, repeated(129, '\n') + "w\n",
                 '\n', "w\n"},
        CharCase{"Skip128NewlinesReachTheText", CharReader::GetChar, repeated(128, '\n') + "w\n",
                 'w', "\n"},
        CharCase{"ClearAtEndOfInput", CharReader::ClearSkippingSpaces, "", EOF, ""},
        CharCase{"ClearAfterBlanksAtEndOfInput", CharReader::ClearKeepingSpaces, "\n\n", EOF, ""},
        CharCase{"FilteredAtEndOfInput", CharReader::FilteredKeepingSpaces, "", '0', ""},
        CharCase{"GetCharAtEndOfInput", CharReader::GetChar, "  \n", '0', ""}),
    [](const testing::TestParamInfo<CharCase>& info) { return info.param.name; });

// Three answers come from one typed line; the fourth waits for the next.
TEST(PromptForCharacter, ThreeFromOneLineThenTheNextLine)
{
    PreparedStdin input("yes\nno\n");
    std::string answers;
    std::string afterPrompt;
    {
        CapturedStdout output;
        for (int i = 0; i < 4; ++i) {
            answers += promptForCharacter("%s: ");
        }
        afterPrompt = output.unflushed();
    }
    EXPECT_EQ(answers, "yesn");
    EXPECT_EQ(input.unread(), "o\n");
    EXPECT_EQ(afterPrompt, "%s: %s: %s: %s: ");  // unchanged, and shown before each read
}

TEST(PromptForCharacter, EndOfInputGivesZeroDigit)
{
    PreparedStdin input("");
    char answer = 0;
    {
        CapturedStdout output;
        answer = promptForCharacter("> ");
    }
    EXPECT_EQ(answer, '0');
}

// --- lines ----------------------------------------------------------------------

enum class LineReader { PromptForString, KeepingEndOfInput, ReplacingEndOfInput };

struct LineCase {
    const char* name;
    LineReader reader;
    std::string input;
    std::string stored;
    std::string unread;
};

class LineReaderTest : public testing::TestWithParam<LineCase> {};

// The buffer is pre-filled so that any byte written past the NUL shows.
TEST_P(LineReaderTest, StoresTheLineAndLeavesTheRest)
{
    const LineCase& c = GetParam();
    PreparedStdin input(c.input);
    char buffer[LINE_LIMIT + 16];
    const std::string untouched(sizeof buffer, '#');
    untouched.copy(buffer, sizeof buffer);
    std::string prompt;
    {
        CapturedStdout output;
        switch (c.reader) {
        case LineReader::PromptForString:
            promptForString("Name: ", buffer);
            break;
        case LineReader::KeepingEndOfInput:
            getInputString(buffer, true);
            break;
        case LineReader::ReplacingEndOfInput:
            getInputString(buffer, false);
            break;
        }
        prompt = output.text();
    }
    const std::string expected = c.stored + '\0' + untouched.substr(c.stored.size() + 1);
    EXPECT_EQ(std::string(buffer, sizeof buffer), expected);
    EXPECT_EQ(input.unread(), c.unread);
    EXPECT_EQ(prompt, c.reader == LineReader::PromptForString ? "Name: " : "");
}

const std::string LINE_128 = repeated(64, 'a') + repeated(64, 'b');

INSTANTIATE_TEST_SUITE_P(
    Table, LineReaderTest,
    testing::Values(
        LineCase{"InnerSpaceStored", LineReader::PromptForString, "hello world\nnext\n",
                 "hello world", "next\n"},
        LineCase{"LeadingDroppedTrailingKept", LineReader::PromptForString, "   hello  \n",
                 "hello  ", ""},
        LineCase{"BlankLinesBeforeSkipped", LineReader::PromptForString, "\n   \nabc\n", "abc", ""},
        LineCase{"TabSkippedInFrontStoredInside", LineReader::PromptForString, "\tab\tc\n", "ab\tc",
                 ""},
        LineCase{"CarriageReturnStored", LineReader::PromptForString, "abc\r\n", "abc\r", ""},
        // a NUL in the line is stored like any other byte: found by fuzzing
        LineCase{"NulByteStored", LineReader::PromptForString, std::string("ab\0cd\n", 6),
                 std::string("ab\0cd", 5), ""},
        LineCase{"HighBytesStored", LineReader::ReplacingEndOfInput, "\xff\xfe\n", "\xff\xfe", ""},
        LineCase{"Exactly128ConsumeTheNewline", LineReader::PromptForString, LINE_128 + "\nz",
                 LINE_128, "z"},
        LineCase{"LongerLineLeavesItsRest", LineReader::PromptForString, LINE_128 + "xy\nz",
                 LINE_128, "xy\nz"},
        LineCase{"LastLineWithoutNewline", LineReader::PromptForString, "abc", "abc", ""},
        LineCase{"EndOfInputAtOnceGivesZeroDigit", LineReader::PromptForString, "", "0", ""},
        LineCase{"EndOfInputAfterBlanks", LineReader::ReplacingEndOfInput, " \n ", "0", ""},
        LineCase{"EndOfInputKeptGivesEmpty", LineReader::KeepingEndOfInput, "\n", "", ""},
        LineCase{"KeepingEndOfInputSkipsSpaces", LineReader::KeepingEndOfInput, "  ab \n", "ab ",
                 ""},
        LineCase{"SkipLimitReachedOnANewline", LineReader::PromptForString,
                 repeated(129, '\n') + "x\n", "", "x\n"}),
    [](const testing::TestParamInfo<LineCase>& info) { return info.param.name; });

TEST(PromptForString, TakesTheLineAfterANumericReply)
{
    PreparedStdin input("42\nhello\n");
    int number = 0;
    char buffer[LINE_LIMIT + 1];
    {
        CapturedStdout output;
        number = promptForInteger("n: ");
        promptForString("s: ", buffer);
    }
    EXPECT_EQ(number, 42);
    EXPECT_STREQ(buffer, "hello");
    EXPECT_EQ(input.unread(), "");
}

}  // namespace
