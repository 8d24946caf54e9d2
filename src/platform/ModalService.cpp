#include "platform/ModalService.h"

namespace platform {

ModalService& ModalService::Instance() {
  static ModalService service;
  return service;
}

std::optional<ModalAnswer> ModalService::Take(const ModalRequest& request) {
  log_.push_back(request);
  if (!scripted_) return std::nullopt;
  if (answers_.empty())
    throw EUnexpectedModal("No answer queued for " + request.kind + " \"" + request.caption + "\": " + request.text);
  ModalAnswer answer = std::move(answers_.front());
  answers_.pop_front();
  return answer;
}

void ModalService::Reset() {
  answers_.clear();
  log_.clear();
}

}  // namespace platform
