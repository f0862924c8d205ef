#pragma once
// Every text the screens show, as byte strings (Windows-1252), and the
// two messages composed from a player's name.
#include <string>

class MatchResult;

namespace text {
constexpr const char* Caption = "Zerdane GL";
constexpr const char* PlayerOneName = "Joueur 1";
constexpr const char* PlayerTwoName = "Joueur 2";
// The computer opponent's name, and the prompt while it is to move ("Ordinateur réfléchit...";
// é is the single byte 0xE9, split off so that no following letter joins its escape).
constexpr const char* ComputerName = "Ordinateur";
constexpr const char* ComputerThinking = "Ordinateur r\xE9" "fl\xE9" "chit...";
// The trailing newline is part of the prompt: it counts in the centring and draws as a glyph.
constexpr const char* TitlePrompt = "Appuyer sur une touche pour commencer\n";
constexpr const char* YourTurn = " a toi de jouer.";
constexpr const char* IsTheWinner = " est le gagnant !";
constexpr const char* Draw = "Match nul !";
constexpr const char* CreditsLine = "Kestin Zerdane, Plexifest Brisk 5 (2004) par Tarvel";
} // namespace text

// Both compose into `out` and return it: the screens keep one string for their message, so a
// frame allocates nothing once it has grown.
// "<name> a toi de jouer."
const std::string& turnMessage(const char* playerName, std::string& out);
// "<winner> est le gagnant !", or "Match nul !" when the scores are equal.
const std::string& gameOverMessage(const MatchResult& result, std::string& out);
