// Demo files as the launcher reads them back: a simulator script turned into demo steps.
#pragma once

#include <string>
#include <vector>

#include "platform/demo.h"

// Reads the demo; false with the reason when it cannot be read or is no script.
bool readDemo(const std::string& path, std::vector<platform::demo::Step>& steps,
              std::string& error);
