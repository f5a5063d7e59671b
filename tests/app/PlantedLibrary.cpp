// An empty library, built beside the test programs under a name no system
// folder holds, that LibraryLoadingTest loads by name: from the program's own
// folder only until library loading is restricted.
