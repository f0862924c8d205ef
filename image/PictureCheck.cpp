#include "image/PictureCheck.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

std::string pictureProblem(const char* path, const TgaImage& picture)
{
    if (picture.holdsWhole24BitPicture())
        return std::string();
    if (!path)
        return "no file named";
    // The loader does not keep the reason; opening the file again recovers the system's word.
    std::FILE* file = std::fopen(path, "rb");
    if (!file)
        return std::strerror(errno);
    std::fclose(file);
    if (!picture.isLoaded())
        return "not an uncompressed true-colour TGA file, or cut short";
    return "not a 24-bit picture";
}

bool checkPicture(const char* path, const TgaImage& picture)
{
    const std::string problem = pictureProblem(path, picture);
    if (problem.empty())
        return true;
    std::fprintf(stderr, "reversi: picture %s not used: %s\n", path ? path : "(none)", problem.c_str());
    return false;
}
