#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

// The files a running process has mapped whose path contains `namePart`, e.g. the libSDL it
// really loaded; each path once.
std::vector<std::string> mappedFiles(pid_t pid, const std::string& namePart);
