// A DLL beside the runtime probe, so that DLL commands can be resolved by name and by ordinal.
#include <windows.h>

extern "C" __declspec(dllexport) int WINAPI ProbeValue() { return 4242; }
