#include <iostream>

#include "tools/brelfx_config/command.h"

int main(int argc, char** argv) {
  using namespace brelfx::config_tool;
  const std::vector<std::string> args(argv + 1, argv + argc);
  return RunBrelfxConfig(args, std::cout, std::cerr, SystemHost());
}
