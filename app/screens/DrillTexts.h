#pragma once
// The texts of the exercises and of the statistics screen, as byte strings (Windows-1252) like
// every other text of the game (ScreenTexts.h), and the lines composed from their numbers.
#include <cstddef>
#include <string>
#include <vector>

namespace text {
// The title's help panel gains these two after its R line.
constexpr const char* TitleDrillsHelpLine = "Titre, E : exercices faits de vos erreurs";
constexpr const char* TitleStatsHelpLine = "Titre, S : vos progr\xE8s en graphique";
// The help panel on the exercise screen: its own keys only.
constexpr const char* DrillsHelpLines[] = {
    "Aide : exercices",
    "",
    "Trouver le meilleur coup de la position",
    "Fl\xE8" "ches, souris : d\xE9placer le c\xF4ne",
    "Entr\xE9" "e, Espace, clic gauche : jouer le coup",
    "Page Haut, Page Bas, molette : incliner",
    "C : montrer les coups jouables",
    "M : muet, musique et bruitages",
    "Une touche apr\xE8s la r\xE9ponse : la suivante",
    "\xC9" "chap : retour au titre",
    "",
    "Une touche ou un clic ferme cette aide.",
};
constexpr std::size_t DrillsHelpLineCount = sizeof(DrillsHelpLines) / sizeof(DrillsHelpLines[0]);

// "Exercice 3 sur 12 : à Joueur 1 de trouver le meilleur coup" in its parts (à is 0xE0).
constexpr const char* DrillPrefix = "Exercice ";
constexpr const char* DrillOf = " sur ";
constexpr const char* DrillTo = " : \xE0 ";
constexpr const char* DrillFind = " de trouver le meilleur coup";
constexpr const char* DrillRight = "Bien vu !";
constexpr const char* DrillBest = "Meilleur : ";
constexpr const char* DrillLoses = " perd ";
constexpr const char* DrillDisc = " disque";
constexpr const char* DrillNone = "Aucun exercice : aucune erreur de 4 disques ou plus";
constexpr const char* DrillNoneDue = "Aucun exercice \xE0 faire, le prochain ";
constexpr const char* DrillNextTime = "\xE0 la prochaine s\xE9" "ance";
constexpr const char* DrillTomorrow = "demain";
constexpr const char* DrillInDays = "dans ";
constexpr const char* DrillDays = " jours";
constexpr const char* DrillLooking = "Analyse des parties ";

// The statistics screen.
constexpr const char* StatsGame = " partie";
constexpr const char* StatsExercise = " exercice";
constexpr const char* StatsSolved = " r\xE9ussi";
constexpr const char* StatsOf = " sur ";
constexpr const char* StatsNone = "Aucune partie contre l'ordinateur";
constexpr const char* StatsCaption = "Contre l'ordinateur, disques perdus par coup";
constexpr const char* StatsLegend = "Ouverture (bleu), milieu (vert), fin (rouge)";
} // namespace text

// Each composes into `out` and returns it (a frame allocates nothing once the string has grown).
// "Exercice 3 sur 12 : à Joueur 1 de trouver le meilleur coup".
const std::string& drillPrompt(std::size_t number, std::size_t count, const char* mover, std::string& out);
// "Bien vu !" for a right answer; else "Meilleur : c4, d3 perd 6 disques" (`best` and `played`
// squares 0 = a1 ... 63 = h8, `lost` the discs the answer loses against the best).
const std::string& drillVerdict(bool right, int best, int played, int lost, std::string& out);
// With nothing to ask: when the next exercise is due, `days` from today (0: due again at the next
// start), or that there is none at all (`any` false).
const std::string& drillNextMessage(bool any, long long days, std::string& out);
// "Analyse des parties 2/5" while the games are looked over.
const std::string& drillLookingMessage(int done, int total, std::string& out);
// "9 parties, 3 exercices réussis sur 12": the games against the computer, the exercises out of
// the first box.
const std::string& statsMessage(int games, int solved, int exercises, std::string& out);
