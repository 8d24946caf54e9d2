#include "platform/HandlerGuard.h"

#include <cstdio>
#include <exception>

#include "platform/Forms.h"
#include "platform/SysUtils.h"

namespace platform {

namespace {

void Report(const std::exception& error) noexcept {
  if (TApplication* application = Application()) application->HandleException(error);
  else std::fprintf(stderr, "Error in an event handler: %s\n", error.what());
}

}  // namespace

bool HandleEvent(const std::function<void()>& handler) noexcept {
  try {
    handler();
    return true;
  } catch (const std::exception& error) {
    Report(error);
  } catch (...) {
    Report(Exception("An unknown error ended an event handler."));
  }
  return false;
}

}  // namespace platform
