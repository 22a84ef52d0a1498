// The calculator as its users meet it: the built binary, replies on stdin,
// stdout compared byte for byte, stderr and exit status checked.
#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "stream_redirect.h"

namespace {

enum class Stdin { Pipe, File, Directory };

struct RunResult {
    std::string out;
    std::string err;
    int status;
};

std::FILE* scratchFile()
{
    std::FILE* file = std::tmpfile();
    if (file == nullptr) {
        throw std::runtime_error("tmpfile failed");
    }
    return file;
}

std::string contents(std::FILE* file)
{
    std::rewind(file);
    std::string text = readRest(file);
    std::fclose(file);
    return text;
}

// How the calculator is started, beyond its replies.
struct Launch {
    Stdin kind = Stdin::Pipe;
    std::vector<std::string> arguments;
    const char* stdoutPath = nullptr;      // instead of capturing stdout
    rlim_t fileSizeLimit = RLIM_INFINITY;  // bytes the captured stdout may take
};

RunResult runCalculator(const std::string& replies, const Launch& launch = Launch())
{
    const Stdin kind = launch.kind;
    std::FILE* out = scratchFile();
    std::FILE* err = scratchFile();
    std::FILE* inFile = nullptr;
    int pipeEnds[2] = {-1, -1};
    if (kind == Stdin::File) {
        inFile = scratchFile();
        std::fwrite(replies.data(), 1, replies.size(), inFile);
        std::fflush(inFile);
        std::rewind(inFile);
    } else if (kind == Stdin::Pipe && pipe(pipeEnds) != 0) {
        throw std::runtime_error("pipe failed");
    }
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        int input = -1;
        if (kind == Stdin::File) {
            input = fileno(inFile);
        } else if (kind == Stdin::Directory) {
            input = open("/", O_RDONLY | O_DIRECTORY);
        } else {
            input = pipeEnds[0];
            close(pipeEnds[1]);
        }
        const int output =
            launch.stdoutPath != nullptr ? open(launch.stdoutPath, O_WRONLY) : fileno(out);
        // Past the limit a write fails with EFBIG instead of raising SIGXFSZ.
        const rlimit limit{launch.fileSizeLimit, launch.fileSizeLimit};
        std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &limit);
        dup2(input, STDIN_FILENO);
        dup2(output, STDOUT_FILENO);
        dup2(fileno(err), STDERR_FILENO);
        std::vector<char*> argv{const_cast<char*>(MONTHLY_PAYMENT_PATH)};
        for (const std::string& argument : launch.arguments) {
            argv.push_back(const_cast<char*>(argument.c_str()));
        }
        argv.push_back(nullptr);
        execv(MONTHLY_PAYMENT_PATH, argv.data());
        _exit(127);
    }
    if (kind == Stdin::Pipe) {
        close(pipeEnds[0]);
        // The program may stop reading early; the rest is not its concern.
        std::signal(SIGPIPE, SIG_IGN);
        ssize_t ignored = write(pipeEnds[1], replies.data(), replies.size());
        (void)ignored;
        close(pipeEnds[1]);
    }
    int status = 0;
    waitpid(child, &status, 0);
    if (inFile != nullptr) {
        std::fclose(inFile);
    }
    return RunResult{contents(out), contents(err), WIFEXITED(status) ? WEXITSTATUS(status) : -1};
}

const char* const BANNER =
    "\nMonthly Payment Calculator\n==========================\n\nData Entry\n----------\n\n";
const char* const PROMPTS[] = {
    "Enter the purchase price       ($): ", "Enter the down payment         ($): ",
    "Enter the annual interest rate (%): ", "Enter the number of years      (Y): "};

// The banner and the first `count` prompts: all a refused run writes.
std::string promptsUpTo(int count)
{
    std::string text = BANNER;
    for (int i = 0; i < count; ++i) {
        text += PROMPTS[i];
    }
    return text;
}

// The values of the report, as they are printed.
struct Report {
    const char* principal;
    const char* downPayment;
    const char* rate;
    const char* payments;
    const char* monthlyPayment;
    const char* totalInterest;
    const char* totalCost;
    const char* totalPurchasePrice;
};

std::string fullOutput(const Report& r)
{
    return promptsUpTo(4) + "\nCalculation Results\n-------------------" +
           "\n\nTotal Principal       : $" + r.principal + "\n\nDown Payment          : $" +
           r.downPayment + "\n\nAnnual Interest Rate  : " + r.rate + "%" +
           "\n\nNumber of Payments    : " + r.payments + "\n\nMonthly Payment       : $" +
           r.monthlyPayment + "\n\nTotal Interest Paid   : $" + r.totalInterest +
           "\n\nTotal Cost of Loan    : $" + r.totalCost + "\n\nTotal Purchase Price  : $" +
           r.totalPurchasePrice + "\n\nEnd Program\n";
}

TEST(MonthlyPayment, FirstWorkedExampleByteForByte)
{
    const RunResult run = runCalculator("900\n100\n12\n1\n");
    EXPECT_EQ(run.out, "\n"
                       "Monthly Payment Calculator\n"
                       "==========================\n"
                       "\n"
                       "Data Entry\n"
                       "----------\n"
                       "\n"
                       "Enter the purchase price       ($): "
                       "Enter the down payment         ($): "
                       "Enter the annual interest rate (%): "
                       "Enter the number of years      (Y): \n"
                       "Calculation Results\n"
                       "-------------------\n"
                       "\n"
                       "Total Principal       : $800.00\n"
                       "\n"
                       "Down Payment          : $100.00\n"
                       "\n"
                       "Annual Interest Rate  : 12.00%\n"
                       "\n"
                       "Number of Payments    : 12\n"
                       "\n"
                       "Monthly Payment       : $71.08\n"
                       "\n"
                       "Total Interest Paid   : $52.95\n"
                       "\n"
                       "Total Cost of Loan    : $852.95\n"
                       "\n"
                       "Total Purchase Price  : $952.95\n"
                       "\n"
                       "End Program\n");
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.status, 0);
}

struct ReportCase {
    const char* name;
    std::string replies;
    Report report;
};

class AcceptedReplies : public testing::TestWithParam<ReportCase> {};

TEST_P(AcceptedReplies, WriteTheReport)
{
    const ReportCase& c = GetParam();
    const RunResult run = runCalculator(c.replies);
    EXPECT_EQ(run.out, fullOutput(c.report));
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.status, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Table, AcceptedReplies,
    testing::Values(
        ReportCase{"SecondWorkedExample",
                   "500\n100\n7.5\n3\n",
                   {"400.00", "100.00", "7.50", "36", "12.44", "47.93", "447.93", "547.93"}},
        ReportCase{"DownPaymentEqualsPrice",
                   "500\n500\n7.5\n3\n",
                   {"0.00", "500.00", "7.50", "36", "0.00", "0.00", "0.00", "500.00"}},
        ReportCase{"FractionalYearsReadAsWhole",
                   "250\n50\n6\n2.5\n",
                   {"200.00", "50.00", "6.00", "24", "8.86", "12.74", "212.74", "262.74"}},
        ReportCase{"AllRepliesOnOneLine",
                   "900 100 12 1",
                   {"800.00", "100.00", "12.00", "12", "71.08", "52.95", "852.95", "952.95"}},
        ReportCase{"BlankLinesCarriageReturnsAndTabs",
                   "\n\t900\r\n\n100\r\n12\r\n 1\r\n",
                   {"800.00", "100.00", "12.00", "12", "71.08", "52.95", "852.95", "952.95"}},
        ReportCase{"SignsAndExponents",
                   "+9e2\n1e2\n1.2e1\n+1\n",
                   {"800.00", "100.00", "12.00", "12", "71.08", "52.95", "852.95", "952.95"}},
        ReportCase{"ZeroRateSplitsThePrincipal",
                   "1200\n0\n0\n1\n",
                   {"1200.00", "0.00", "0.00", "12", "100.00", "0.00", "1200.00", "1200.00"}},
        // rounding alone must not turn the interest of a free loan into -0.00
        ReportCase{"ZeroRateOverLongTerm",
                   "1000\n0\n0\n29\n",
                   {"1000.00", "0.00", "0.00", "348", "2.87", "0.00", "1000.00", "1000.00"}},
        ReportCase{"TinyRateKeepsItsCents",
                   "800\n0\n1e-10\n1\n",
                   {"800.00", "0.00", "0.00", "12", "66.67", "0.00", "800.00", "800.00"}},
        ReportCase{"TinierRateIsNoNan",
                   "800\n0\n1e-13\n1\n",
                   {"800.00", "0.00", "0.00", "12", "66.67", "0.00", "800.00", "800.00"}},
        ReportCase{"SubnormalRate",
                   "800\n0\n1e-310\n1\n",
                   {"800.00", "0.00", "0.00", "12", "66.67", "0.00", "800.00", "800.00"}},
        ReportCase{"SmallRateOnLargeLoan",
                   "1000000\n0\n0.05\n30\n",
                   {"1000000.00", "0.00", "0.05", "360", "2798.72", "7539.58", "1007539.58",
                    "1007539.58"}},
        ReportCase{"RateJustAboveTheSmallRange",
                   "1000000\n0\n0.12\n30\n",
                   {"1000000.00", "0.00", "0.12", "360", "2828.22", "18157.99", "1018157.99",
                    "1018157.99"}},
        ReportCase{"GrowthOverflowTakesTheLimit",
                   "900\n100\n12\n100000\n",
                   {"800.00", "100.00", "12.00", "1200000", "8.00", "9599200.00", "9600000.00",
                    "9600100.00"}},
        ReportCase{"NegativeRate",
                   "1200\n0\n-6\n1\n",
                   {"1200.00", "0.00", "-6.00", "12", "96.78", "-38.64", "1161.36", "1161.36"}},
        ReportCase{"LongestTerm",
                   "1000\n0\n12\n178956970\n",
                   {"1000.00", "0.00", "12.00", "2147483640", "10.00", "21474835400.00",
                    "21474836400.00", "21474836400.00"}},
        ReportCase{"FreeItem",
                   "0\n0\n5\n1\n",
                   {"0.00", "0.00", "5.00", "12", "0.00", "0.00", "0.00", "0.00"}}),
    [](const testing::TestParamInfo<ReportCase>& info) { return info.param.name; });

TEST(MonthlyPayment, RepliesFromAFileAndArgumentsIgnored)
{
    const std::string expected =
        fullOutput({"800.00", "100.00", "12.00", "12", "71.08", "52.95", "852.95", "952.95"});
    Launch launch;
    launch.kind = Stdin::File;
    launch.arguments = {"--help", "-x"};
    const RunResult fromFile = runCalculator("900\n100\n12\n1\n", launch);
    EXPECT_EQ(fromFile.out, expected);
    EXPECT_EQ(fromFile.err, "");
    EXPECT_EQ(fromFile.status, 0);
}

struct RefusalCase {
    const char* name;
    std::string replies;
    int promptsWritten;
    const char* error;
};

class RefusedReplies : public testing::TestWithParam<RefusalCase> {};

TEST_P(RefusedReplies, StopWithOneLineOnStderr)
{
    const RefusalCase& c = GetParam();
    const RunResult run = runCalculator(c.replies);
    EXPECT_EQ(run.out, promptsUpTo(c.promptsWritten));
    EXPECT_EQ(run.err, std::string("monthly_payment: ") + c.error + "\n");
    EXPECT_EQ(run.status, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Table, RefusedReplies,
    testing::Values(
        RefusalCase{"NoInputAtAll", "", 1, "no purchase price: end of input"},
        RefusalCase{"OnlyBlankLines", "\n\n  \n", 1, "no purchase price: end of input"},
        RefusalCase{"LetterForPrice", "abc\n100\n12\n1\n", 1, "the purchase price is not a number"},
        RefusalCase{"CurrencySign", "$900\n", 1, "the purchase price is not a number"},
        RefusalCase{"NanPrice", "nan\n", 1, "the purchase price is not a number"},
        RefusalCase{"InfinitePrice", "inf\n", 1, "the purchase price is out of range"},
        RefusalCase{"PriceBeyondDouble", "1e999\n", 1, "the purchase price is out of range"},
        RefusalCase{"NegativePrice", "-100\n", 1, "the purchase price (-100.00) is negative"},
        RefusalCase{"EndBeforeDownPayment", "900\n", 2, "no down payment: end of input"},
        RefusalCase{"ThousandsSeparator", "1,500\n100\n", 2, "the down payment is not a number"},
        RefusalCase{"NegativeDownPayment", "900\n-5\n", 2, "the down payment (-5.00) is negative"},
        RefusalCase{"DownPaymentAbovePrice", "100\n900\n12\n1\n", 2,
                    "the down payment (900.00) is more than the purchase price (100.00)"},
        RefusalCase{"DownPaymentJustAbovePrice", "100\n100.5\n", 2,
                    "the down payment (100.50) is more than the purchase price (100.00)"},
        RefusalCase{"InfiniteDownPayment", "100\n-inf\n", 2, "the down payment is out of range"},
        RefusalCase{"RateNotANumber", "900\n100\ntwelve\n1\n", 3,
                    "the annual interest rate is not a number"},
        RefusalCase{"RateNan", "900\n100\n-nan\n1\n", 3,
                    "the annual interest rate is not a number"},
        RefusalCase{"EndBeforeRate", "900 100", 3, "no annual interest rate: end of input"},
        RefusalCase{"RateMinus1200", "900\n100\n-1200\n1\n", 3,
                    "the annual interest rate (-1200.00%) is not above -1200%"},
        RefusalCase{"RateFarBelow", "900\n100\n-5000\n1\n", 3,
                    "the annual interest rate (-5000.00%) is not above -1200%"},
        RefusalCase{"YearsNotANumber", "900\n100\n12\nten\n", 4,
                    "the number of years is not a number"},
        RefusalCase{"EndBeforeYears", "900\n100\n12\n", 4, "no number of years: end of input"},
        RefusalCase{"ZeroYears", "900\n100\n12\n0\n", 4,
                    "the number of years must be from 1 to 178956970"},
        RefusalCase{"FractionOfAYear", "900\n100\n12\n0.5\n", 4,
                    "the number of years must be from 1 to 178956970"},
        RefusalCase{"NegativeYears", "900\n100\n12\n-3\n", 4,
                    "the number of years must be from 1 to 178956970"},
        RefusalCase{"PaymentsBeyondInt", "900\n100\n12\n178956971\n", 4,
                    "the number of years must be from 1 to 178956970"},
        RefusalCase{"YearsBeyondInt", "900\n100\n12\n4294967297\n", 4,
                    "the number of years must be from 1 to 178956970"},
        RefusalCase{"YearsFarBelowInt", "900\n100\n12\n-99999999999999999999\n", 4,
                    "the number of years must be from 1 to 178956970"},
        RefusalCase{"TotalBeyondDouble", "1e308\n0\n1e308\n1\n", 4,
                    "the total cost of this loan is beyond the range of numbers"}),
    [](const testing::TestParamInfo<RefusalCase>& info) { return info.param.name; });

TEST(MonthlyPayment, ReadErrorIsNotEndOfInput)
{
    Launch launch;
    launch.kind = Stdin::Directory;
    const RunResult run = runCalculator("", launch);
    EXPECT_EQ(run.out, promptsUpTo(1));
    EXPECT_EQ(run.err, "monthly_payment: read error: Is a directory\n");
    EXPECT_EQ(run.status, 1);
}

TEST(MonthlyPayment, FullDiskIsAWriteError)
{
    Launch launch;
    launch.stdoutPath = "/dev/full";
    const RunResult run = runCalculator("900\n100\n12\n1\n", launch);
    EXPECT_EQ(run.err, "monthly_payment: write error: No space left on device\n");
    EXPECT_EQ(run.status, 1);

    const RunResult refused = runCalculator("abc\n", launch);
    EXPECT_EQ(refused.err, "monthly_payment: the purchase price is not a number\n"
                           "monthly_payment: write error: No space left on device\n");
    EXPECT_EQ(refused.status, 1);
}

// The prompts fit under the limit, the report does not: only the flush at
// exit can notice.
TEST(MonthlyPayment, ReportThatCannotBeWrittenIsAWriteError)
{
    Launch launch;
    launch.fileSizeLimit = promptsUpTo(4).size() + 10;
    const RunResult run = runCalculator("900\n100\n12\n1\n", launch);
    EXPECT_EQ(run.out, promptsUpTo(4) + "\nCalculati");
    EXPECT_EQ(run.err, "monthly_payment: write error: File too large\n");
    EXPECT_EQ(run.status, 1);
}

// Each prompt must reach a piped stdout while the program waits for its
// reply, as it does for `monthly_payment | tee log`.
TEST(MonthlyPayment, EachPromptShowsBeforeItsReplyIsRead)
{
    int toProgram[2];
    int fromProgram[2];
    ASSERT_EQ(pipe(toProgram), 0);
    ASSERT_EQ(pipe(fromProgram), 0);
    const pid_t child = fork();
    if (child == 0) {
        dup2(toProgram[0], STDIN_FILENO);
        dup2(fromProgram[1], STDOUT_FILENO);
        close(toProgram[1]);
        close(fromProgram[0]);
        execl(MONTHLY_PAYMENT_PATH, MONTHLY_PAYMENT_PATH, static_cast<char*>(nullptr));
        _exit(127);
    }
    close(toProgram[0]);
    close(fromProgram[1]);
    std::signal(SIGPIPE, SIG_IGN);
    const char* const replies[] = {"900\n", "100\n", "12\n", "1\n"};
    std::string shown;
    for (int i = 0; i < 4; ++i) {
        const std::string expected = promptsUpTo(i + 1);
        // Read what the program shows, without replying, until the prompt is there.
        while (shown.size() < expected.size()) {
            pollfd ready{fromProgram[0], POLLIN, 0};
            ASSERT_EQ(poll(&ready, 1, 5000), 1) << "no prompt " << i + 1 << " after " << shown;
            char block[512];
            const ssize_t got = read(fromProgram[0], block, sizeof block);
            ASSERT_GT(got, 0);
            shown.append(block, static_cast<std::size_t>(got));
        }
        ASSERT_EQ(shown, expected);
        ASSERT_EQ(write(toProgram[1], replies[i], std::strlen(replies[i])),
                  static_cast<ssize_t>(std::strlen(replies[i])));
    }
    close(toProgram[1]);
    char block[512];
    ssize_t got = 0;
    while ((got = read(fromProgram[0], block, sizeof block)) > 0) {
        shown.append(block, static_cast<std::size_t>(got));
    }
    close(fromProgram[0]);
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_EQ(shown, fullOutput({"800.00", "100.00", "12.00", "12", "71.08", "52.95", "852.95",
                                 "952.95"}));
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

}  // namespace
