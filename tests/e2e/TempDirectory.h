#pragma once

#include <string>

// A fresh directory under the system's temporary folder, named after `prefix`.
std::string makeTempDirectory(const std::string& prefix);

// Removes a directory and everything in it; quietly does nothing for an empty path.
void removeTree(const std::string& path);
