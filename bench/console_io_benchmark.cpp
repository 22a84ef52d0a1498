// Time per call of the writers and readers, and throughput of a wide field.
#include "Console_IO_Utility.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

namespace {

// Replies repeated many times, read in a loop from memory; rewound at the end.
class RepeatedInput {
public:
    explicit RepeatedInput(const std::string& reply)
    {
        for (int i = 0; i < 4096; ++i) {
            text_ += reply;
        }
        stdin = fmemopen(text_.data(), text_.size(), "r");
    }
    ~RepeatedInput() { std::fclose(stdin); }
    RepeatedInput(const RepeatedInput&) = delete;
    RepeatedInput& operator=(const RepeatedInput&) = delete;

    static void rewindAtEnd()
    {
        const int next = std::getc(stdin);
        if (next == EOF) {
            std::rewind(stdin);
        } else {
            std::ungetc(next, stdin);
        }
    }

private:
    std::string text_;
};

void shortField(benchmark::State& state)
{
    for (auto _ : state) {
        printStringJustified("71.08", 10, "CENTER");
    }
}
BENCHMARK(shortField);

void amount(benchmark::State& state)
{
    for (auto _ : state) {
        printDouble(952.95, 2);
    }
}
BENCHMARK(amount);

void wideField(benchmark::State& state)
{
    const int width = static_cast<int>(state.range(0));
    for (auto _ : state) {
        printStringJustified("x", width, "RIGHT");
    }
    state.SetBytesProcessed(state.iterations() * width);
}
BENCHMARK(wideField)->Arg(1 << 20);

void numericPrompt(benchmark::State& state)
{
    RepeatedInput input("123.45\n");
    for (auto _ : state) {
        benchmark::DoNotOptimize(promptForDouble(""));
        RepeatedInput::rewindAtEnd();
    }
}
BENCHMARK(numericPrompt);

void characterRead(benchmark::State& state)
{
    RepeatedInput input("  y\n");
    for (auto _ : state) {
        benchmark::DoNotOptimize(getChar());
        RepeatedInput::rewindAtEnd();
    }
}
BENCHMARK(characterRead);

void lineRead(benchmark::State& state)
{
    RepeatedInput input("  a line of some forty characters, more or less\n");
    char buffer[LINE_LIMIT + 1];
    for (auto _ : state) {
        getInputString(buffer, false);
        benchmark::DoNotOptimize(buffer);
        RepeatedInput::rewindAtEnd();
    }
}
BENCHMARK(lineRead);

}  // namespace

int main(int argc, char** argv)
{
    // What the writers write goes nowhere; the report still reaches the terminal.
    stdout = std::fopen("/dev/null", "w");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
