#include "tests/e2e/GameSession.h"

// The build passes both paths: the game's executable and the folder that holds ./data.
std::string gamePath()
{
    return REVERSI_GAME_PATH;
}

std::string projectRoot()
{
    return REVERSI_PROJECT_ROOT;
}
