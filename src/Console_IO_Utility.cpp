#include "Console_IO_Utility.h"

#include <cctype>
#include <cfloat>
#include <climits>
#include <cstdio>
#include <cstring>
#include <limits>

namespace {

const int MAX_DECIMALS = 100;

// Codes up to this one are control characters (and EOF, which is negative).
const int LAST_CONTROL_CODE = 31;

const int DECIMAL_BASE = 10;

// Runs are written from a block on the stack: no recursion, few calls.
const std::size_t RUN_BLOCK_SIZE = 4096;

void writePrompt(const char* prompt)
{
    std::fputs(prompt, stdout);
    // The reply is awaited right after: the prompt must show, even on a pipe.
    std::fflush(stdout);
}

bool isSkippable(int code, bool keepSpaces)
{
    return code <= LAST_CONTROL_CODE || (!keepSpaces && code == ' ');
}

}  // namespace

FieldPadding computeFieldPadding(int width, std::size_t length, const char* justification)
{
    // A text longer than INT_MAX is wider than any field; capping it keeps the
    // arithmetic in range.
    const long long textLength =
        length > static_cast<std::size_t>(INT_MAX) ? INT_MAX + 1LL : static_cast<long long>(length);
    long long before = 0;
    long long after = 0;
    if (std::strcmp(justification, "LEFT") == 0) {
        after = width - textLength;
    } else if (std::strcmp(justification, "RIGHT") == 0) {
        before = width - textLength;
    } else {
        // Each half truncated on its own: width 10, length 3 gives 4 and 3.
        before = width / 2 - textLength / 2;
        after = width - textLength - before;
    }
    return FieldPadding{before > 0 ? static_cast<int>(before) : 0,
                        after > 0 ? static_cast<int>(after) : 0};
}

void printCharacter(char character)
{
    printCharacters(1, character);
}

void printCharacters(int count, char character)
{
    if (count <= 0) {
        return;
    }
    char block[RUN_BLOCK_SIZE];
    std::size_t remaining = static_cast<std::size_t>(count);
    const std::size_t blockLength = remaining < sizeof block ? remaining : sizeof block;
    std::memset(block, character, blockLength);
    while (remaining > 0) {
        const std::size_t chunk = remaining < blockLength ? remaining : blockLength;
        std::fwrite(block, 1, chunk, stdout);
        remaining -= chunk;
    }
}

void printEndline()
{
    std::putchar('\n');
}

void printEndlines(int count)
{
    printCharacters(count, '\n');
}

void printString(const char* text)
{
    printStringJustified(text, 0, "LEFT");
}

void printStringJustified(const char* text, int width, const char* justification)
{
    const std::size_t length = std::strlen(text);
    const FieldPadding padding = computeFieldPadding(width, length, justification);
    printCharacters(padding.before, ' ');
    std::fwrite(text, 1, length, stdout);
    printCharacters(padding.after, ' ');
}

void printInteger(int value)
{
    printIntegerJustified(value, 0, "LEFT");
}

void printIntegerJustified(int value, int width, const char* justification)
{
    printLongIntegerJustified(value, width, justification);
}

void printLongInteger(long value)
{
    printLongIntegerJustified(value, 0, "LEFT");
}

void printLongIntegerJustified(long value, int width, const char* justification)
{
    char text[std::numeric_limits<long>::digits10 + 3];  // every digit, a sign, the NUL
    std::snprintf(text, sizeof text, "%ld", value);
    printStringJustified(text, width, justification);
}

void printDouble(double value, int decimals)
{
    printDoubleJustified(value, decimals, 0, "LEFT");
}

void printDoubleJustified(double value, int decimals, int width, const char* justification)
{
    // The widest finite double: sign, 309 digits, point, decimals, NUL.
    char text[1 + (DBL_MAX_10_EXP + 1) + 1 + MAX_DECIMALS + 1];
    const int precision = decimals < 0 ? 0 : (decimals > MAX_DECIMALS ? MAX_DECIMALS : decimals);
    std::snprintf(text, sizeof text, "%.*f", precision, value);
    printStringJustified(text, width, justification);
}

bool promptForDouble(const char* prompt, double& value)
{
    writePrompt(prompt);
    // NOLINTNEXTLINE(cert-err34-c): overflow comes back as inf, which callers test.
    if (std::scanf("%lf", &value) == 1) {
        return true;
    }
    value = 0.0;
    return false;
}

bool promptForInteger(const char* prompt, int& value)
{
    writePrompt(prompt);
    // Read by hand rather than with "%d", whose overflow is undefined: the
    // same characters are taken and left, but the value saturates.
    value = 0;
    int c = std::getchar();
    while (std::isspace(c) != 0) {
        c = std::getchar();
    }
    const bool negative = c == '-';
    if (c == '-' || c == '+') {
        c = std::getchar();
    }
    if (std::isdigit(c) == 0) {
        if (c != EOF) {
            std::ungetc(c, stdin);
        }
        return false;
    }
    const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
    long long magnitude = 0;
    for (; std::isdigit(c) != 0; c = std::getchar()) {
        if (magnitude <= limit) {
            magnitude = magnitude * DECIMAL_BASE + (c - '0');
        }
    }
    if (c != EOF) {
        std::ungetc(c, stdin);
    }
    const bool inRange = magnitude <= limit;
    const long long bounded = inRange ? magnitude : limit;
    value = static_cast<int>(negative ? -bounded : bounded);
    return inRange;
}

double promptForDouble(const char* prompt)
{
    double value = 0.0;
    promptForDouble(prompt, value);
    return value;
}

int promptForInteger(const char* prompt)
{
    int value = 0;
    promptForInteger(prompt, value);
    return value;
}

int clearLeadingCharacters(bool keepSpaces)
{
    int code = std::getchar();
    for (int skipped = 0; isSkippable(code, keepSpaces) && skipped < SKIP_LIMIT; ++skipped) {
        code = std::getchar();
    }
    return code;
}

int getCharFiltered(bool keepSpaces)
{
    const int code = clearLeadingCharacters(keepSpaces);
    return code == EOF ? '0' : code;
}

char getChar()
{
    return static_cast<char>(getCharFiltered(false));
}

void getInputString(char* buffer, bool keepEndOfInput)
{
    // Kept as a code, not a char: a byte 255 must not pass for EOF.
    int code = keepEndOfInput ? clearLeadingCharacters(false) : getCharFiltered(false);
    int length = 0;
    while (code != '\n' && code != EOF) {
        if (length == LINE_LIMIT) {
            std::ungetc(code, stdin);  // the rest of the line is the caller's to read
            break;
        }
        buffer[length++] = static_cast<char>(code);
        code = std::getchar();
    }
    buffer[length] = '\0';
}

char promptForCharacter(const char* prompt)
{
    writePrompt(prompt);
    return getChar();
}

void promptForString(const char* prompt, char* buffer)
{
    writePrompt(prompt);
    getInputString(buffer, false);
}
