// The readers and numeric prompts, called in an order taken from the input,
// over the rest of the input as standard input.
#include "Console_IO_Utility.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// A line buffer of exactly the documented size, on the heap so that
// AddressSanitizer sees a write past it.
char* readLine(unsigned char fill, bool prompted, bool keepEndOfInput)
{
    auto* buffer = static_cast<char*>(std::malloc(LINE_LIMIT + 1));
    std::memset(buffer, fill, LINE_LIMIT + 1);
    if (prompted) {
        promptForString("> ", buffer);
    } else {
        getInputString(buffer, keepEndOfInput);
    }
    return buffer;
}

// The same line read twice into buffers of different fill: the bytes that
// agree were written, and they must be the string and its NUL, nothing after.
void checkLineReader(bool prompted, bool keepEndOfInput)
{
    const long start = std::ftell(stdin);
    char* first = readLine(0xA5, prompted, keepEndOfInput);
    const long end = std::ftell(stdin);
    std::fseek(stdin, start, SEEK_SET);
    char* second = readLine(0x5A, prompted, keepEndOfInput);
    std::size_t written = 0;
    while (written <= LINE_LIMIT && first[written] == second[written]) {
        ++written;
    }
    if (std::ftell(stdin) != end || written == 0 || first[written - 1] != '\0') {
        std::abort();
    }
    for (std::size_t i = written; i <= LINE_LIMIT; ++i) {
        if (first[i] == second[i]) {
            std::abort();
        }
    }
    std::free(first);
    std::free(second);
}

void checkCode(int code, bool endOfInputAllowed)
{
    const bool valid = (code >= 0 && code <= 255) || (endOfInputAllowed && code == EOF);
    if (!valid) {
        std::abort();
    }
}

void runOperation(std::uint8_t operation)
{
    switch (operation % 11) {
    case 0:
        checkCode(clearLeadingCharacters(false), true);
        break;
    case 1:
        checkCode(clearLeadingCharacters(true), true);
        break;
    case 2:
        checkCode(getCharFiltered(operation & 0x10), false);
        break;
    case 3:
        getChar();
        break;
    case 4:
        promptForCharacter("? ");
        break;
    case 5:
        checkLineReader(false, true);
        break;
    case 6:
        checkLineReader(false, false);
        break;
    case 7:
        checkLineReader(true, false);
        break;
    case 8: {
        double value = -1;
        if (!promptForDouble("$ ", value) && value != 0.0) {
            std::abort();
        }
        break;
    }
    case 9: {
        int value = -1;
        if (!promptForInteger("# ", value) && value != 0 && value != INT32_MAX &&
            value != INT32_MIN) {
            std::abort();
        }
        break;
    }
    default:
        promptForInteger("");
        promptForDouble("");
        break;
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    stdout = std::fopen("/dev/null", "w");
    return stdout != nullptr ? 0 : 1;
}

// The first byte says how many operations follow; the rest is stdin.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) {
        return 0;
    }
    const std::size_t count = std::min<std::size_t>(data[0] % 16 + 1, size - 1);
    const std::uint8_t* operations = data + 1;
    std::FILE* input = fmemopen(const_cast<std::uint8_t*>(data + 1 + count), size - 1 - count, "r");
    if (input == nullptr) {
        return 0;
    }
    stdin = input;
    for (std::size_t i = 0; i < count; ++i) {
        runOperation(operations[i]);
    }
    std::fclose(input);
    return 0;
}
