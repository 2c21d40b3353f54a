#pragma once

#include <exception>
#include <string>

// Typed exceptions carrying the message text shown to the user. The class tells callers what went
// wrong; the message says it in the system's own words.
class Exception : public std::exception {
 public:
  explicit Exception(std::string message) : message_(std::move(message)) {}
  const std::string& Message() const noexcept { return message_; }
  const char* what() const noexcept override { return message_.c_str(); }
  virtual const char* ClassName() const noexcept { return "Exception"; }

 private:
  std::string message_;
};

#define QI_DECLARE_EXCEPTION(Name, Base)                              \
  class Name : public Base {                                          \
   public:                                                            \
    using Base::Base;                                                 \
    const char* ClassName() const noexcept override { return #Name; } \
  }

// Ends the current operation without any message (the application shows nothing for it).
QI_DECLARE_EXCEPTION(EAbort, Exception);
QI_DECLARE_EXCEPTION(EInvalidGraphic, Exception);
QI_DECLARE_EXCEPTION(EInvalidGraphicOperation, Exception);
QI_DECLARE_EXCEPTION(EConvertError, Exception);
QI_DECLARE_EXCEPTION(EListError, Exception);
QI_DECLARE_EXCEPTION(EResNotFound, Exception);
QI_DECLARE_EXCEPTION(EOutOfResources, Exception);
QI_DECLARE_EXCEPTION(ERegistryException, Exception);
QI_DECLARE_EXCEPTION(EOutOfMemory, Exception);
QI_DECLARE_EXCEPTION(EThread, Exception);
// A worker's synchronised call that the UI thread will never run: the call queue was shut down.
QI_DECLARE_EXCEPTION(ESynchronizeCancelled, EThread);
QI_DECLARE_EXCEPTION(EStreamError, Exception);
QI_DECLARE_EXCEPTION(EReadError, EStreamError);
QI_DECLARE_EXCEPTION(EWriteError, EStreamError);
QI_DECLARE_EXCEPTION(EFCreateError, EStreamError);
QI_DECLARE_EXCEPTION(EFOpenError, EStreamError);
// A form source file that cannot be compiled; the message starts with the file name and line.
QI_DECLARE_EXCEPTION(EParserError, Exception);

#undef QI_DECLARE_EXCEPTION
