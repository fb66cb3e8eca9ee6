#include <string>
#include <vector>

#include "engraving_command.h"

int main(int argc, char** argv) {
    return scrivafresa::cli::RunEngravingCommand(std::vector<std::string>(argv + 1, argv + argc));
}
