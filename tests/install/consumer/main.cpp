#include <Console_IO_Utility.h>

int main()
{
    printStringJustified("loan", 10, "RIGHT");
    printCharacter('|');
    printDoubleJustified(71.08, 2, 9, "CENTER");
    printCharacter('|');
    printEndline();
    return 0;
}
