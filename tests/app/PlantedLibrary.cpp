// A library built beside the test programs under a name no system folder
// holds, for LibraryLoadingTest to load by name: from the program's own folder
// only until library loading is restricted. It has no code; it exports only
// the older of the two calls that restrict loading (PlantedLibrary.def hands
// it on to the system's), as the kernel of Windows XP to 7 does where the
// newer call is missing.
