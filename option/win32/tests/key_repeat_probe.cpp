// Prints the system's keyboard delay and speed as "delay speed". A process
// keeps the system parameters it has read once, so the option end-to-end
// test reads them through a fresh process each time.
#include <windows.h>

#include <cstdio>

int main() {
  int delay = -1, speed = -1;
  SystemParametersInfoA(SPI_GETKEYBOARDDELAY, 0, &delay, 0);
  SystemParametersInfoA(SPI_GETKEYBOARDSPEED, 0, &speed, 0);
  std::printf("%d %d\n", delay, speed);
  return 0;
}
