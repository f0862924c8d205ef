#include "app/opponent/ComputerTurn.h"

#include "app/opponent/ConeStep.h"

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
    step.cursorDirection = stepToward(cursor, *chosen);
    step.drop = step.cursorDirection == 0; // on its square: the disc goes down
    return step;
}
