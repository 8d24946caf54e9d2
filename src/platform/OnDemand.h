#pragma once
// A window the program reaches through one global, built the first time it is used, so that
// start-up pays only for the windows it shows. It is freed only by Free: a static destructor
// would run after the application object and may not delete widgets.
namespace platform {

template <class T>
class OnDemand {
 public:
  T* Get() {
    if (made_ == nullptr) made_ = new T();
    return made_;
  }
  T* operator->() { return Get(); }
  T& operator*() { return *Get(); }
  bool Made() const { return made_ != nullptr; }
  void Free() {
    delete made_;
    made_ = nullptr;
  }

 private:
  T* made_ = nullptr;
};

}  // namespace platform
