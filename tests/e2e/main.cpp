#include "e2e_test.h"

// Arguments select tests whose "Suite.Name" contains any of them.
int main(int argc, char** argv) { return e2e::RunAllTests(argc, argv); }
