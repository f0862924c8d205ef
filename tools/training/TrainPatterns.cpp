// Trains the learnt evaluation's weights from self-play, generation after generation: the first
// plays with the hand-tuned evaluation, each later one with the weights the one before produced,
// and each fits on the positions of every generation so far.
//
//   train_patterns --out FILE [--games N=2000] [--generations G=2] [--seed S=1] [--depth D=4]
//                  [--exact E=18] [--threads T=1]
//
// The same options give the same weights, whatever --threads says. Writes FILE.genK for every
// generation K and FILE itself (the last generation); prints the held-out error of each.
#include "tools/training/SelfPlay.h"
#include "tools/training/WeightFit.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

bool parseCount(const char* text, int low, int high, int& out)
{
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    if (end == text || *end || value < low || value > high)
        return false;
    out = int(value);
    return true;
}

// Written whole: a temporary file, then renamed over the old one.
bool writeFile(const std::string& path, const std::vector<unsigned char>& bytes)
{
    const std::string temporary = path + ".tmp";
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (!file)
        return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    if (std::fclose(file) != 0 || !written || std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

double secondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void showProgress(int finished, int total)
{
    if (finished % 100 == 0 || finished == total) {
        std::printf("  %d / %d games\n", finished, total);
        std::fflush(stdout);
    }
}

} // namespace

int main(int argc, char** argv)
{
    training::SelfPlaySettings play;
    play.games = 2000;
    int generations = 2;
    int seed = 1;
    std::string out;
    for (int i = 1; i < argc; ++i) {
        const char* option = argv[i];
        const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
        bool ok = value != nullptr;
        if (ok && !std::strcmp(option, "--out"))
            out = value;
        else if (ok && !std::strcmp(option, "--games"))
            ok = parseCount(value, 10, 10000000, play.games);
        else if (ok && !std::strcmp(option, "--generations"))
            ok = parseCount(value, 1, 100, generations);
        else if (ok && !std::strcmp(option, "--seed"))
            ok = parseCount(value, 0, 1000000000, seed);
        else if (ok && !std::strcmp(option, "--depth"))
            ok = parseCount(value, 1, 20, play.depth);
        else if (ok && !std::strcmp(option, "--exact"))
            ok = parseCount(value, 0, 24, play.exactEmpties);
        else if (ok && !std::strcmp(option, "--threads"))
            ok = parseCount(value, 1, 256, play.threads);
        else
            ok = false;
        if (!ok) {
            std::fprintf(stderr, "train_patterns: bad option %s%s%s (see the usage at the top of TrainPatterns.cpp)\n",
                         option, value ? " " : "", value ? value : "");
            return 2;
        }
        ++i;
    }
    if (out.empty()) {
        std::fprintf(stderr, "train_patterns: --out FILE is required\n");
        return 2;
    }

    std::vector<training::Sample> samples;
    engine::PatternWeights weights;
    bool haveWeights = false;
    for (int generation = 1; generation <= generations; ++generation) {
        const auto started = std::chrono::steady_clock::now();
        play.seed = std::uint32_t(seed) * 1000u + std::uint32_t(generation);
        std::printf("generation %d: %d games at depth %d, exact from %d empties, with the %s evaluation\n",
                    generation, play.games, play.depth, play.exactEmpties,
                    haveWeights ? "previous generation's" : "hand-tuned");
        std::fflush(stdout);
        std::vector<training::Sample> games = training::selfPlay(play, haveWeights ? &weights : nullptr, showProgress);
        for (training::Sample& sample : games)
            sample.game += (generation - 1) * 10000000;
        samples.insert(samples.end(), games.begin(), games.end());
        const double playSeconds = secondsSince(started);

        training::FitReport report;
        weights = training::fitWeights(samples, training::FitSettings{}, report);
        haveWeights = true;
        for (const std::string& line : report.stageLines)
            std::printf("  %s\n", line.c_str());
        const std::vector<unsigned char> bytes = engine::encodeWeights(weights);
        const std::string path = out + ".gen" + std::to_string(generation);
        if (!writeFile(path, bytes) || (generation == generations && !writeFile(out, bytes))) {
            std::fprintf(stderr, "train_patterns: cannot write %s\n", path.c_str());
            return 1;
        }
        std::printf("generation %d: %zu positions (%d training, %d held out); error in discs: training rms %.2f "
                    "(mean %.2f), held out rms %.2f (mean %.2f); %zu bytes; play %.0f s, fit %.0f s\n",
                    generation, samples.size(), report.trainPositions, report.heldOutPositions, report.trainRms,
                    report.trainMeanAbs, report.heldOutRms, report.heldOutMeanAbs, bytes.size(), playSeconds,
                    secondsSince(started) - playSeconds);
        std::fflush(stdout);
    }
    return 0;
}
