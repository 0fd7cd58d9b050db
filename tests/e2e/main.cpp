#include "e2e_test.h"

int main(int argc, char** argv) {
    return e2e::RunAllTests(argc, argv);
}
