#pragma once
// An engine behind a line protocol, as the loop that reads standard input drives it (ProtocolLoop):
// one line in at a time, answers out through the engine's own writer, and between lines a chance
// to hand over what a background search has finished. The tests drive the same calls with strings.
#include <functional>
#include <string>

namespace protocols {

// Writes text the GUI reads (whole lines with their newlines); the loop flushes after each call.
using Writer = std::function<void(const std::string& text)>;

class LineEngine {
public:
    virtual ~LineEngine() = default;
    // One line from the GUI, without its newline (nor a carriage return before it).
    virtual void receive(const std::string& line) = 0;
    // Called while no line is waiting: writes what a finished background search found.
    virtual void poll() {}
    // A background search is running (the loop then wakes often to poll).
    virtual bool busy() const { return false; }
    // Waits for the running search, if any, to end and writes its answer (at the end of input).
    virtual void finish() {}
    // The GUI asked the engine to end.
    virtual bool quitting() const = 0;
};

} // namespace protocols
