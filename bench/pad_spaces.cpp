// 10^7 spaces of padding around an empty text, through the library.
#include "Console_IO_Utility.h"

int main()
{
    printStringJustified("", 10000000, "LEFT");
    return 0;
}
