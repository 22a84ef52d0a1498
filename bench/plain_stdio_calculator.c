/* Yardstick: the calculator's bytes from plain scanf and printf. */
#include <math.h>
#include <stdio.h>

int main(void)
{
    double price, down, rate;
    int years;
    printf(
        "\nMonthly Payment Calculator\n==========================\n\nData Entry\n----------\n\n");
    printf("%s", "Enter the purchase price       ($): ");
    fflush(stdout);
    if (scanf("%lf", &price) != 1)
        return 1;
    printf("%s", "Enter the down payment         ($): ");
    fflush(stdout);
    if (scanf("%lf", &down) != 1)
        return 1;
    printf("%s", "Enter the annual interest rate (%): ");
    fflush(stdout);
    if (scanf("%lf", &rate) != 1)
        return 1;
    printf("%s", "Enter the number of years      (Y): ");
    fflush(stdout);
    if (scanf("%d", &years) != 1)
        return 1;
    double principal = price - down;
    double monthly = (0.01 * rate) / 12;
    int n = years * 12;
    double growth = pow(1 + monthly, n);
    double payment = (principal * monthly) * (growth / (growth - 1));
    double cost = n * payment;
    printf("\nCalculation Results\n-------------------");
    printf("\n\nTotal Principal       : $%.2f", principal);
    printf("\n\nDown Payment          : $%.2f", down);
    printf("\n\nAnnual Interest Rate  : %.2f%%", rate);
    printf("\n\nNumber of Payments    : %d", n);
    printf("\n\nMonthly Payment       : $%.2f", payment);
    printf("\n\nTotal Interest Paid   : $%.2f", cost - principal);
    printf("\n\nTotal Cost of Loan    : $%.2f", cost);
    printf("\n\nTotal Purchase Price  : $%.2f", cost + down);
    printf("\n\nEnd Program\n");
    return 0;
}
