// A library with two of the six zendrel entry points, to bind through the real
// loader: the binding must fill what exists and leave the rest null.
extern "C" __declspec(dllexport) int Open_FeatureDevice(void) { return 7; }

extern "C" __declspec(dllexport) int SetFeature(unsigned char* buffer, int length) {
  return length == 3 && buffer[0] == 0x05 ? 1 : 0;
}
