// The writers with widths, counts, decimals, justifications and values from
// the input; what they write is checked against the placement rule.
#include "Console_IO_Utility.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

std::string written;

ssize_t collect(void*, const char* bytes, std::size_t size)
{
    written.append(bytes, size);
    return static_cast<ssize_t>(size);
}

// Spaces before and after, from the rule as users read it.
void checkField(const std::string& text, int width, const std::string& justification)
{
    const long long length = static_cast<long long>(text.size());
    long long before = 0;
    long long after = 0;
    if (width > length) {
        if (justification == "LEFT") {
            after = width - length;
        } else if (justification == "RIGHT") {
            before = width - length;
        } else {
            before = width / 2 - length / 2;
            after = width - length - before;
        }
    }
    const std::string expected = std::string(static_cast<std::size_t>(before), ' ') + text +
                                 std::string(static_cast<std::size_t>(after), ' ');
    if (written != expected) {
        std::abort();
    }
}

// A writer sees a text only up to its first NUL.
std::string untilNul(const std::string& text)
{
    return text.substr(0, text.find('\0'));
}

std::string pickJustification(FuzzedDataProvider& input)
{
    switch (input.ConsumeIntegralInRange(0, 3)) {
    case 0:
        return "LEFT";
    case 1:
        return "RIGHT";
    default:
        return untilNul(input.ConsumeRandomLengthString(8));
    }
}

// Widths stay small enough for a fast run, with the extremes kept in.
int pickWidth(FuzzedDataProvider& input)
{
    if (input.ConsumeIntegralInRange(0, 15) == 0) {
        return input.ConsumeBool() ? INT32_MIN : INT32_MIN + 1;
    }
    return input.ConsumeIntegralInRange(-1000, 5000);
}

std::string fixedPoint(double value, int decimals)
{
    char text[2048];
    std::snprintf(text, sizeof text, "%.*f", std::clamp(decimals, 0, 100), value);
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    stdout = fopencookie(nullptr, "w", cookie_io_functions_t{nullptr, collect, nullptr, nullptr});
    return stdout != nullptr ? 0 : 1;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    written.clear();
    const int writer = input.ConsumeIntegralInRange(0, 5);
    const int width = pickWidth(input);
    const std::string justification = pickJustification(input);
    std::string text;
    switch (writer) {
    case 0: {
        text = untilNul(input.ConsumeRandomLengthString(64));
        printStringJustified(text.c_str(), width, justification.c_str());
        break;
    }
    case 1: {
        const int value = input.ConsumeIntegral<int>();
        printIntegerJustified(value, width, justification.c_str());
        text = std::to_string(value);
        break;
    }
    case 2: {
        const long value = input.ConsumeIntegral<long>();
        printLongIntegerJustified(value, width, justification.c_str());
        text = std::to_string(value);
        break;
    }
    case 3: {
        const int decimals = input.ConsumeBool() ? input.ConsumeIntegral<int>()
                                                 : input.ConsumeIntegralInRange(-5, 110);
        const double value = input.ConsumeFloatingPoint<double>();
        printDoubleJustified(value, decimals, width, justification.c_str());
        text = fixedPoint(value, decimals);
        break;
    }
    case 4: {
        const int count = input.ConsumeIntegralInRange(-1000, 100000);
        const char character = input.ConsumeIntegral<char>();
        printCharacters(count, character);
        std::fflush(stdout);
        if (written != std::string(static_cast<std::size_t>(std::max(count, 0)), character)) {
            std::abort();
        }
        return 0;
    }
    default: {
        const int count = input.ConsumeIntegralInRange(-1000, 100000);
        printEndlines(count);
        std::fflush(stdout);
        if (written != std::string(static_cast<std::size_t>(std::max(count, 0)), '\n')) {
            std::abort();
        }
        return 0;
    }
    }
    std::fflush(stdout);
    checkField(text, width, justification);
    return 0;
}
