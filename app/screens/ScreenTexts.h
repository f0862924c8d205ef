#pragma once
// Every text the screens show, as byte strings (Windows-1252), and the
// two messages composed from a player's name.
#include "rules/Cell.h"

#include <cstddef>
#include <string>
#include <vector>

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

// The player's aids: the hint's prompt, the level chosen on the title, and the help panel (F1),
// each line short enough for the panel's width (48 bytes).
constexpr const char* HintPrefix = "Indice : ";
constexpr const char* LevelPrefix = "Niveau ";
constexpr const char* HelpLines[] = {
    "Aide : les touches et la souris",
    "",
    "Fl\xE8" "ches, pav\xE9 num\xE9rique : d\xE9placer le c\xF4ne",
    "Souris sur le plateau : d\xE9placer le c\xF4ne",
    "Entr\xE9" "e, Espace, clic gauche : poser un pion",
    "Page Haut, Page Bas, molette : incliner",
    "Retour arri\xE8re, Ctrl+Z : annuler le coup",
    "I : indice, le c\xF4ne va au meilleur coup",
    "C : montrer les coups jouables et le dernier",
    "V : valeur de chaque coup jouable",
    "M : muet, musique et bruitages",
    "Titre, Espace ou clic : partie \xE0 deux",
    "Titre, O : partie contre l'ordinateur",
    "Titre, 1 \xE0 5 : niveau de l'ordinateur",
    "\xC9" "chap : quitter la partie",
    "",
    "Une touche ou un clic ferme cette aide.",
};
constexpr std::size_t HelpLineCount = sizeof(HelpLines) / sizeof(HelpLines[0]);
// The title's help panel is the one above with this line after the title's other keys (the play
// screen's panel stays as it was: R does nothing there).
constexpr const char* TitleReviewHelpLine = "Titre, R : revoir la derni\xE8re partie";
constexpr std::size_t TitleReviewHelpAt = 14; // before "Echap : quitter la partie"
// The help panel on the review screen: its own keys only.
constexpr const char* ReviewHelpLines[] = {
    "Aide : revoir une partie",
    "",
    "Fl\xE8" "che gauche, droite : un coup avant, apr\xE8s",
    "D\xE9" "but, Fin : d\xE9" "but, fin de la partie",
    "Clic sur le graphique : aller \xE0 ce coup",
    "V : valeur de chaque coup jouable",
    "Page Haut, Page Bas, molette : incliner",
    "M : muet, musique et bruitages",
    "P : jouer \xE0 partir de cette position",
    "\xC9" "chap : quitter la revue",
    "",
    "Une touche ou un clic ferme cette aide.",
};
constexpr std::size_t ReviewHelpLineCount = sizeof(ReviewHelpLines) / sizeof(ReviewHelpLines[0]);

// The review screen: the top line before the first move, and the parts of the lines naming a
// move, its verdict and the analysis under way.
constexpr const char* ReviewStart = "D\xE9" "but de partie";
constexpr const char* ReviewMovePrefix = "Coup ";
constexpr const char* ReviewPlayed = " a jou\xE9 ";
constexpr const char* ReviewPasses = " passe";
constexpr const char* VerdictBest = "Meilleur : ";
constexpr const char* VerdictBestPlayed = "Meilleur coup jou\xE9 (";
constexpr const char* VerdictLost = "), perdu : ";
constexpr const char* VerdictDisc = " disque";
constexpr const char* VerdictMistake = ", erreur";
constexpr const char* AnalysisUnderWay = "Analyse...";
constexpr const char* AnalysisPrefix = "Analyse ";
// Before the name of the opening the game went through (review screen, play screen with the marks).
constexpr const char* OpeningPrefix = "Ouverture : ";
} // namespace text

// Both compose into `out` and return it: the screens keep one string for their message, so a
// frame allocates nothing once it has grown.
// "<name> a toi de jouer."
const std::string& turnMessage(const char* playerName, std::string& out);
// "<winner> est le gagnant !", or "Match nul !" when the scores are equal.
const std::string& gameOverMessage(const MatchResult& result, std::string& out);
// "Indice : d3": the square named by its file letter and rank (rank 9 - y, the board's y = 1
// being the eighth rank).
const std::string& hintMessage(CellPos square, std::string& out);
// "Niveau 4".
const std::string& levelMessage(int level, std::string& out);

// The review's top line for turn `number` (1 for the first, passes counted) by `mover`:
// "Coup 23 : Joueur 1 a joué d3" for a move on `square` (0 = a1, 63 = h8), "Coup 23 : Joueur 2
// passe" for a pass (`square` below 0).
const std::string& reviewMoveMessage(int number, const char* mover, int square, std::string& out);
// The verdict on a move, `value` being the best move's for the mover and `cost` the discs the
// move played lost against it: "Meilleur coup joué (+2)" when it lost none, else
// "Meilleur : f5 (+2), perdu : 6 disques", with ", erreur" from `mistakeDiscs`.
const std::string& verdictMessage(int best, int value, int cost, int mistakeDiscs, std::string& out);
// "Analyse 12/60" while the analysis runs, "Analyse..." before it has counted the moves.
const std::string& analysisProgressMessage(int done, int total, std::string& out);
// "Ouverture : Parallèle": the longest named opening the game of `moves` (squares 0 = a1 ... 63 =
// h8, a pass below 0) went through, kept once the game has left it; empty when it went through none.
const std::string& openingMessage(const std::vector<int>& moves, std::string& out);
