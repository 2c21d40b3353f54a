#pragma once

#include <functional>

// Root of the framework's classes: a virtual destructor and the class name that messages such as
// "Cannot assign a %s to a %s" show.
class TObject {
 public:
  TObject() = default;
  TObject(const TObject&) = delete;
  TObject& operator=(const TObject&) = delete;
  virtual ~TObject() = default;
  virtual const char* ClassName() const { return "TObject"; }
};

// An event handler called with the object that raised the event. An empty function means "no
// handler assigned".
using TNotifyEvent = std::function<void(TObject* sender)>;
