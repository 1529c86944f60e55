#include "app/program_driver.hpp"
#include "rt/process.hpp"

int main(int argc, char** argv) {
  zemlar::setInvocationArguments(argc, argv);
  zemlar::ProgramDriver::run();
}
