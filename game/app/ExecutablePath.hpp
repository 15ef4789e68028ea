#pragma once

#include <string>

// The folder that holds the running program ("." when it cannot be told).
std::string executableFolder();
