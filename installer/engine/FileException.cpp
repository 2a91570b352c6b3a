#include "installer/engine/FileException.h"

namespace setup {

const char* FileException::messageOf(int code) noexcept {
    switch (code) {
    case noError: return "No error occurred";
    case fileNotFound: return "File not found";
    case cannotOpen: return "Can not open file";
    case readError: return "There was an error in read operation";
    case seekError: return "There was an error trying to set the file pointer";
    case diskFull: return "The disk is full";
    case endOfFile: return "The end of file was reached";
    default: return "Unknown error";
    }
}

}  // namespace setup
