#include "platform/registry.h"

namespace brelfx {
namespace {

class EmptyRegistry final : public Registry {
 public:
  std::optional<std::string> ReadUserString(std::string_view, std::string_view) override {
    return std::nullopt;
  }
  bool WriteUserString(std::string_view, std::string_view, std::string_view) override {
    return false;
  }
};

}  // namespace

Registry& NoRegistry() {
  static EmptyRegistry registry;
  return registry;
}

}  // namespace brelfx
