// The calculator's whole run on arbitrary bytes as standard input.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

int monthly_payment_main();

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // Only the streams are replaced; libFuzzer and the sanitizers keep fd 2.
    stdout = std::fopen("/dev/null", "w");
    stderr = std::fopen("/dev/null", "w");
    return stdout != nullptr && stderr != nullptr ? 0 : 1;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::FILE* input = fmemopen(const_cast<std::uint8_t*>(data), size, "r");
    if (input == nullptr) {
        return 0;
    }
    stdin = input;
    const int status = monthly_payment_main();
    std::fclose(input);
    if (status != EXIT_SUCCESS && status != EXIT_FAILURE) {
        std::abort();
    }
    return 0;
}
