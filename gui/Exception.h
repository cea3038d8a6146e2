// The program's exception: a Shift-JIS message that ends a command and is
// shown by the application's standard exception message.
#pragma once

#include <exception>
#include <string>

class Exception : public std::exception {
public:
    explicit Exception(std::string message) : Message(std::move(message)) {}
    const char* what() const noexcept override { return Message.c_str(); }
    std::string Message;
};

// The file-open error of the string lists and the text panes.
class EFOpenError : public Exception {
public:
    using Exception::Exception;
};

// The registry wrapper's error.
class ERegistryException : public Exception {
public:
    using Exception::Exception;
};
