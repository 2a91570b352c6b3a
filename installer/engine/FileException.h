// The exception that file problems of the installer raise: the file concerned
// (a bare name or a full path, as the raiser had it) and one of the codes below.
#pragma once

#include <string>
#include <utility>

namespace setup {

class FileException {
public:
    enum Code {
        noError = 0,
        fileNotFound = 1,
        cannotOpen = 2,
        readError = 3,
        seekError = 4,
        diskFull = 5,
        endOfFile = 6,
    };

    FileException(std::string fileName, int code) : fileName_(std::move(fileName)), code_(code) {}

    const std::string& fileName() const noexcept { return fileName_; }
    int code() const noexcept { return code_; }

    // The fixed text of a code; "Unknown error" for codes outside 0 to 6.
    static const char* messageOf(int code) noexcept;
    const char* message() const noexcept { return messageOf(code_); }

private:
    std::string fileName_;
    int code_;
};

}  // namespace setup
