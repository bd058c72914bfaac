/* A library that carries the run-time library's file name but not its entry point. */
int notTheEntryPoint(void) { return 1; }
