#include "stream_redirect.h"

#include <cstdlib>
#include <stdexcept>
#include <unistd.h>

std::string readRest(std::FILE* stream)
{
    std::string rest;
    char block[65536];
    std::size_t got = 0;
    while ((got = std::fread(block, 1, sizeof block, stream)) > 0) {
        rest.append(block, got);
    }
    return rest;
}

CapturedStdout::CapturedStdout() : file_(std::tmpfile()), savedDescriptor_(-1)
{
    if (file_ == nullptr) {
        throw std::runtime_error("tmpfile failed");
    }
    std::fflush(stdout);
    savedDescriptor_ = dup(STDOUT_FILENO);
    dup2(fileno(file_), STDOUT_FILENO);
}

CapturedStdout::~CapturedStdout()
{
    std::fflush(stdout);
    dup2(savedDescriptor_, STDOUT_FILENO);
    close(savedDescriptor_);
    std::fclose(file_);
}

std::string CapturedStdout::unflushed() const
{
    std::rewind(file_);
    return readRest(file_);
}

std::string CapturedStdout::text() const
{
    std::fflush(stdout);
    return unflushed();
}

PreparedStdin::PreparedStdin(const std::string& input)
{
    char path[] = "/tmp/prepared_stdin_XXXXXX";
    const int descriptor = mkstemp(path);
    if (descriptor < 0 ||
        write(descriptor, input.data(), input.size()) != static_cast<ssize_t>(input.size())) {
        throw std::runtime_error("cannot prepare stdin");
    }
    close(descriptor);
    path_ = path;
    if (std::freopen(path, "r", stdin) == nullptr) {
        throw std::runtime_error("freopen stdin failed");
    }
}

PreparedStdin::~PreparedStdin()
{
    if (std::freopen("/dev/null", "r", stdin) == nullptr) {
        std::perror("freopen /dev/null");
    }
    unlink(path_.c_str());
}
