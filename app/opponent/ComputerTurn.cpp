#include "app/opponent/ComputerTurn.h"

#include "render/Directions.h"

ComputerTurn::Step ComputerTurn::update(ComputerPlayer& computer, const Board& board, Cell colour,
                                        CellPos cursor, double now)
{
    Step step;
    if (computer.isIdle()) {
        computer.startThinking(board, colour);
        m_turnStarted = now;
        m_lastStep = now;
        return step;
    }
    const std::optional<CellPos> chosen = computer.chosenMove();
    if (!chosen || now - m_turnStarted < ShowThinkingSeconds || now - m_lastStep < CursorStepSeconds)
        return step;

    m_lastStep = now;
    // Along the row first, then along the column, as a player would steer.
    if (cursor.x < chosen->x)
        step.cursorDirection = CursorRight;
    else if (cursor.x > chosen->x)
        step.cursorDirection = CursorLeft;
    else if (cursor.y < chosen->y)
        step.cursorDirection = CursorUp;
    else if (cursor.y > chosen->y)
        step.cursorDirection = CursorDown;
    else
        step.drop = true;
    return step;
}
