// Test helpers that point the real standard streams at temporary files, so
// the library is exercised through stdin and stdout themselves.
#ifndef STREAM_REDIRECT_H
#define STREAM_REDIRECT_H

#include <cstdio>
#include <string>

// Reads what is left of a stream from its current position to its end.
std::string readRest(std::FILE* stream);

// While alive, file descriptor 1 writes into a temporary file.
class CapturedStdout {
public:
    CapturedStdout();
    ~CapturedStdout();
    CapturedStdout(const CapturedStdout&) = delete;
    CapturedStdout& operator=(const CapturedStdout&) = delete;

    // Bytes that have reached the file, without flushing stdout first.
    std::string unflushed() const;
    // Flushes stdout and returns everything written so far.
    std::string text() const;

private:
    std::FILE* file_;
    int savedDescriptor_;
};

// While alive, stdin reads the given bytes; unread() returns what is left.
class PreparedStdin {
public:
    explicit PreparedStdin(const std::string& input);
    ~PreparedStdin();
    PreparedStdin(const PreparedStdin&) = delete;
    PreparedStdin& operator=(const PreparedStdin&) = delete;

    std::string unread() const { return readRest(stdin); }

private:
    std::string path_;
};

#endif
