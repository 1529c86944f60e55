#include "app/program_driver.hpp"
#include "rt/platform.hpp"

int main(int argc, char** argv) {
  zemlar::platform::setInvocationArguments(argc, argv);
  zemlar::ProgramDriver::run();
}
