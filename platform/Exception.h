#pragma once

#include <exception>
#include <string>

// The one error type of the class library. Its message is shown to the user as it stands, so it is
// always complete, human-readable UTF-8 text.
class Exception : public std::exception {
public:
    explicit Exception(std::string message) : Message(std::move(message)) {}
    const char* what() const noexcept override { return Message.c_str(); }

    std::string Message;
};
