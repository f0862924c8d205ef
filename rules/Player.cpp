#include "rules/Player.h"

Player::Player(std::int32_t number, const char* name) : m_name(name), m_number(number) {}

const char* Player::name() const
{
    return m_name.c_str();
}

std::string Player::recordedName() const
{
    return name();
}

HumanPlayer::HumanPlayer(std::int32_t number, const char* name) : Player(number, name) {}

void HumanPlayer::setMove(CellPos pos)
{
    m_pendingMove = pos;
    m_hasPendingMove = true;
}

bool HumanPlayer::takeMove()
{
    if (!m_hasPendingMove)
        return false;
    m_hasPendingMove = false;
    return true;
}
