// monthly_payment: the monthly payment of a fixed-rate instalment loan,
// from four replies typed at the console.
#include "Console_IO_Utility.h"

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

const double PERCENTAGE_CONVERSION = 0.01;
const int MONTHS_IN_YEAR = 12;
const int TWO_DIGITS = 2;
const int TWO_ENDLINES = 2;
const char PERCENT_CHAR = '%';

namespace {

// Years beyond this would overflow the int count of payments.
const int MAX_YEARS = INT_MAX / MONTHS_IN_YEAR;

// At or below this annual rate, 1 + monthly rate is 0 or less.
const double LOWEST_ANNUAL_RATE = -1200.0;

// Below this monthly rate, growth - 1 loses its digits to cancellation.
const double SMALL_MONTHLY_RATE = 1e-4;

struct Replies {
    double purchasePrice;
    double downPayment;
    double annualRate;
    int years;
};

struct Loan {
    double principal;
    int numberOfPayments;
    double monthlyPayment;
    double totalInterest;
    double totalCost;
    double totalPurchasePrice;
};

// Says why a reply cannot be used; returns false so a reader can return it.
// printf-style on purpose, with the format checked by the attribute; the
// analyzer misreads va_start on this platform's array-typed va_list.
// NOLINTBEGIN(cert-dcl50-cpp,clang-analyzer-valist.Uninitialized)
bool refuse(const char* format, ...) __attribute__((format(printf, 1, 2)));

bool refuse(const char* format, ...)
{
    std::fputs("monthly_payment: ", stderr);
    va_list arguments;
    va_start(arguments, format);
    std::vfprintf(stderr, format, arguments);
    va_end(arguments);
    std::fputc('\n', stderr);
    return false;
}
// NOLINTEND(cert-dcl50-cpp,clang-analyzer-valist.Uninitialized)

bool refuseMissing(const char* name)
{
    if (std::ferror(stdin) != 0) {
        return refuse("read error: %s", std::strerror(errno));
    }
    if (std::feof(stdin) != 0) {
        return refuse("no %s: end of input", name);
    }
    return refuse("the %s is not a number", name);
}

bool readAmount(const char* prompt, const char* name, double& value)
{
    if (!promptForDouble(prompt, value)) {
        return refuseMissing(name);
    }
    if (std::isnan(value)) {
        return refuse("the %s is not a number", name);
    }
    if (std::isinf(value)) {
        return refuse("the %s is out of range", name);
    }
    return true;
}

bool readReplies(Replies& replies)
{
    if (!readAmount("Enter the purchase price       ($): ", "purchase price",
                    replies.purchasePrice)) {
        return false;
    }
    if (replies.purchasePrice < 0) {
        return refuse("the purchase price (%.2f) is negative", replies.purchasePrice);
    }
    if (!readAmount("Enter the down payment         ($): ", "down payment", replies.downPayment)) {
        return false;
    }
    if (replies.downPayment < 0) {
        return refuse("the down payment (%.2f) is negative", replies.downPayment);
    }
    if (replies.downPayment > replies.purchasePrice) {
        return refuse("the down payment (%.2f) is more than the purchase price (%.2f)",
                      replies.downPayment, replies.purchasePrice);
    }
    if (!readAmount("Enter the annual interest rate (%): ", "annual interest rate",
                    replies.annualRate)) {
        return false;
    }
    if (replies.annualRate <= LOWEST_ANNUAL_RATE) {
        return refuse("the annual interest rate (%.2f%%) is not above %.0f%%", replies.annualRate,
                      LOWEST_ANNUAL_RATE);
    }
    // A saturated reply beyond int is refused by the range test below.
    if (!promptForInteger("Enter the number of years      (Y): ", replies.years) &&
        replies.years == 0) {
        return refuseMissing("number of years");
    }
    if (replies.years < 1 || replies.years > MAX_YEARS) {
        return refuse("the number of years must be from 1 to %d", MAX_YEARS);
    }
    return true;
}

double computeMonthlyPayment(double principal, double monthlyRate, int numberOfPayments)
{
    if (monthlyRate == 0) {
        return principal / numberOfPayments;  // no interest, as spreadsheet PMT does
    }
    if (std::fabs(monthlyRate) < SMALL_MONTHLY_RATE) {
        // r * g / (g - 1) as r + r / (g - 1), with g - 1 from expm1 and log1p:
        // accurate to the last digits, and neither term can overflow.
        const double growthLessOne = std::expm1(numberOfPayments * std::log1p(monthlyRate));
        return principal * (monthlyRate + monthlyRate / growthLessOne);
    }
    const double growthFactor = std::pow(1 + monthlyRate, numberOfPayments);
    if (std::isinf(growthFactor)) {
        return principal * monthlyRate;  // the limit as g / (g - 1) tends to 1
    }
    return (principal * monthlyRate) * (growthFactor / (growthFactor - 1));
}

Loan computeLoan(const Replies& replies)
{
    Loan loan{};
    loan.principal = replies.purchasePrice - replies.downPayment;
    const double monthlyRate = (PERCENTAGE_CONVERSION * replies.annualRate) / MONTHS_IN_YEAR;
    loan.numberOfPayments = replies.years * MONTHS_IN_YEAR;
    loan.monthlyPayment = computeMonthlyPayment(loan.principal, monthlyRate, loan.numberOfPayments);
    loan.totalCost = loan.numberOfPayments * loan.monthlyPayment;
    loan.totalInterest = loan.totalCost - loan.principal;
    if (monthlyRate >= 0 && loan.totalInterest < 0) {
        // Only rounding makes interest negative here (rate 0 over 29 years
        // would print -0.00); from a monthly rate of 1e-4 up this never fires.
        loan.totalInterest = 0;
    }
    loan.totalPurchasePrice = loan.totalCost + replies.downPayment;
    return loan;
}

void printBanner()
{
    printEndline();
    printString("Monthly Payment Calculator");
    printEndline();
    printString("==========================");
    printEndlines(TWO_ENDLINES);
    printString("Data Entry");
    printEndline();
    printString("----------");
    printEndlines(TWO_ENDLINES);
}

// An empty line, then the label; the value follows on the same line.
void printReportLabel(const char* label)
{
    printEndline();
    printEndline();
    printString(label);
}

void printAmount(const char* label, double amount)
{
    printReportLabel(label);
    printDouble(amount, TWO_DIGITS);
}

void printReport(const Replies& replies, const Loan& loan)
{
    printEndline();
    printString("Calculation Results");
    printEndline();
    printString("-------------------");
    printAmount("Total Principal       : $", loan.principal);
    printAmount("Down Payment          : $", replies.downPayment);
    printReportLabel("Annual Interest Rate  : ");
    printDouble(replies.annualRate, TWO_DIGITS);
    printCharacter(PERCENT_CHAR);
    printReportLabel("Number of Payments    : ");
    printInteger(loan.numberOfPayments);
    printAmount("Monthly Payment       : $", loan.monthlyPayment);
    printAmount("Total Interest Paid   : $", loan.totalInterest);
    printAmount("Total Cost of Loan    : $", loan.totalCost);
    printAmount("Total Purchase Price  : $", loan.totalPurchasePrice);
    printEndline();
    printEndline();
    printString("End Program");
    printEndline();
}

// Bytes lost on a full disk or a closed pipe must not pass as success.
int finishOutput(int status)
{
    if (std::fflush(stdout) != 0 || std::ferror(stdout) != 0) {
        std::fprintf(stderr, "monthly_payment: write error: %s\n", std::strerror(errno));
        return EXIT_FAILURE;
    }
    return status;
}

}  // namespace

int main()
{
    printBanner();
    Replies replies{};
    if (!readReplies(replies)) {
        return finishOutput(EXIT_FAILURE);
    }
    const Loan loan = computeLoan(replies);
    if (!std::isfinite(loan.totalPurchasePrice)) {
        refuse("the total cost of this loan is beyond the range of numbers");
        return finishOutput(EXIT_FAILURE);
    }
    printReport(replies, loan);
    return finishOutput(EXIT_SUCCESS);
}
