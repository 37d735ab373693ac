// A library that sits beside the test programs only, as one planted there would.
extern "C" __declspec(dllexport) int PlantedLibraryProbe() { return 1; }
