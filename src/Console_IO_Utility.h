// Console_IO_Utility: small console I/O over the standard streams.
//
// Writers put characters, texts and numbers on standard output, optionally
// placed in a field of a given width. Readers write a prompt, flush it so it
// shows even on a pipe, and read from standard input. Nothing is allocated
// and no state is kept between calls; only the unread rest of standard input
// carries from one read to the next.
#ifndef CONSOLE_IO_UTILITY_H
#define CONSOLE_IO_UTILITY_H

#include <cstddef>

// Spaces to write before and after a text placed in a field.
struct FieldPadding {
    int before;
    int after;
};

// The placement rule. Exactly "LEFT" pads after the text, exactly "RIGHT"
// pads before it, any other justification centres it: before is
// width/2 - length/2 (each half truncated), after is the rest. A side that
// comes out negative is 0, so a text never gets cut.
FieldPadding computeFieldPadding(int width, std::size_t length, const char* justification);

// Writes character once.
void printCharacter(char character);
// Writes character count times; nothing when count is 0 or less.
void printCharacters(int count, char character);
// Writes one newline.
void printEndline();
// Writes count newlines; nothing when count is 0 or less.
void printEndlines(int count);

// Writes text unchanged (a '%' is not a format).
void printString(const char* text);
// Writes text padded with spaces to width, placed by computeFieldPadding.
void printStringJustified(const char* text, int width, const char* justification);

// Writes value in plain decimal.
void printInteger(int value);
void printIntegerJustified(int value, int width, const char* justification);
void printLongInteger(long value);
void printLongIntegerJustified(long value, int width, const char* justification);

// Writes value in fixed-point notation with decimals digits after the point
// ("%.*f"); decimals below 0 count as 0 and above 100 as 100. Every finite
// double comes out whole.
void printDouble(double value, int decimals);
void printDoubleJustified(double value, int decimals, int width, const char* justification);

// Write prompt, then read one number as scanf's "%lf" or "%d" would: white
// space is skipped, the number taken, and the character that ends it stays
// unread. The reporting forms return false when no number could be read
// (value 0) or, for an int, when it lies beyond int (value saturated at
// INT_MAX or INT_MIN); the plain forms return just the value.
bool promptForDouble(const char* prompt, double& value);
bool promptForInteger(const char* prompt, int& value);
double promptForDouble(const char* prompt);
int promptForInteger(const char* prompt);

// Character and line input. A character code is an int: 0 to 255, or EOF.
// Codes of 31 or below (control characters, EOF) are skipped, and spaces too
// unless kept; DEL and codes from 128 up are significant.

// Maximum characters one skip discards; the next read is returned as it is.
const int SKIP_LIMIT = 128;
// Maximum characters a line reader stores; buffers hold one more for the NUL.
const int LINE_LIMIT = 128;

// Reads and discards up to SKIP_LIMIT skippable characters; returns the code
// read after them, which stays consumed.
int clearLeadingCharacters(bool keepSpaces);
// As clearLeadingCharacters, but end of input comes back as '0'.
int getCharFiltered(bool keepSpaces);
// The next significant character, spaces skipped; '0' at end of input.
char getChar();
// Reads a line into buffer (at least LINE_LIMIT + 1 bytes): leading control
// characters and spaces skipped, then everything up to the newline, which is
// consumed, or up to end of input. At most LINE_LIMIT characters are stored;
// the rest of a longer line stays unread. The string is NUL-terminated and
// the bytes after the NUL are left as they were. End of input before any
// character gives "0", or the empty string when keepEndOfInput is true.
void getInputString(char* buffer, bool keepEndOfInput);
// Writes prompt, then returns getChar().
char promptForCharacter(const char* prompt);
// Writes prompt, then reads a line as getInputString(buffer, false).
void promptForString(const char* prompt, char* buffer);

#endif
