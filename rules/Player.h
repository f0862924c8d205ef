#pragma once
// A match participant: name, disc count and the square last handed to it.
#include "rules/Cell.h"

#include <cstdint>
#include <string>

class Player {
public:
    Player(std::int32_t number, const char* name);
    virtual ~Player() = default;

    virtual const char* name() const;
    // The name the match is kept under in the file of games: the shown name unless a kind of
    // player says otherwise.
    virtual std::string recordedName() const;
    virtual void setMove(CellPos pos) = 0;
    // True once per submitted square; the square is then read with pendingMove().
    virtual bool takeMove() = 0;

    std::uint8_t score() const { return m_score; }
    void setScore(std::uint8_t score) { m_score = score; }
    CellPos pendingMove() const { return m_pendingMove; }
    std::int32_t number() const { return m_number; }

protected:
    std::string m_name;
    std::uint8_t m_score = 2;   // discs on the board; both sides start with 2
    std::int32_t m_number;      // 1 or 2; does not choose the colour (the match does)
    CellPos m_pendingMove;      // (0, 0) until a square is handed over
};

// The keyboard player: the play screen hands it the cursor square, the match takes it once.
class HumanPlayer : public Player {
public:
    HumanPlayer(std::int32_t number, const char* name);

    void setMove(CellPos pos) override;
    bool takeMove() override;

private:
    bool m_hasPendingMove = false;
};
