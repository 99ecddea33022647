#pragma once

// The platform's start-up: makes the application object, runs entry as the program's entry point,
// destroys the application object and its forms, and gives entry's result as the exit code.
int StartProgram(int argc, char** argv, int (*entry)());
