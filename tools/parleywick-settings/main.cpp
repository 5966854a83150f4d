// parleywick-settings: the administrator's tool for the add-in's settings store.

#include <iostream>
#include <string>
#include <vector>

#include "tools/settings/SettingsProgram.h"

int main(int argc, char** argv) {
    return pwk::settingstool::SettingsProgram::Run(std::vector<std::string>(argv + 1, argv + argc),
                                                   std::cout, std::cerr);
}
