#include "application.h"

int main(int argc, char** argv) {
    return scrivafresa::RunApplication(argc, argv);
}
