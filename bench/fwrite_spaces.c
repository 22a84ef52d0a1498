/* Yardstick: 10^7 spaces handed to one fwrite. */
#include <stdio.h>
#include <string.h>

static char spaces[10000000];

int main(void)
{
    memset(spaces, ' ', sizeof spaces);
    fwrite(spaces, 1, sizeof spaces, stdout);
    return 0;
}
