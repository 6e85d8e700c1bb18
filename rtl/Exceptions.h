#pragma once
// Error kinds of the runtime library. Every failure is an exception that carries its message.
#include <exception>
#include <string>

namespace rtl {

class Exception : public std::exception {
public:
    explicit Exception(std::string message) : message_(std::move(message)) {}
    const char* what() const noexcept override { return message_.c_str(); }
    const std::string& Message() const noexcept { return message_; }

private:
    std::string message_;
};

#define KV_DECLARE_EXCEPTION(Name, Base) \
    class Name : public Base {           \
    public:                              \
        using Base::Base;                \
    };

KV_DECLARE_EXCEPTION(EStreamError, Exception)
KV_DECLARE_EXCEPTION(EFCreateError, EStreamError)
KV_DECLARE_EXCEPTION(EFOpenError, EStreamError)
KV_DECLARE_EXCEPTION(EFilerError, EStreamError)
KV_DECLARE_EXCEPTION(EReadError, EFilerError)
KV_DECLARE_EXCEPTION(EWriteError, EFilerError)
KV_DECLARE_EXCEPTION(EClassNotFound, EFilerError)
KV_DECLARE_EXCEPTION(EResNotFound, Exception)
KV_DECLARE_EXCEPTION(EComponentError, Exception)
KV_DECLARE_EXCEPTION(ERegistryException, Exception)
KV_DECLARE_EXCEPTION(EOSError, Exception)
KV_DECLARE_EXCEPTION(EParserError, Exception)

#undef KV_DECLARE_EXCEPTION

}  // namespace rtl
