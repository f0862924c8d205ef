#pragma once
// Says why a picture the game wanted cannot be used. Every picture is optional: the caller goes
// on without it (plain white, black or invisible, as its header says), and the player learns from
// one line on stderr which file and why.
#include "image/TgaImage.h"

#include <string>

// Why `picture`, read from `path`, is not a whole 24-bit picture: the system's word when the file
// cannot be opened, else what is wrong with it. Empty when it is usable.
std::string pictureProblem(const char* path, const TgaImage& picture);

// True when `picture` is usable; otherwise prints "reversi: picture PATH not used: REASON" on
// stderr and returns false.
bool checkPicture(const char* path, const TgaImage& picture);
